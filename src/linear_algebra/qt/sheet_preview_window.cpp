#include "linear_algebra/qt/sheet_preview_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "linear_algebra/qt/sheet_painter.h"

namespace orrery {
namespace {

// The page as the preview shows it: white, the picture moved up by the bar.
class PreviewCanvas : public QWidget {
public:
    PreviewCanvas(const SheetPicture& picture, QScrollBar& scroll, QWidget* parent)
        : QWidget(parent), picture_(picture), scroll_(scroll) {
        setObjectName(QStringLiteral("previewCanvas"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        SheetPainter(picture_).paint(painter, rect(), scroll_.value());
    }
    // The wheel over the page moves the bar, as over the bar itself.
    void wheelEvent(QWheelEvent* event) override { QCoreApplication::sendEvent(&scroll_, event); }

private:
    const SheetPicture& picture_;
    QScrollBar& scroll_;
};

}  // namespace

SheetPreviewWindow::SheetPreviewWindow(const QString& title, const QString& helpItem, SheetPicture picture,
                                       SheetOutput output, QWidget* parent)
    : QMainWindow(parent, Qt::Window), picture_(std::move(picture)), output_(output) {
    setWindowTitle(title);
    setObjectName(title);

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    scroll_ = new QScrollBar(Qt::Vertical, central);
    scroll_->setRange(0, 800);
    scroll_->setSingleStep(10);
    scroll_->setPageStep(100);
    canvas_ = new PreviewCanvas(picture_, *scroll_, central);
    row->addWidget(canvas_, 1);
    row->addWidget(scroll_);
    setCentralWidget(central);
    connect(scroll_, &QScrollBar::valueChanged, canvas_, qOverload<>(&QWidget::update));

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print"), this, &SheetPreviewWindow::print);
    file->addAction(QStringLiteral("&Copy to Clipboard"), this, &SheetPreviewWindow::copy);
    file->addSeparator();
    file->addAction(QStringLiteral("&Close"), this, &QWidget::close);
    menuBar()->addMenu(QStringLiteral("&Help"))->addAction(helpItem, this, [this] { output_.help(); });
}

void SheetPreviewWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QMainWindow::keyPressEvent(event);
}

void SheetPreviewWindow::print() { output_.print(windowTitle().toStdString(), picture_); }

void SheetPreviewWindow::copy() { output_.copy(picture_, size()); }

}  // namespace orrery
