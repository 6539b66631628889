#pragma once

#include "graphing/qt/appearance_page.h"

class QGroupBox;
class QRadioButton;
class QSlider;

namespace orrery {

class GraphSettings;

// "Tooltips/Window Sizes": the calculator keys' tooltips shown or hidden,
// split screen or full screen, and in split screen the graph's share of the
// window on a trackbar from 1 to 19. What the page shows goes into the
// working copy when the page is left and before an apply.
//
// Controls by object name: tipsShow, tipsHide, splitScreen, fullScreen,
// proportionGroup, proportionSlider.
class WindowSizesPage : public AppearancePage {
    Q_OBJECT

public:
    explicit WindowSizesPage(GraphSettings& working, QWidget* parent = nullptr);

    void reload() override;
    bool commit() override;
    void leave() override { commit(); }

private:
    GraphSettings& working_;
    QRadioButton* show_ = nullptr;
    QRadioButton* hide_ = nullptr;
    QRadioButton* split_ = nullptr;
    QRadioButton* full_ = nullptr;
    QGroupBox* proportion_ = nullptr;
    QSlider* slider_ = nullptr;
};

}  // namespace orrery
