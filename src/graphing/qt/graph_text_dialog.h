#pragma once

#include <QDialog>

#include "graphing/graph_text.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace orrery {

class DialogService;
class GraphView;
class GraphWidget;

// The modeless "Graph Text" dialog. GraphWidget::openTextDialog creates it
// (or raises the open one); it deletes itself when closed.
//
// Opening shows the text and keeps a copy of it. Font, size, colour, style
// and the arrow buttons change the graph at once; OK takes the text box
// (lines joined by "\r\n"; an empty box hides the text) and marks the work
// modified; Cancel, Escape and closing restore the copy.
//
// Controls by object name: fontList, sizeList, colorButton, boldCheck,
// italicCheck, underlineCheck, arrowUp, arrowLeft, arrowRight, arrowDown,
// textEdit, okButton, clearButton, cancelButton.
class GraphTextDialog : public QDialog {
    Q_OBJECT

public:
    GraphTextDialog(GraphView& view, GraphWidget& graph, DialogService& dialogs, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;
    // Closes leaving the graph text as it now is: a new or opened document,
    // or Restore Defaults, must not get back the copy taken at opening.
    void dismiss();

private:
    QWidget* buildStyleRow();
    QWidget* buildArrowPad();
    void chooseColor();
    void showColor();
    void clearText();

    GraphView& view_;
    GraphWidget& graph_;
    DialogService& dialogs_;
    GraphText saved_;
    QComboBox* fonts_ = nullptr;
    QComboBox* sizes_ = nullptr;
    QPushButton* color_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QPlainTextEdit* edit_ = nullptr;
};

// The text box's text as the graph keeps it, lines joined by "\r\n", and back.
std::string storedGraphText(const QString& boxText);
QString boxGraphText(const std::string& stored);

}  // namespace orrery
