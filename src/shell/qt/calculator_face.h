#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "common/user_message.h"
#include "expression/typing.h"
#include "shell/calculator_input.h"
#include "shell/face_layout.h"

class QAbstractButton;

namespace orrery {

class GraphView;
class MessageService;
class SymbolDisplay;
class ValueDisplay;
class KeyButton;

// The calculator half of the main window: 35 keys, the second-function
// captions above the paired keys, the symbol display and the value display.
// Keys 0-29 edit the current curve here; the control keys 30-34 go to the
// frame as commands, which calls refreshDisplays() when it has run them.
class CalculatorFace : public QWidget {
    Q_OBJECT
  public:
    CalculatorFace(CalculatorInput& input, GraphView& view, MessageService& messages,
                   QWidget* parent = nullptr);

    QAbstractButton* button(int id) const;
    SymbolDisplay* symbolDisplay() const { return symbolDisplay_; }
    ValueDisplay* valueDisplay() const { return valueDisplay_; }
    const FaceLayout& faceLayout() const { return layout_; }

    // Redraws both displays and the keys for the current curve and mode.
    void refreshDisplays();

    // Keyboard input passed on by the frame. Messages are shown here; the
    // returned outcome carries the command (None, Sketch or BackToCalculator)
    // for the frame to run, and the message that was shown, if any.
    TypedOutcome typeCharacter(char32_t c, bool graphFillsWindow);
    void cursorKey(CalculatorInput::CursorKey key);

    void setToolTipsOn(bool on);
    bool toolTipsOn() const { return toolTipsOn_; }

  signals:
    void commandRequested(int id);
    void keyPressed();  // after a key of the face has done its work
    void focusReturned();
    void resultAvailable(bool available);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void onButtonClicked(int id);
    void showMessage(const std::optional<UserMessage>& message);
    // Key faces, tooltips and captions for the current second-function mode.
    void updateKeys();
    void placeChildren();

    CalculatorInput& input_;
    GraphView& view_;
    MessageService& messages_;
    std::array<KeyButton*, kButtonCount> buttons_{};
    SymbolDisplay* symbolDisplay_ = nullptr;
    ValueDisplay* valueDisplay_ = nullptr;
    FaceLayout layout_;
    bool toolTipsOn_ = false;
};

}  // namespace orrery
