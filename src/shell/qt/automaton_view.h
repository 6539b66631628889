#pragma once

#include <QImage>
#include <QWidget>

namespace orrery {

class AboutAutomaton;

// The About box's picture of the automaton: every cell a 4 × 3 block, the
// whole grid stretched onto the view, so Evolve adds detail and not size.
class AutomatonView : public QWidget {
    Q_OBJECT
public:
    AutomatonView(const AboutAutomaton& automaton, QWidget* parent = nullptr);

    // The grid changed: draw it again.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const AboutAutomaton& automaton_;
    QImage cells_;  // one pixel a cell; stretching it equals stretching the 4 × 3 blocks
};

}  // namespace orrery
