#pragma once

#include <string>

#include "shell/document_state.h"
#include "shell/recent_files.h"

namespace orrery {

class DialogService;
class FrameMenus;
class GraphView;
class MessageService;
struct UserMessage;

// What the frame does around the document commands.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // A document was read into the view: show its graph, leave the full-screen
    // calculator, clear the typed input.
    virtual void showOpenedDocument() = 0;
    // New: the calculator's typed input cleared and the graph emptied.
    virtual void showNewDocument() = 0;
    virtual void setTitle(const std::string& path) = 0;
};

// New, Open, Save, Save As, the recent files, dropped files and the close
// question, with their messages and questions.
class DocumentCommands {
public:
    DocumentCommands(GraphView& view, MessageService& messages, DialogService& dialogs,
                     FrameMenus& menus, DocumentHost& host);

    const DocumentState& state() const { return state_; }
    RecentFiles& recent() { return recent_; }
    void loadRecent(const std::vector<std::string>& paths);

    void newDocument();
    void open();
    bool save();
    bool saveAs();
    void openRecent(int command);
    // A file dropped on the window or named on the command line.
    void openDropped(const std::string& path);
    void openFromCommandLine(const std::string& path);
    // A picture was exported: the title names it and the recent files list it.
    void pictureExported(const std::string& path);
    // The close question: true when the window may close.
    bool confirmClose();

    // Reads a document, or hands a picture to the image viewer.
    bool OpenFile(const std::string& path);

private:
    GraphView& view_;
    MessageService& messages_;
    DialogService& dialogs_;
    FrameMenus& menus_;
    DocumentHost& host_;
    DocumentState state_;
    RecentFiles recent_;

    bool saveThroughDialog();
    bool writeDocument(const std::string& path);
    bool readDocument(const std::string& path, bool fromCommandLine);
    // The "Save current changes" question before another document replaces
    // this one; false when the person cancelled or the save failed.
    bool offerToSaveBeforeReplacing();
    void refreshRecentMenu();
    void show(const UserMessage& message);
};

}  // namespace orrery
