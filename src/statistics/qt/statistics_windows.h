#pragma once

#include <QPointer>
#include <vector>

#include "common/qt/command_module.h"
#include "statistics/distribution_set.h"
#include "statistics/qt/distribution_window.h"

namespace orrery {

// The Statistics menu's four windows. The module owns the one set of
// distributions, so degrees of freedom and limits outlive a closed window;
// each menu command opens a new window, and older ones stay open beside it.
class StatisticsWindows : public CommandModule {
  public:
    StatisticsWindows(GraphSettings& settings, MessageService& messages, DialogService& dialogs,
                      FrameHooks& frame);
    ~StatisticsWindows() override;

    std::vector<int> commands() const override;
    void run(int command) override;
    // Open windows repaint with the new statistics colours.
    void settingsChanged() override;

    DistributionSet& distributions() { return distributions_; }
    // The windows still open, oldest first.
    std::vector<DistributionWindow*> openWindows() const;

  private:
    StatisticsServices services_;
    DistributionSet distributions_;
    std::vector<QPointer<DistributionWindow>> windows_;
};

}  // namespace orrery
