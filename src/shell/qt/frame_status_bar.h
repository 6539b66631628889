#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QLabel;

namespace orrery {

// The frame's status bar: up to three parts side by side, each ending at a
// given x. The graph's click read-out uses three parts, the other texts two
// halves.
class FrameStatusBar : public QWidget {
    Q_OBJECT
public:
    explicit FrameStatusBar(QWidget* parent = nullptr);

    // Texts laid out by their number: two halves, or three parts ending at
    // one eighth, one quarter and the full width.
    void showTexts(const std::vector<std::string>& texts);
    std::vector<std::string> texts() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<QLabel*> parts_;
    std::size_t used_ = 0;
    void placeParts();
};

}  // namespace orrery
