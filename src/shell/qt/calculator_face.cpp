#include "shell/qt/calculator_face.h"

#include <QAbstractButton>
#include <QLinearGradient>
#include <QPainter>

#include "common/qt/message_service.h"
#include "graphing/graph_view.h"
#include "shell/command_ids.h"
#include "shell/qt/key_face_painter.h"
#include "shell/qt/symbol_display.h"
#include "shell/qt/value_display.h"

namespace orrery {

// One key of the face, drawn by the key painter. It never takes the keyboard
// focus: typing always goes to the main window.
class KeyButton : public QAbstractButton {
  public:
    KeyButton(int id, QWidget* parent) : QAbstractButton(parent), keyIndex_(id) {
        setObjectName(QStringLiteral("key%1").arg(id));
        setFocusPolicy(Qt::NoFocus);
    }
    void setKeyIndex(int keyIndex) {
        if (keyIndex == keyIndex_) return;
        keyIndex_ = keyIndex;
        update();
    }
    // Drawn pushed in while a mode it stands for is on.
    void setHeld(bool held) {
        if (held == held_) return;
        held_ = held;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paintKeyFace(p, QRectF(rect()), keyIndex_, isDown() || held_, faceToneOf(palette()));
    }

  private:
    int keyIndex_;
    bool held_ = false;
};

namespace {

// The frame commands of the bottom row, by button.
int commandOfControlKey(int id) {
    switch (id) {
        case key::kReset:
            return command::kReset;
        case key::kLastCurve:
            return command::kLastCurve;
        case key::kNextCurve:
            return command::kNextCurve;
        case key::kBack:
            return command::kBack;
        default:
            return command::kSketch;
    }
}

QRect toQRect(const FaceRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

}  // namespace

CalculatorFace::CalculatorFace(CalculatorInput& input, GraphView& view, MessageService& messages,
                               QWidget* parent)
    : QWidget(parent), input_(input), view_(view), messages_(messages) {
    setObjectName(QStringLiteral("calculatorFace"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    symbolDisplay_ = new SymbolDisplay(input_, view_, this);
    valueDisplay_ = new ValueDisplay(view_, this);
    connect(symbolDisplay_, &SymbolDisplay::focusReturned, this, &CalculatorFace::focusReturned);
    connect(valueDisplay_, &ValueDisplay::resultAvailable, this, &CalculatorFace::resultAvailable);
    for (int id = 0; id < kButtonCount; ++id) {
        auto* button = new KeyButton(id, this);
        button->setToolTipDuration(10000);
        connect(button, &QAbstractButton::clicked, this, [this, id] { onButtonClicked(id); });
        buttons_[static_cast<std::size_t>(id)] = button;
    }
    placeChildren();
    updateKeys();
}

QAbstractButton* CalculatorFace::button(int id) const {
    if (id < 0 || id >= kButtonCount) return nullptr;
    return buttons_[static_cast<std::size_t>(id)];
}

void CalculatorFace::showMessage(const std::optional<UserMessage>& message) {
    if (message) messages_.show(*message);
}

void CalculatorFace::onButtonClicked(int id) {
    if (id < key::kReset) {
        showMessage(input_.pressButton(id));
        refreshDisplays();
    } else {
        emit commandRequested(commandOfControlKey(id));
    }
    emit focusReturned();
}

void CalculatorFace::refreshDisplays() {
    symbolDisplay_->refresh();
    valueDisplay_->refresh();
    updateKeys();
}

TypedOutcome CalculatorFace::typeCharacter(char32_t c, bool graphFillsWindow) {
    TypedOutcome outcome = input_.typeCharacter(c, graphFillsWindow);
    showMessage(outcome.message);
    refreshDisplays();
    return outcome;
}

void CalculatorFace::cursorKey(CalculatorInput::CursorKey key) {
    // Letters become their key first, so Up and Down see the lines as
    // they will be.
    std::optional<UserMessage> message = input_.resolvePending();
    if (!message) {
        symbolDisplay_->refresh();
        message = input_.cursorKey(key, symbolDisplay_->lineStarts());
    }
    showMessage(message);
    refreshDisplays();
}

void CalculatorFace::setToolTipsOn(bool on) {
    toolTipsOn_ = on;
    updateKeys();
}

void CalculatorFace::updateKeys() {
    const bool second = input_.secondMode();
    for (int id = 0; id < kButtonCount; ++id) {
        KeyButton* button = buttons_[static_cast<std::size_t>(id)];
        const int keyIndex = keyForButton(id, second);
        button->setKeyIndex(keyIndex);
        button->setToolTip(toolTipsOn_ ? QString::fromStdString(keyAt(keyIndex).tooltip)
                                       : QString());
    }
    buttons_[key::kSecondFunction]->setHeld(second);
    update();
}

void CalculatorFace::placeChildren() {
    layout_ = computeCentredFaceLayout(width(), height());
    for (int id = 0; id < kButtonCount; ++id)
        buttons_[static_cast<std::size_t>(id)]->setGeometry(
            toQRect(layout_.buttons[static_cast<std::size_t>(id)]));
    symbolDisplay_->setGeometry(toQRect(layout_.symbolDisplay));
    valueDisplay_->setGeometry(toQRect(layout_.valueDisplay));
}

void CalculatorFace::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
}

void CalculatorFace::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor body = keyFaceBodyColor(faceToneOf(palette()));
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, body.lighter(112));
    gradient.setColorAt(1, body.darker(110));
    p.fillRect(rect(), gradient);

    // Each paired key names the key it does not produce now, above itself.
    const bool second = input_.secondMode();
    for (int id : kPairedButtons) {
        const std::optional<FaceRect> band = layout_.visibleCaptionOf(id);
        const FaceRect& button = layout_.buttons[static_cast<std::size_t>(id)];
        const int other = second ? id : secondFunctionKey(id);
        paintKeyCaption(p, QRectF(button.x, band->y, button.width, band->height), other);
    }
}

}  // namespace orrery
