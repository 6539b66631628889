// Opening the Profiles settings sheet (ten pages built and shown) and one
// Apply of it with 1 or 10 curves, beside the floor: a bare dialog with ten
// empty tabs, which is what any tabbed sheet costs before its pages.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/qt/frame_hooks.h"
#include "graphing/graph_view.h"
#include "graphing/qt/appearance_dialogs.h"
#include "graphing/qt/appearance_sheet.h"
#include "persistence/memory_settings_store.h"
#include "shell/command_ids.h"
#include "support/recording_frame.h"
#include "support/recording_services.h"

namespace {

using namespace orrery;


struct Session {
    GraphSettings settings;
    GraphView view{settings};
    MemorySettingsStore store;
    testing::RecordingMessageService messages;
    testing::ScriptedDialogService dialogs;
    testing::RecordingFrame frame;
    AppearanceDialogs module{view, store, messages, dialogs, frame};

    explicit Session(int curves) {
        for (int k = 1; k < curves; ++k) view.curves().addCurve(settings, view.range(), true);
    }
};

void BM_OpenProfilesSheet(benchmark::State& state) {
    Session session(1);
    for (auto _ : state) {
        session.module.run(command::kOpenProfile);
        AppearanceSheet* sheet = session.module.openWindow(command::kOpenProfile);
        sheet->hide();
        delete sheet;
    }
}
BENCHMARK(BM_OpenProfilesSheet)->Unit(benchmark::kMillisecond);

void BM_OpenBareTabbedDialog(benchmark::State& state) {
    for (auto _ : state) {
        auto* dialog = new QDialog;
        auto* tabs = new QTabWidget(dialog);
        for (int k = 0; k < 10; ++k) tabs->addTab(new QWidget, QStringLiteral("Page %1").arg(k));
        (new QVBoxLayout(dialog))->addWidget(tabs);
        dialog->show();
        dialog->hide();
        delete dialog;
    }
}
BENCHMARK(BM_OpenBareTabbedDialog)->Unit(benchmark::kMillisecond);

void BM_ApplyProfilesSheet(benchmark::State& state) {
    Session session(static_cast<int>(state.range(0)));
    session.module.run(command::kOpenProfile);
    AppearanceSheet* sheet = session.module.openWindow(command::kOpenProfile);
    for (auto _ : state) benchmark::DoNotOptimize(sheet->apply());
}
BENCHMARK(BM_ApplyProfilesSheet)->ArgName("curves")->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace
