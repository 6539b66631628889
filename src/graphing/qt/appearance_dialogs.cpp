#include "graphing/qt/appearance_dialogs.h"

#include <QTabWidget>
#include <algorithm>

#include "common/qt/frame_hooks.h"
#include "graphing/appearance_apply.h"
#include "graphing/graph_view.h"
#include "graphing/qt/appearance_sheet.h"
#include "graphing/qt/curve_look_page.h"
#include "graphing/qt/domains_range_page.h"
#include "graphing/qt/profiles_page.h"
#include "graphing/qt/rgb_picker.h"
#include "graphing/qt/window_sizes_page.h"
#include "shell/command_ids.h"

namespace orrery {

namespace {

// The colour pages in the order both sheets show them, with the tab of each
// sheet and the status line of the page.
struct ColorPage {
    ColorKind kind;
    const char* colorsTab;
    const char* profilesTab;
    const char* status;
};

constexpr ColorPage kColorPages[] = {
    {ColorKind::Curve, "Curve Color", "Curve Colors", "Set colors: Curves"},
    {ColorKind::Background, "Background Color", "Background Color", "Set color: Background"},
    {ColorKind::Axes, "Axes Color", "Axes Color", "Set color: Axes"},
    {ColorKind::Label, "Label Color", "Label Color", "Set color: Label"},
    {ColorKind::OriginalPoints, "Data Points Color", "Data Points", "Least Squares Data Point Color"},
    {ColorKind::Statistics, "Statistics Graphs: Curve Color", "Statistics Graphs: Curve Color",
     "Set color: Statistics Curves"},
};

}  // namespace

AppearanceDialogs::AppearanceDialogs(GraphView& view, SettingsStore& store, MessageService& messages,
                                     DialogService& dialogs, FrameHooks& frame)
    : view_(view), store_(store), messages_(messages), dialogs_(dialogs), frame_(frame) {}

AppearanceDialogs::~AppearanceDialogs() {
    // The pages refer to the working copies: the windows go first.
    for (Window& window : windows_) delete window.sheet.data();
}

std::vector<int> AppearanceDialogs::commands() const {
    return {command::kCurveLook, command::kDomainsRange, command::kSetColors, command::kOpenProfile};
}

AppearanceSheet* AppearanceDialogs::openWindow(int command) const {
    for (const Window& window : windows_)
        if (window.command == command && window.sheet && window.sheet->isVisible()) return window.sheet.data();
    return nullptr;
}

void AppearanceDialogs::run(int command) {
    if (AppearanceSheet* open = openWindow(command)) {
        open->raise();
        open->activateWindow();
        return;
    }
    // Working copies of windows closed since are no longer referred to.
    std::erase_if(windows_, [](const Window& window) { return window.sheet.isNull(); });

    auto working = std::make_unique<GraphSettings>(view_.settings());
    AppearanceSheet* sheet = nullptr;
    switch (command) {
        case command::kCurveLook: sheet = openCurveLook(*working); break;
        case command::kDomainsRange: sheet = openDomainsRange(*working); break;
        case command::kSetColors: sheet = openSetColors(*working); break;
        case command::kOpenProfile: sheet = openProfiles(*working); break;
        default: return;
    }
    windows_.push_back({command, sheet, std::move(working)});
    sheet->show();
}

void AppearanceDialogs::announce(bool resetHappened) {
    // Defaults restored from the sheet rebuild the limits: the document
    // commands are there to use again.
    if (resetHappened) frame_.setMenuState(7);
    frame_.settingsChanged();
}

AppearanceSheet* AppearanceDialogs::openCurveLook(GraphSettings& working) {
    auto* page = new CurveLookPage(working, view_.curves());
    auto* sheet = new AppearanceSheet(
        QStringLiteral("Curve Look"), QStringLiteral("Close"), {{page, QString()}},
        [this, &working] { takeWorkingCopy(view_.settings(), working); }, [this] { announce(); },
        frame_.frameWindow());
    sheet->setWindowModality(Qt::ApplicationModal);
    return sheet;
}

AppearanceSheet* AppearanceDialogs::openDomainsRange(GraphSettings& working) {
    auto* page = new DomainsRangePage(working, view_, messages_);
    auto* sheet = new AppearanceSheet(
        QStringLiteral("Domains/Range"), QStringLiteral("Close"), {{page, QString()}},
        [this, &working] { takeWorkingCopy(view_.settings(), working); }, [this] { announce(); },
        frame_.frameWindow());
    sheet->setWindowModality(Qt::ApplicationModal);
    QObject::connect(sheet, &QDialog::rejected, sheet, [this] { frame_.redrawAll(); });
    return sheet;
}

AppearanceSheet* AppearanceDialogs::openSetColors(GraphSettings& working) {
    std::vector<AppearanceSheet::Page> pages;
    for (const ColorPage& color : kColorPages)
        pages.push_back({new RgbPicker(working, color.kind, view_.curves(), dialogs_, QString::fromLatin1(color.status)),
                         QString::fromLatin1(color.colorsTab)});
    auto* sheet = new AppearanceSheet(
        QStringLiteral("Set Colors: Background"), QStringLiteral("Cancel"), std::move(pages),
        [this, &working] { takeWorkingColors(view_.settings(), working); }, [this] { announce(); },
        frame_.frameWindow());
    sheet->showPage(1);
    return sheet;
}

AppearanceSheet* AppearanceDialogs::openProfiles(GraphSettings& working) {
    auto* profiles = new ProfilesPage(store_, working, messages_);
    std::vector<AppearanceSheet::Page> pages{
        {profiles, QStringLiteral("Profiles")},
        {new DomainsRangePage(working, view_, messages_), QStringLiteral("Domains/Range")},
        {new CurveLookPage(working, view_.curves()), QStringLiteral("Curve Look")}};
    for (const ColorPage& color : kColorPages)
        pages.push_back({new RgbPicker(working, color.kind, view_.curves(), dialogs_, QString::fromLatin1(color.status)),
                         QString::fromLatin1(color.profilesTab)});
    pages.push_back({new WindowSizesPage(working), QStringLiteral("Tooltips/Window Sizes")});
    // The reset flag is read before the pages clear it on apply.
    auto resetHappened = std::make_shared<bool>(false);
    auto* sheet = new AppearanceSheet(
        QStringLiteral("Profiles"), QStringLiteral("Close"), std::move(pages),
        [this, &working, profiles, resetHappened] {
            *resetHappened = profiles->resetHappened();
            takeWorkingCopy(view_.settings(), working);
        },
        [this, resetHappened] { announce(*resetHappened); }, frame_.frameWindow());
    return sheet;
}

}  // namespace orrery
