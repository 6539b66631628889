#include "common/qt/qt_dialog_service.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

#include "common/qt/qt_color.h"

namespace orrery {
namespace {

std::optional<std::string> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace

std::optional<std::string> QtDialogService::remembered(const FileDialogRequest& request,
                                                       std::optional<std::string> path) {
    if (path) folders().remember(request.folder, *path);
    return path;
}

std::optional<std::string> QtDialogService::openFileName(const FileDialogRequest& request) {
    const QString start = QString::fromStdString(folders().startPath(request.folder, request.initialPath));
    return remembered(request, chosen(QFileDialog::getOpenFileName(parent_, QString::fromStdString(request.title),
                                                                   start, QString::fromStdString(request.filter))));
}

std::optional<std::string> QtDialogService::saveFileName(const FileDialogRequest& request) {
    // QFileDialog asks before replacing an existing file.
    const QString start = QString::fromStdString(folders().startPath(request.folder, request.initialPath));
    return remembered(request, chosen(QFileDialog::getSaveFileName(parent_, QString::fromStdString(request.title),
                                                                   start, QString::fromStdString(request.filter))));
}

std::optional<ColorRef> QtDialogService::chooseColor(ColorRef initial) {
    const QColor color = QColorDialog::getColor(toQColor(initial), parent_);
    if (!color.isValid()) return std::nullopt;
    return fromQColor(color);
}

bool QtDialogService::openWithDesktop(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace orrery
