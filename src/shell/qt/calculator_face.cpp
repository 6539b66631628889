#include "shell/qt/calculator_face.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>

#include "common/qt/message_service.h"
#include "graphing/graph_view.h"
#include "shell/command_ids.h"
#include "shell/key_words.h"
#include "shell/qt/key_face_painter.h"
#include "shell/qt/symbol_display.h"
#include "shell/qt/value_display.h"

namespace orrery {

// One key of the face, drawn by the key painter. A click leaves the
// keyboard with the main window; Tab reaches the keys for those who work
// without a mouse: the arrows move between them, Space or Enter presses one,
// and whatever else is typed goes on to the main window as always.
class KeyButton : public QAbstractButton {
  public:
    KeyButton(int id, QWidget* parent) : QAbstractButton(parent), id_(id), keyIndex_(id) {
        setObjectName(QStringLiteral("key%1").arg(id));
        setFocusPolicy(Qt::TabFocus);
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
        if (hasFocus()) {
            p.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
            p.drawRect(rect().adjusted(2, 2, -3, -3));
        }
    }

    void keyPressEvent(QKeyEvent* event) override {
        std::optional<FaceDirection> direction;
        switch (event->key()) {
            case Qt::Key_Left: direction = FaceDirection::Left; break;
            case Qt::Key_Right: direction = FaceDirection::Right; break;
            case Qt::Key_Up: direction = FaceDirection::Up; break;
            case Qt::Key_Down: direction = FaceDirection::Down; break;
            case Qt::Key_Space:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (event->modifiers() & ~Qt::KeypadModifier) break;
                click();
                return;
            default: break;
        }
        if (direction && !(event->modifiers() & ~Qt::KeypadModifier)) {
            const QString next = QStringLiteral("key%1").arg(neighbourButton(id_, *direction));
            if (auto* key = parentWidget()->findChild<QWidget*>(next, Qt::FindDirectChildrenOnly))
                key->setFocus(Qt::TabFocusReason);
            return;
        }
        event->ignore();  // on to the main window
    }

    void keyReleaseEvent(QKeyEvent* event) override { event->ignore(); }

    // Only Tab brings the focus here: when the window is activated or a
    // dialog closes, the keyboard stays with the main window, where Enter
    // sketches.
    void focusInEvent(QFocusEvent* event) override {
        if (event->reason() != Qt::TabFocusReason && event->reason() != Qt::BacktabFocusReason) {
            window()->setFocus(Qt::OtherFocusReason);
            return;
        }
        QAbstractButton::focusInEvent(event);
    }

  private:
    int id_;
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
    // A key pressed from the keyboard keeps the focus, so the next arrow
    // starts from it.
    const bool fromKeyboard = buttons_[static_cast<std::size_t>(id)]->hasFocus();
    if (id < key::kReset) {
        showMessage(input_.pressButton(id));
        refreshDisplays();
    } else {
        emit commandRequested(commandOfControlKey(id));
    }
    emit keyPressed();
    if (!fromKeyboard) emit focusReturned();
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
        const KeyWords words = keyWords(keyIndex);
        button->setAccessibleName(QString::fromStdString(words.name));
        button->setAccessibleDescription(QString::fromStdString(words.description));
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
