// A seeded stream of everything a person can do to the window at random:
// keys, commands, clicks and drags on the graph, resizes. Nothing may crash,
// and the curve set must stay whole.
#include <QAbstractButton>
#include <random>

#include <gtest/gtest.h>

#include "main_frame_fixture.h"
#include "shell/command_ids.h"
#include "shell/qt/calculator_face.h"

namespace orrery::testing {
namespace {

TEST_F(MainFrameTest, ARandomSessionNeverBreaksTheWindow) {
    using namespace command;
    const int commands[] = {kNew,        kSave,         kSaveAs,      kGraphText,    kToolTips,
                            kRestoreDefaults, kSplitScreen, kZoomIn,  kZoomOut,      kReverseZoom,
                            kBackToCalculator, kNextCurve, kLastCurve, kBack,        kSketch,
                            kReset,      kRecentFirst + 3, kOpen};
    const QString keys = QStringLiteral("0123456789x+-*/^().epsincoqrtalgh \r\b[]");
    std::mt19937 random(20261206);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 1500; ++step) {
        messages.answers = {MessageAnswer::No};
        switch (pick(6)) {
            case 0: frame->HandleCommand(commands[pick(std::size(commands))]); break;
            case 1:
            case 2: type(QString(keys[pick(keys.size())])); break;
            case 3: {
                GraphWidget& graph = frame->graph();
                const QPoint a(pick(std::max(1, graph.width())), pick(std::max(1, graph.height())));
                const QPoint b(pick(std::max(1, graph.width())), pick(std::max(1, graph.height())));
                QTest::mousePress(&graph, Qt::LeftButton, {}, a);
                QTest::mouseMove(&graph, b);
                QTest::mouseRelease(&graph, Qt::LeftButton, {}, b);
                if (pick(4) == 0) QTest::mouseDClick(&graph, Qt::LeftButton, {}, b);
                break;
            }
            case 4: frame->resize(200 + pick(1200), 150 + pick(800)); break;
            case 5: {
                const int key = pick(35);
                QTest::mouseClick(frame->face().button(key), Qt::LeftButton);
                break;
            }
        }
        ASSERT_GE(frame->view().curves().count(), 1);
        ASSERT_LT(frame->view().curves().currentIndex(), frame->view().curves().count());
    }
    graphImage();  // one last picture of whatever was left
}

}  // namespace
}  // namespace orrery::testing
