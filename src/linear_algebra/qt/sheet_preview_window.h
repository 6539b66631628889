#pragma once

#include <QMainWindow>

#include "linear_algebra/qt/sheet_output.h"
#include "linear_algebra/sheet_picture.h"

class QScrollBar;

namespace orrery {

// "Matrix Print Preview" or "Vector Print Preview": the picture as it was when
// the preview opened, scrolled by a vertical bar (0 to 800 in steps of 10),
// with Print, Copy to Clipboard, Close and the help item in its menus.
class SheetPreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    SheetPreviewWindow(const QString& title, const QString& helpItem, SheetPicture picture, SheetOutput output,
                       QWidget* parent = nullptr);

    const SheetPicture& picture() const { return picture_; }
    QScrollBar* scrollBar() const { return scroll_; }
    QWidget* canvas() const { return canvas_; }

    void print();
    void copy();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    SheetPicture picture_;
    SheetOutput output_;
    QWidget* canvas_ = nullptr;
    QScrollBar* scroll_ = nullptr;
};

}  // namespace orrery
