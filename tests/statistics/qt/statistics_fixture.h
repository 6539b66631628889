#pragma once

// A stand-in main window for the statistics windows, the recording services,
// and the pixel helpers their tests share.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <cstdlib>
#include <vector>

#include "common/qt/frame_hooks.h"
#include "common/qt/qt_color.h"
#include "graphing/graph_settings.h"
#include "statistics/distribution_set.h"
#include "statistics/qt/distribution_window.h"
#include "support/recording_frame.h"
#include "support/recording_services.h"

namespace orrery::testing {

// The main window as the statistics windows see it: a client area of a
// chosen size, and the commands sent to it.
struct FakeFrame : RecordingFrame {
    explicit FakeFrame(QSize client = {1200, 900}) {
        auto* central = new QWidget;
        central->setFixedSize(client);
        main.setCentralWidget(central);
        window = &main;
    }
    QMainWindow main;
};

class StatisticsTest : public ::testing::Test {
  protected:
    GraphSettings settings;
    RecordingMessageService messages;
    ScriptedDialogService dialogs;
    FakeFrame frame;
    DistributionSet distributions;

    StatisticsServices services() { return {settings, messages, dialogs, frame}; }

    // A window with a client area of 700 x 450.
    std::unique_ptr<DistributionWindow> openWindow(DistributionKind kind) {
        auto window = std::make_unique<DistributionWindow>(kind, distributions, services());
        window->show();
        QApplication::processEvents();
        window->resize(window->size() + (QSize(700, 450) - window->client()->size()));
        QApplication::processEvents();
        return window;
    }
};

inline int colorDistance(QRgb pixel, ColorRef color) {
    const QColor c = toQColor(color);
    return std::abs(qRed(pixel) - c.red()) + std::abs(qGreen(pixel) - c.green()) +
           std::abs(qBlue(pixel) - c.blue());
}

inline int countColor(const QImage& image, const QRect& area, ColorRef color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.valid(x, y) && colorDistance(image.pixel(x, y), color) == 0) ++count;
    return count;
}

}  // namespace orrery::testing
