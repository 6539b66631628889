#include "shell/qt/document_commands.h"

#include <fstream>

#include "common/qt/dialog_service.h"
#include "common/qt/message_service.h"
#include "graphing/graph_view.h"
#include "persistence/document_file.h"
#include "persistence/document_reader.h"
#include "shell/command_ids.h"
#include "shell/file_names.h"
#include "shell/qt/frame_menus.h"

namespace orrery {
namespace {

constexpr const char* kDocumentFilter = "Calculator Graph Files (*.qpl *.QPL)";

UserMessage question(std::string text, MessageIcon icon = MessageIcon::Warning) {
    return {"Orrery_742", std::move(text), icon, MessageButtons::YesNoCancel};
}

// The save dialog adds the document extension to a name typed without one,
// as a file dialog with a default extension does.
std::string withDefaultExtension(std::string path) {
    const FileNameCheck check = CheckFileName(path);
    if (!path.empty() && check.extension.empty() && check.error != "Improper file name")
        path += ".qpl";
    return path;
}

}  // namespace

DocumentCommands::DocumentCommands(GraphView& view, MessageService& messages, DialogService& dialogs,
                                   FrameMenus& menus, DocumentHost& host)
    : view_(view), messages_(messages), dialogs_(dialogs), menus_(menus), host_(host) {}

void DocumentCommands::show(const UserMessage& message) { messages_.show(message); }

void DocumentCommands::loadRecent(const std::vector<std::string>& paths) {
    recent_.load(paths);
    refreshRecentMenu();
}

void DocumentCommands::refreshRecentMenu() { menus_.setRecentItems(recent_.menuItems()); }

bool DocumentCommands::writeDocument(const std::string& path) {
    const std::string problem = CheckExtension(path, documentExtensions(), FileCheckMode::Save);
    if (!problem.empty()) {
        show(fileTypeError(problem));
        return false;
    }
    if (const auto failure = saveDocumentFile(path, view_.settings(), view_.document())) {
        show(*failure);
        return false;
    }
    state_.path = path;
    menus_.applyMenuState(5);
    host_.setTitle(path);
    recent_.add(path, true);
    refreshRecentMenu();
    view_.settings().modified = false;
    return true;
}

bool DocumentCommands::saveThroughDialog() {
    std::string initial;
    if (!state_.path.empty()) {
        const auto forced = ForceExtension(state_.path, "qpl");
        if (const auto* problem = std::get_if<UserMessage>(&forced)) {
            show(*problem);
            return false;
        }
        initial = std::get<std::string>(forced);
    }
    const auto chosen = dialogs_.saveFileName({"Save As", kDocumentFilter, initial, FolderSlot::Save});
    if (!chosen) return false;
    return writeDocument(withDefaultExtension(*chosen));
}

bool DocumentCommands::save() {
    if (state_.path.empty()) return saveThroughDialog();
    const auto forced = ForceExtension(state_.path, "qpl");
    if (const auto* problem = std::get_if<UserMessage>(&forced)) {
        show(*problem);
        return false;
    }
    return writeDocument(std::get<std::string>(forced));
}

bool DocumentCommands::saveAs() { return saveThroughDialog(); }

void DocumentCommands::pictureExported(const std::string& path) {
    host_.setTitle(path);
    recent_.add(path, false);
    refreshRecentMenu();
}

bool DocumentCommands::confirmClose() {
    if (!hasUnsavedWork(view_)) return true;
    switch (messages_.show(question("Do you want to save the graph in .qpl format to work with later?"))) {
        case MessageAnswer::No: return true;
        case MessageAnswer::Yes: return saveThroughDialog();
        default: return false;
    }
}

void DocumentCommands::newDocument() {
    if (hasUnsavedWork(view_)) {
        const MessageAnswer answer =
            messages_.show(question("Do you want to save the graph to work with later?"));
        if (answer == MessageAnswer::Cancel) return;
        if (answer == MessageAnswer::Yes && !saveThroughDialog()) return;
    }
    view_.resetAll();
    view_.setCurvesShown(false);
    state_.path.clear();
    view_.settings().modified = false;
    host_.showNewDocument();
    host_.setTitle("");
}

bool DocumentCommands::offerToSaveBeforeReplacing() {
    if (!hasUnsavedWork(view_)) return true;
    const std::string title = state_.path.empty() ? "(untitled)" : std::string(fileNameOf(state_.path));
    switch (messages_.show(question("Save current changes in " + title + "?", MessageIcon::Question))) {
        case MessageAnswer::Yes: return save();
        case MessageAnswer::No: return true;
        default: return false;
    }
}

void DocumentCommands::open() {
    if (!offerToSaveBeforeReplacing()) return;
    const auto chosen = dialogs_.openFileName({"Open", kDocumentFilter, "", FolderSlot::Open});
    if (!chosen) return;
    const std::string problem = CheckExtension(*chosen, documentExtensions(), FileCheckMode::Open);
    if (!problem.empty()) {
        show(cannotOpenFileMessage(problem));
        return;
    }
    OpenFile(*chosen);
}

void DocumentCommands::openRecent(int command) {
    const auto path = recent_.RecentPath(command);
    if (const auto* problem = std::get_if<UserMessage>(&path)) {
        show(*problem);
        return;
    }
    const std::string& chosen = std::get<std::string>(path);
    const std::string problem = CheckExtension(chosen, documentExtensions(), FileCheckMode::Open);
    if (!problem.empty()) {
        show(cannotOpenFileMessage(problem));
        return;
    }
    if (!offerToSaveBeforeReplacing()) return;
    OpenFile(chosen);
}

void DocumentCommands::openDropped(const std::string& path) {
    const auto kind = classifyOpenPath(path);
    if (std::holds_alternative<OpenKind>(kind) && std::get<OpenKind>(kind) == OpenKind::Document &&
        !offerToSaveBeforeReplacing())
        return;
    OpenFile(path);
}

void DocumentCommands::openFromCommandLine(const std::string& path) {
    const auto kind = classifyOpenPath(path);
    if (const auto* open = std::get_if<OpenKind>(&kind); open && *open == OpenKind::Document) {
        readDocument(path, true);
        return;
    }
    OpenFile(path);
}

bool DocumentCommands::OpenFile(const std::string& path) {
    const auto kind = classifyOpenPath(path);
    if (const auto* problem = std::get_if<UserMessage>(&kind)) {
        show(*problem);
        return false;
    }
    if (std::get<OpenKind>(kind) == OpenKind::Document) return readDocument(path, false);
    if (!dialogs_.openWithDesktop(path)) {
        show(imageViewerFailedMessage());
        return false;
    }
    // The picture opens beside the graph; the graph's unsaved work stays
    // marked as such.
    recent_.add(path, false);
    refreshRecentMenu();
    return true;
}

bool DocumentCommands::readDocument(const std::string& path, bool fromCommandLine) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        show(fromCommandLine ? cannotDrawFromFileMessage(path) : couldNotOpenMessage(path));
        if (state_.path == path) state_.path.clear();
        recent_.remove(path);
        refreshRecentMenu();
        return false;
    }
    auto loaded = ReadDocumentFile(in, view_.settings());
    if (auto* problem = std::get_if<UserMessage>(&loaded)) {
        show(*problem);
        return false;
    }
    LoadedDocument& document = std::get<LoadedDocument>(loaded);
    view_.settings() = std::move(document.settings);
    view_.loadDocument(std::move(document.document));
    view_.setCurvesShown(true);
    state_.path = path;
    recent_.add(path, true);
    refreshRecentMenu();
    menus_.applyMenuState(4);
    host_.setTitle(path);
    host_.showOpenedDocument();
    view_.settings().modified = false;
    return true;
}

}  // namespace orrery
