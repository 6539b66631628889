#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "common/qt/qt_dialog_service.h"

namespace orrery {

void QtDialogService::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtDialogService::setClipboardImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

std::string QtDialogService::clipboardText() {
    return QGuiApplication::clipboard()->text().toStdString();
}

}  // namespace orrery
