#include "statistics/qt/statistics_windows.h"

#include <QLineEdit>

#include "shell/command_ids.h"
#include "statistics_fixture.h"

namespace orrery::testing {
namespace {

void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Each Statistics item opens its window, sized from the main window's client
// area; a reopened window finds the degrees of freedom of the last one.
TEST_F(StatisticsTest, MenuItemsOpenWindowsThatShareTheirDistribution) {
    StatisticsWindows module(settings, messages, dialogs, frame);
    std::vector<int> ids = module.commands();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<int>{command::kNormalDistribution, command::kFDistribution,
                                     command::kTDistribution, command::kChiSquareDistribution}));
    const std::pair<int, const char*> items[] = {
        {command::kNormalDistribution, "Normal Distribution"},
        {command::kTDistribution, "T Distribution"},
        {command::kFDistribution, "F Distribution"},
        {command::kChiSquareDistribution, "Chi Square Distribution"}};
    for (const auto& [id, title] : items) {
        module.run(id);
        DistributionWindow* window = module.openWindows().back();
        EXPECT_EQ(window->windowTitle().toStdString(), title);
        EXPECT_EQ(window->size(), QSize(1000, 675));
        EXPECT_EQ(window->parentWidget(), &frame.main);
    }
    EXPECT_EQ(module.openWindows().size(), 4u);

    DistributionWindow* t = module.openWindows()[1];
    t->box(0)->setText(QStringLiteral("-1"));
    t->box(1)->setText(QStringLiteral("1"));
    t->box(2)->setText(QStringLiteral("9"));
    t->calculate();
    t->close();
    deleteClosedWindows();
    EXPECT_EQ(module.openWindows().size(), 3u);
    module.run(command::kTDistribution);
    DistributionWindow* reopened = module.openWindows().back();
    EXPECT_EQ(reopened->box(0)->text(), QStringLiteral("0"));
    EXPECT_EQ(reopened->box(2)->text(), QStringLiteral("9"));
    EXPECT_EQ(module.distributions().t.lowerLimit(), -1.0);
}

// Set Colors' Apply reaches the module through settingsChanged: open
// windows draw with the new colours, closed ones are forgotten.
TEST_F(StatisticsTest, SettingsChangesRepaintOpenWindows) {
    StatisticsWindows module(settings, messages, dialogs, frame);
    module.run(command::kNormalDistribution);
    module.run(command::kNormalDistribution);
    module.openWindows().front()->close();
    deleteClosedWindows();
    settings.setColor(ColorKind::Axes, 0, makeRgb(0, 0, 255));
    module.settingsChanged();
    ASSERT_EQ(module.openWindows().size(), 1u);
    DistributionWindow* window = module.openWindows().front();
    const QImage picture = window->picture();
    EXPECT_EQ(colorDistance(picture.pixel(picture.width() - 60, picture.height() / 2),
                            makeRgb(0, 0, 255)),
              0);
}

}  // namespace
}  // namespace orrery::testing
