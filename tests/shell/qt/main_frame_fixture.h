#pragma once

// A main window wired to an in-memory store and to recording message and
// dialog services, at a fixed size, with helpers to type and to look.
#include <QApplication>
#include <QImage>
#include <QTest>
#include <memory>

#include "graphing/qt/graph_text_dialog.h"
#include "graphing/qt/graph_widget.h"
#include "persistence/memory_settings_store.h"
#include "shell/qt/main_frame.h"
#include "support/recording_services.h"

namespace orrery::testing {

class MainFrameTest : public ::testing::Test {
protected:
    MemorySettingsStore store;
    RecordingMessageService messages;
    ScriptedDialogService dialogs;
    std::unique_ptr<MainFrame> frame;

    void SetUp() override { frame = makeFrame(); }

    std::unique_ptr<MainFrame> makeFrame() {
        auto made = std::make_unique<MainFrame>(store, messages, dialogs);
        made->resize(1100, 720);
        made->show();
        QApplication::processEvents();
        return made;
    }

    // Keys typed at the window, as a person would; "\r" is Enter.
    void type(const QString& text) {
        for (const QChar c : text) {
            if (c == '\r')
                QTest::keyClick(frame.get(), Qt::Key_Return);
            else
                QTest::keyClicks(frame.get(), QString(c));
        }
    }

    QImage graphImage() { return frame->graph().grab().toImage(); }
};

}  // namespace orrery::testing
