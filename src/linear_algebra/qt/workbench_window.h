#pragma once

#include <functional>

#include <QMainWindow>
#include <QPointer>
#include <optional>
#include <vector>

#include "common/user_message.h"
#include "linear_algebra/qt/sheet_output.h"
#include "linear_algebra/qt/sheet_preview_window.h"
#include "linear_algebra/sheet_picture.h"

class QAbstractButton;
class QComboBox;

namespace orrery {

class CellGrid;

// The words that make one workbench differ from the other.
struct WorkbenchTexts {
    QString title;        // "Matrices"
    QString copyItem;     // "&Copy Matrices to Clipboard"
    QString helpItem;     // "&Help for Matrices"
    QString previewTitle; // "Matrix Print Preview"
};

// What the Matrices and Vectors windows share: the File, Edit and Help menus,
// print, preview and copy of their picture, Escape (or Ctrl+Break) to close,
// and Tab cycling over the controls outside the grids.
class WorkbenchWindow : public QMainWindow {
    Q_OBJECT
public:
    // The help item opens this, and so do the previews made afterwards.
    void setHelp(std::function<void()> open) { output_.setHelp(std::move(open)); }

    WorkbenchWindow(const WorkbenchTexts& texts, MessageService& messages, DialogService& dialogs,
                    QWidget* parent = nullptr);

    // The menu commands.
    void print();
    void preview();
    void copy();

    SheetPreviewWindow* previewWindow() const { return preview_; }

protected:
    // The picture of the operands and the last result, or the problem when no
    // operand has a size yet.
    virtual std::optional<UserMessage> pictureProblem() const = 0;
    virtual SheetPicture picture() const = 0;

    // The controls Tab moves through, in order; the first takes the focus.
    void setTabCycle(std::vector<QWidget*> controls);
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

    // Shows the message, if any; true when there was one.
    bool refuse(const std::optional<UserMessage>& problem);
    QAbstractButton* button(const QString& caption, const QString& name);
    QComboBox* sizeCombo(const QString& first, const QString& name);
    void focusCell(CellGrid& grid, std::optional<std::size_t> slot);

    SheetOutput output_;

private:
    bool pictureReady();

    WorkbenchTexts texts_;
    std::vector<QWidget*> cycle_;
    QPointer<SheetPreviewWindow> preview_;
};

// The combo box's size: 0 while its first entry ("Rows", "Cols", "Dim") is chosen.
int chosenSize(const QComboBox& combo);

}  // namespace orrery
