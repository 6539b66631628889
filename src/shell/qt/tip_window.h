#pragma once

#include <QDialog>
#include <memory>

class QCheckBox;
class QLabel;

namespace orrery {

class SettingsStore;
class TipBook;

// "Tip of the Day": one tip at a time with Previous, Next and Close, and the
// choice whether it opens when the program starts. It holds the tip book
// while open, so closing it stores the place of the next tip.
//
// Controls by object name: tipText, previousButton, nextButton, closeButton, showAtStart.
class TipWindow : public QDialog {
    Q_OBJECT
public:
    TipWindow(SettingsStore& store, QWidget* parent = nullptr);
    ~TipWindow() override;

    QString tipText() const;

private:
    void showTip(std::string_view tip);

    SettingsStore& store_;
    std::unique_ptr<TipBook> book_;
    QLabel* text_ = nullptr;
    QCheckBox* showAtStart_ = nullptr;
};

}  // namespace orrery
