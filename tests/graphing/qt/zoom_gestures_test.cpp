// Runs the gesture table in zoom_gestures.txt on a real graph window.
#include <QTest>
#include <sstream>

#include "graph_fixture.h"
#include "support/case_file.h"

namespace orrery::testing {
namespace {

class ZoomGestures : public GraphFixture {
protected:
    ZoomGestures() { widget.show(); }

    void perform(std::string gesture) {
        const std::string zoomIn = "zoom in, ";
        const std::string zoomOut = "zoom out, ";
        if (gesture.rfind(zoomIn, 0) == 0) {
            widget.startZoomIn();
            gesture.erase(0, zoomIn.size());
        } else if (gesture.rfind(zoomOut, 0) == 0) {
            widget.startZoomOut();
            gesture.erase(0, zoomOut.size());
        }
        std::istringstream words(gesture);
        std::string verb;
        words >> verb;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (verb == "drag" && words >> x1 >> y1 >> x2 >> y2) {
            QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(x1, y1));
            QTest::mouseMove(&widget, QPoint(x2, y2));
            QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(x2, y2));
        } else if (verb == "click" && words >> x1 >> y1) {
            QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(x1, y1));
        } else if (verb == "double-click" && words >> x1 >> y1) {
            QTest::mouseDClick(&widget, Qt::LeftButton, {}, QPoint(x1, y1));
        } else if (verb == "reverse") {
            view.reverseZoom();
        } else {
            ADD_FAILURE() << "unknown gesture: " << gesture;
        }
    }
};

TEST_F(ZoomGestures, TableOfGestures) {
    forEachCase(ORRERY_TEST_DATA_DIR "/zoom_gestures.txt", 10, [&](const Case& c) {
        ASSERT_EQ(c.fields.size(), 3u);
        while (view.reverseZoom()) {
        }
        view.restoreDefaults();
        std::istringstream gestures(c.fields[0]);
        for (std::string gesture; std::getline(gestures, gesture, ';');) {
            gesture.erase(0, gesture.find_first_not_of(' '));
            perform(gesture);
        }
        std::istringstream expected(c.fields[1]);
        CurveLimits want;
        expected >> want.xMin >> want.xMax >> want.yMin >> want.yMax;
        EXPECT_NEAR(view.range().xMin, want.xMin, 1e-9);
        EXPECT_NEAR(view.range().xMax, want.xMax, 1e-9);
        EXPECT_NEAR(view.range().yMin, want.yMin, 1e-9);
        EXPECT_NEAR(view.range().yMax, want.yMax, 1e-9);
        EXPECT_EQ(view.zoomHistory().size(), static_cast<std::size_t>(std::stoi(c.fields[2])));
        EXPECT_FALSE(widget.zoomInMode() || widget.zoomOutMode()) << "each mode serves one zoom";
    });
}

}  // namespace
}  // namespace orrery::testing
