#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

#include "common/qt/command_module.h"
#include "common/qt/frame_hooks.h"
#include "graphing/graph_settings.h"
#include "graphing/graph_view.h"
#include "shell/calculator_input.h"
#include "shell/edit_history.h"
#include "shell/qt/document_commands.h"

namespace orrery {

class CalculatorFace;
class DialogService;
class Divider;
class FrameMenus;
class FrameStatusBar;
class GraphWidget;
class MessageService;
class SettingsStore;

// The program's main window: the calculator face, the divider, the graph
// window and the status bar in one of three arrangements, the menus and
// accelerators, and the one command handler every part sends its commands to.
class MainFrame : public QMainWindow, public DocumentHost, public FrameHooks {
    Q_OBJECT
public:
    // The store keeps the recent files and the graph text's style and place
    // between runs; messages and dialogs go through the two services.
    MainFrame(SettingsStore& store, MessageService& messages, DialogService& dialogs,
              QWidget* parent = nullptr);
    ~MainFrame() override;

    // Every menu item, accelerator, context-menu entry and calculator command.
    int HandleCommand(int command);
    void SetMenuState(int code);

    // A document named when the program starts.
    void openFromCommandLine(const std::string& path);
    // What dropping files on the window does: the first one is opened.
    void openDroppedFiles(const std::vector<std::string>& paths);

    GraphView& view() { return view_; }
    GraphSettings& settings() { return settings_; }
    CalculatorInput& input() { return input_; }
    CalculatorFace& face() { return *face_; }
    GraphWidget& graph() { return *graph_; }
    Divider& divider() { return *divider_; }
    FrameStatusBar& frameStatusBar() { return *status_; }
    FrameMenus& menus() { return *menus_; }
    DocumentCommands& documents() { return *documents_; }
    QWidget& client() { return *client_; }
    bool calculatorView() const { return calculatorView_; }

    // Lays out the client area by the split-screen setting and the view.
    void Layout();

    // FrameHooks: what the subsystems' windows ask of the frame.
    QWidget* frameWindow() override { return this; }
    void showHelp(const std::string& section) override;
    void runCommand(int command) override { HandleCommand(command); }
    void setMenuState(int code) override { SetMenuState(code); }
    void redrawAll() override {
        refreshAll();
        recordEdit();
    }
    void settingsChanged() override;
    bool typeCharacters(const std::u32string& text) override;
    bool resolvePendingInput() override;

    // The subsystem module that answers a command, or nullptr.
    CommandModule* moduleFor(int command) const;

    // Every change to the curves and the graph can be undone.
    const EditHistory& history() const { return history_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SettingsStore& store_;
    MessageService& messages_;
    DialogService& dialogs_;
    GraphSettings settings_;
    GraphView view_;
    CalculatorInput input_;
    EditHistory history_;

    QWidget* client_ = nullptr;
    CalculatorFace* face_ = nullptr;
    Divider* divider_ = nullptr;
    GraphWidget* graph_ = nullptr;
    FrameStatusBar* status_ = nullptr;
    QWidget* valueDisplay_ = nullptr;  // watched for keys typed into it
    FrameMenus* menus_ = nullptr;
    std::unique_ptr<DocumentCommands> documents_;
    std::vector<std::unique_ptr<CommandModule>> modules_;
    bool calculatorView_ = false;
    int dividerPosition_ = -1;  // set by the first drag

    // DocumentHost
    void showOpenedDocument() override;
    void showNewDocument() override;
    void setTitle(const std::string& path) override;

    void createModules();
    bool isAvailable(int command) const;
    int dispatchCommand(int command);
    // The edit history (frame_history.cpp).
    void startHistory();
    void recordEdit();
    void rebaseHistory();
    void undoEdit(bool redo);
    bool typeOne(char32_t c);
    void sketch();
    void nextCurve();
    void lastCurve();
    void resetCalculator();
    void backToCalculator();
    void toggleToolTips();
    void toggleSplitScreen();
    void restoreDefaults();
    void reverseZoom();
    void startZoom(bool in);
    void openGraphText();
    void dismissTextDialog();
    void showGraphOptions(QPoint globalPos);
    void dropDivider(int dx);
    void showGraphStatus();
    void refreshAll();
    void takeFocus();
    void report(const UserMessage& message);
    bool showIfAny(const std::optional<UserMessage>& message);
    void saveBetweenRuns();
    void restoreSession();  // frame_session.cpp
    void saveSession();
    int statusHeight() const;
};

}  // namespace orrery
