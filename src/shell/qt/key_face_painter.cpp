#include "shell/qt/key_face_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QString>
#include <algorithm>
#include <optional>
#include <vector>

#include "expression/key_table.h"

namespace orrery {
namespace {

// One piece of a key's notation: superscripts make x², yˣ, sin⁻¹ and the
// like without depending on a font's superscript glyphs.
struct Run {
    QString text;
    bool superscript = false;
    bool italic = false;
};
using Label = std::vector<Run>;

Run plain(const char* text) {
    return Run{QString::fromUtf8(text), false, false};
}
Run variable(const char* text) {
    return Run{QString::fromUtf8(text), false, true};
}
Run raised(const char* text, bool italic = false) {
    return Run{QString::fromUtf8(text), true, italic};
}

Label labelOf(int keyIndex) {
    switch (keyIndex) {
        case 0:
            return {plain("2nd")};
        case 1:
            return {plain("(")};
        case 2:
            return {plain(")")};
        case 3:
            return {variable("x")};
        case 4:
            return {variable("x"), raised("2")};
        case 5:
            return {variable("x"), raised("3")};
        case 6:
            return {plain("7")};
        case 7:
            return {plain("8")};
        case 8:
            return {plain("9")};
        case 9:
            return {plain("log")};
        case 10:
            return {plain("ln")};
        case 11:
            return {variable("y"), raised("x", true)};
        case 12:
            return {plain("4")};
        case 13:
            return {plain("5")};
        case 14:
            return {plain("6")};
        case 15:
            return {plain("\u221A")};
        case 16:
            return {raised("3"), plain("\u221A")};
        case 17:
            return {plain("sin")};
        case 18:
            return {plain("1")};
        case 19:
            return {plain("2")};
        case 20:
            return {plain("3")};
        case 21:
            return {plain("sinh")};
        case 22:
            return {plain("\u00F7")};
        case 23:
            return {plain("cos")};
        case 24:
            return {plain("0")};
        case 25:
            return {plain(".")};
        case 26:
            return {plain("\u00D7")};
        case 27:
            return {plain("+")};
        case 28:
            return {plain("\u2212")};
        case 29:
            return {plain("tan")};
        case 30:
            return {plain("Reset")};
        case 31:
            return {plain("Last Curve")};
        case 32:
            return {plain("Next Curve")};
        case 33:
            return {plain("Back")};
        case 34:
            return {plain("Sketch")};
        case 35:
            return {plain("1/"), variable("x")};
        case 36:
            return {plain("10"), raised("x", true)};
        case 37:
            return {variable("e"), raised("x", true)};
        case 38:
            return {raised("x", true), plain("\u221A"), variable("y")};
        case 39:
            return {plain("sin"), raised("\u22121")};
        case 40:
            return {plain("cos"), raised("\u22121")};
        case 41:
            return {plain("tan"), raised("\u22121")};
        case 42:
            return {plain("cosh")};
        case 43:
            return {plain("\u03C0")};
        case 44:
            return {variable("e")};
        default:
            return {plain("?")};
    }
}

struct KeyStyle {
    QColor base;
    QColor text;
    bool bold = false;
};

// Keys with colours of their own, which read on either face.
std::optional<KeyStyle> ownStyleOf(int keyIndex) {
    switch (keyIndex) {
        case key::kSecondFunction:
            return KeyStyle{QColor(0xF0, 0xA2, 0x2E), QColor(0x2B, 0x1A, 0x00), true};
        case key::kReset:
            return KeyStyle{QColor(0xD6, 0x4A, 0x45), Qt::white, true};
        case key::kLastCurve:
        case key::kNextCurve:
            return KeyStyle{QColor(0x55, 0x62, 0x74), Qt::white, true};
        case key::kBack:
            return KeyStyle{QColor(0x7A, 0x84, 0x93), Qt::white, true};
        case key::kSketch:
            return KeyStyle{QColor(0x2E, 0x9D, 0x5E), Qt::white, true};
        default:
            return std::nullopt;
    }
}

// The other keys are tinted by their group: light keys with dark notation by
// day, dark keys with light notation on a dark face, in the same three tints.
KeyStyle styleOf(int keyIndex, FaceTone tone) {
    if (const std::optional<KeyStyle> own = ownStyleOf(keyIndex)) return *own;
    const bool dark = tone == FaceTone::Dark;
    if (keyIndex < 0 || keyIndex >= kKeyCount)
        return dark ? KeyStyle{QColor(0x4A, 0x50, 0x5A), Qt::white} : KeyStyle{QColor(0xF4, 0xF5, 0xF7), Qt::black};
    switch (keyAt(keyIndex).keyClass) {
        case KeyClass::Number:
            return dark ? KeyStyle{QColor(0x4A, 0x50, 0x5A), QColor(0xF3, 0xF4, 0xF6)}
                        : KeyStyle{QColor(0xF5, 0xF6, 0xF8), QColor(0x1F, 0x29, 0x37)};
        case KeyClass::Operator:
        case KeyClass::Bracket:
            return dark ? KeyStyle{QColor(0x2C, 0x4A, 0x6E), QColor(0xD8, 0xE8, 0xFA)}
                        : KeyStyle{QColor(0xD5, 0xE4, 0xF5), QColor(0x17, 0x3A, 0x64)};
        case KeyClass::Function:
            return dark ? KeyStyle{QColor(0x46, 0x3C, 0x74), QColor(0xE8, 0xE4, 0xFF)}
                        : KeyStyle{QColor(0xDE, 0xDC, 0xF1), QColor(0x2D, 0x24, 0x63)};
        case KeyClass::Control:
            break;
    }
    return {QColor(0x55, 0x62, 0x74), Qt::white, true};
}

constexpr double kSuperscriptScale = 0.62;

QFont runFont(const Run& run, double pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    const double size = run.superscript ? pixelSize * kSuperscriptScale : pixelSize;
    font.setPixelSize(std::max(1, static_cast<int>(size + 0.5)));
    font.setItalic(run.italic);
    font.setWeight(bold ? QFont::DemiBold : QFont::Normal);
    return font;
}

double labelWidth(const Label& label, double pixelSize, bool bold) {
    double width = 0;
    for (const Run& run : label)
        width += QFontMetricsF(runFont(run, pixelSize, bold)).horizontalAdvance(run.text);
    return width;
}

// Splits "Last Curve" into its words for two lines; single words stay whole.
std::vector<Label> wordLines(const Label& label) {
    if (label.size() != 1 || !label[0].text.contains(QLatin1Char(' '))) return {label};
    std::vector<Label> lines;
    for (const QString& word : label[0].text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        lines.push_back({Run{word, false, label[0].italic}});
    return lines;
}

// The largest pixel size (up to heightShare of the box) at which the lines
// fit the box.
double fittingSize(const std::vector<Label>& lines, const QSizeF& box, double heightShare,
                   bool bold) {
    const double lineCount = static_cast<double>(lines.size());
    double size = box.height() * heightShare / (lineCount > 1 ? lineCount * 1.05 : 1.0);
    double widest = 0;
    for (const Label& line : lines) widest = std::max(widest, labelWidth(line, size, bold));
    if (widest > box.width() && widest > 0) size *= box.width() / widest;
    return std::max(size, 1.0);
}

// Lines centred in box; superscripts raised by about half the digit height.
void drawLines(QPainter& p, const std::vector<Label>& lines, const QRectF& box, double size,
               bool bold) {
    const QFontMetricsF base(runFont(Run{}, size, bold));
    const double lineHeight = base.ascent() + base.descent() * 0.6;
    const double blockHeight = lineHeight * static_cast<double>(lines.size());
    double top = box.center().y() - blockHeight / 2;
    for (const Label& line : lines) {
        const double baseline = top + base.ascent() - base.descent() * 0.2;
        double x = box.center().x() - labelWidth(line, size, bold) / 2;
        for (const Run& run : line) {
            const QFont font = runFont(run, size, bold);
            p.setFont(font);
            const double y = run.superscript ? baseline - base.ascent() * 0.38 : baseline;
            p.drawText(QPointF(x, y), run.text);
            x += QFontMetricsF(font).horizontalAdvance(run.text);
        }
        top += lineHeight;
    }
}

struct LabelLayout {
    std::vector<Label> lines;
    double size = 1;
};

// One line, or a word a line when that allows a clearly larger size.
LabelLayout layoutLabel(const Label& label, const QRectF& body, bool bold) {
    const QSizeF box(body.width() * 0.82, body.height() * 0.8);
    LabelLayout layout{{label}, fittingSize({label}, box, 0.6, bold)};
    const std::vector<Label> words = wordLines(label);
    if (words.size() > 1) {
        const double wrapped = fittingSize(words, box, 0.8, bold);
        if (wrapped > layout.size * 1.15) layout = LabelLayout{words, wrapped};
    }
    return layout;
}

bool isControlKey(int keyIndex) {
    return keyIndex >= key::kReset && keyIndex <= key::kSketch;
}

void drawLabel(QPainter& p, int keyIndex, const QRectF& body, const QColor& color, bool bold) {
    LabelLayout layout = layoutLabel(labelOf(keyIndex), body, bold);
    // The control keys share one size, so the bottom row reads as one row.
    if (isControlKey(keyIndex)) {
        for (int other = key::kReset; other <= key::kSketch; ++other)
            layout.size = std::min(layout.size, layoutLabel(labelOf(other), body, bold).size);
    }
    p.setPen(color);
    drawLines(p, layout.lines, body, layout.size, bold);
}

}  // namespace

FaceTone faceToneOf(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness()
               ? FaceTone::Dark
               : FaceTone::Light;
}

QColor keyFaceBodyColor(FaceTone tone) {
    return tone == FaceTone::Dark ? QColor(0x16, 0x18, 0x1C) : QColor(0x2A, 0x2F, 0x37);
}

void paintKeyFace(QPainter& p, const QRectF& rect, int keyIndex, bool pressed, FaceTone tone) {
    if (rect.width() < 2 || rect.height() < 2) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const KeyStyle style = styleOf(keyIndex, tone);
    const double inset = std::min(1.0, rect.height() / 20);
    QRectF body = rect.adjusted(inset, inset, -inset, -2 * inset - 1);
    const double radius = std::min(body.width(), body.height()) * 0.2;

    if (pressed) {
        body.translate(0, 1);
    } else {
        // A soft shadow under a raised key.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 110));
        p.drawRoundedRect(body.translated(0, 1.5), radius, radius);
    }

    const QColor base = pressed ? style.base.darker(125) : style.base;
    QLinearGradient gradient(body.topLeft(), body.bottomLeft());
    gradient.setColorAt(0, pressed ? base.darker(108) : base.lighter(110));
    gradient.setColorAt(1, pressed ? base.lighter(104) : base.darker(107));
    p.setPen(QPen(base.darker(pressed ? 150 : 135), 1));
    p.setBrush(gradient);
    p.drawRoundedRect(body, radius, radius);

    if (!pressed && body.height() > 8) {
        // A thin highlight along the top edge gives the key its curve.
        QPainterPath highlight;
        const QRectF top = body.adjusted(1.5, 1.5, -1.5, -body.height() / 2);
        highlight.addRoundedRect(top, radius * 0.8, radius * 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 40));
        p.drawPath(highlight);
    }

    drawLabel(p, keyIndex, body, style.text, style.bold);
    p.restore();
}

void paintKeyCaption(QPainter& p, const QRectF& rect, int keyIndex) {
    if (rect.width() < 2 || rect.height() < 2) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const Label label = labelOf(keyIndex);
    const QSizeF box(rect.width() * 0.95, rect.height());
    const double size = std::min(fittingSize({label}, box, 0.62, false), 22.0);
    p.setPen(QColor(0xFF, 0xB3, 0x47));
    drawLines(p, {label}, QRectF(rect.left(), rect.top(), rect.width(), rect.height() * 0.92), size,
              false);
    p.restore();
}

}  // namespace orrery
