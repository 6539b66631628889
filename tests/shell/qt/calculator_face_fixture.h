#pragma once

// A calculator face on its own models, with a recording message service.
#include <QAbstractButton>
#include <QImage>
#include <QTest>

#include "graphing/graph_settings.h"
#include "graphing/graph_view.h"
#include "shell/calculator_input.h"
#include "shell/qt/calculator_face.h"
#include "support/recording_services.h"

namespace orrery::testing {

struct FaceFixture {
    GraphSettings settings;
    GraphView view{settings};
    CalculatorInput input{view};
    RecordingMessageService messages;
    CalculatorFace face{input, view, messages};

    explicit FaceFixture(int width = 400, int height = 560) {
        face.resize(width, height);
        face.show();
    }
    Curve& curve() { return view.curves().current(); }
    std::vector<int> keys() {
        std::vector<int> indices;
        for (const ExpressionToken& token : curve().tokens) indices.push_back(token.index);
        return indices;
    }
    void type(const char* text) {
        for (; *text; ++text) face.typeCharacter(static_cast<unsigned char>(*text), false);
    }
    void click(int buttonId) { QTest::mouseClick(face.button(buttonId), Qt::LeftButton); }
};

// Pixels of an image for which `match` holds.
template <typename Match>
int countPixels(const QImage& image, Match match) {
    int count = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) count += match(QColor(rgb.pixel(x, y))) ? 1 : 0;
    return count;
}

}  // namespace orrery::testing
