#include "shell/qt/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <algorithm>

#include "common/qt/dialog_service.h"
#include "common/qt/message_service.h"
#include "graphing/graph_status.h"
#include "graphing/qt/graph_text_dialog.h"
#include "graphing/qt/graph_widget.h"
#include "persistence/graph_text_values.h"
#include "persistence/recent_file_values.h"
#include "persistence/settings_store.h"
#include "shell/command_ids.h"
#include "shell/frame_layout.h"
#include "shell/graph_options_menu.h"
#include "shell/qt/app_icon.h"
#include "shell/qt/calculator_face.h"
#include "shell/qt/divider.h"
#include "shell/qt/frame_menus.h"
#include "shell/qt/frame_status_bar.h"
#include "shell/qt/value_display.h"
#include "shell/window_title.h"

namespace orrery {
namespace {

void place(QWidget& widget, const FrameRect& r) { widget.setGeometry(r.x, r.y, r.width, r.height); }

}  // namespace

MainFrame::MainFrame(SettingsStore& store, MessageService& messages, DialogService& dialogs,
                     QWidget* parent)
    : QMainWindow(parent),
      store_(store),
      messages_(messages),
      dialogs_(dialogs),
      view_(settings_),
      input_(view_) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("Quorvane Mathematics Inc. Orrery"));
    setWindowIcon(appIcon());
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    // The smallest window in which, beside the graph, every key label is
    // still about 10 pixels tall and the graph's labels do not overlap.
    setMinimumSize(760, 500);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    face_ = new CalculatorFace(input_, view_, messages_, client_);
    divider_ = new Divider(client_);
    graph_ = new GraphWidget(view_, client_);
    status_ = new FrameStatusBar(client_);
    createModules();
    menus_ = new FrameMenus(
        *this, [this](int command) { HandleCommand(command); },
        [this](int command) { return isAvailable(command); });
    documents_ = std::make_unique<DocumentCommands>(view_, messages_, dialogs_, *menus_, *this);

    documents_->loadRecent(LoadRecentFiles(store_));
    LoadGraphTextStyle(store_, view_.text());
    LoadGraphTextPosition(store_, view_.text());
    menus_->setToolTipsItem(settings_.toolTips);
    menus_->setSplitScreenItem(settings_.splitScreen);
    face_->setToolTipsOn(settings_.toolTips);

    connect(face_, &CalculatorFace::commandRequested, this, [this](int id) { HandleCommand(id); });
    connect(face_, &CalculatorFace::focusReturned, this, &MainFrame::takeFocus);
    connect(face_, &CalculatorFace::keyPressed, this, &MainFrame::recordEdit);
    connect(face_, &CalculatorFace::resultAvailable, this,
            [this](bool available) { SetMenuState(available ? 15 : 14); });
    connect(graph_, &GraphWidget::statusTexts, status_, &FrameStatusBar::showTexts);
    connect(graph_, &GraphWidget::contextMenuRequested, this, &MainFrame::showGraphOptions);
    connect(graph_, &GraphWidget::zoomChanged, this, [this] {
        if (!view_.historyEmpty()) SetMenuState(9);
        rebaseHistory();  // zooms have Reverse Last Zoom of their own
    });
    connect(graph_, &GraphWidget::textChanged, this, [this] {
        if (!view_.text().dragging) recordEdit();  // a drag is one step, when it ends
    });
    connect(graph_, &GraphWidget::focusReturned, this, [this] {
        takeFocus();
        recordEdit();  // a graph text drag has ended
    });
    connect(graph_, &GraphWidget::backToCalculator, this,
            [this] { HandleCommand(command::kBackToCalculator); });
    connect(graph_, &GraphWidget::painted, face_, &CalculatorFace::refreshDisplays);
    connect(divider_, &Divider::dropped, this, &MainFrame::dropDivider);
    connect(divider_, &Divider::focusReturned, this, &MainFrame::takeFocus);
    client_->installEventFilter(this);
    valueDisplay_ = face_->valueDisplay();
    valueDisplay_->installEventFilter(this);

    QSize size(1100, 720);
    if (const QScreen* screen = QApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
    restoreSession();
    menus_->setSplitScreenItem(settings_.splitScreen);
    Layout();
    showGraphStatus();
    startHistory();
}

MainFrame::~MainFrame() {
    // Subsystem windows go before the frame's own children they may refer to.
    modules_.clear();
    // The windows refer to the view and the input held here: they go first,
    // without reporting their own destruction to this half-destroyed frame.
    client_->removeEventFilter(this);
    valueDisplay_->removeEventFilter(this);
    delete client_;
}

int MainFrame::statusHeight() const { return fontMetrics().height(); }

void MainFrame::Layout() {
    const FrameLayout layout =
        computeFrameLayout(client_->width(), client_->height(), statusHeight(), settings_.splitScreen,
                           calculatorView_, settings_.calculatorProportion);
    place(*face_, layout.calculator);
    place(*divider_, layout.divider);
    place(*graph_, layout.graph);
    place(*status_, layout.statusBar);
    divider_->setVisible(layout.dividerShown);
    status_->setVisible(layout.statusBarShown);
    graph_->setVisible(layout.graphShown);
    // Whatever lies under the graph is covered and need not be painted.
    face_->setVisible(!layout.graphOnTop);
    if (layout.graphOnTop) graph_->raise();
    graph_->setBackButtonVisible(layout.backButtonShown);
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        Layout();
        showGraphStatus();
    }
    // The value display keeps the focus only for selecting and copying its
    // text; anything typed there belongs to the expression.
    if (watched == valueDisplay_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & Qt::ControlModifier)) {
            takeFocus();
            keyPressEvent(key);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainFrame::showGraphStatus() { status_->showTexts(graphShownStatus()); }

void MainFrame::SetMenuState(int code) { menus_->applyMenuState(code); }

void MainFrame::setTitle(const std::string& path) {
    setWindowTitle(QString::fromStdString(orrery::windowTitle(path)));
}

void MainFrame::report(const UserMessage& message) { messages_.show(message); }

bool MainFrame::showIfAny(const std::optional<UserMessage>& message) {
    if (message) report(*message);
    return message.has_value();
}

void MainFrame::takeFocus() { setFocus(Qt::OtherFocusReason); }

void MainFrame::refreshAll() {
    face_->refreshDisplays();
    graph_->update();
}

namespace {

// The commands the frame answers itself; every other id goes to a module.
constexpr int kFrameCommands[] = {
    command::kNew,          command::kOpen,           command::kSave,        command::kSaveAs,
    command::kExit,         command::kGraphText,      command::kToolTips,    command::kRestoreDefaults,
    command::kSplitScreen,  command::kZoomIn,         command::kZoomOut,     command::kReverseZoom,
    command::kBackToCalculator, command::kNextCurve,  command::kLastCurve,   command::kBack,
    command::kSketch,       command::kReset,          command::kUndo,        command::kRedo};

}  // namespace

bool MainFrame::isAvailable(int command) const {
    if (command > command::kRecentFirst && command <= command::kRecentLast) return true;
    return std::find(std::begin(kFrameCommands), std::end(kFrameCommands), command) !=
               std::end(kFrameCommands) ||
           moduleFor(command) != nullptr;
}

CommandModule* MainFrame::moduleFor(int command) const {
    for (const auto& module : modules_) {
        const std::vector<int> ids = module->commands();
        if (std::find(ids.begin(), ids.end(), command) != ids.end()) return module.get();
    }
    return nullptr;
}

void MainFrame::settingsChanged() {
    face_->setToolTipsOn(settings_.toolTips);
    menus_->setToolTipsItem(settings_.toolTips);
    menus_->setSplitScreenItem(settings_.splitScreen);
    Layout();
    refreshAll();
    for (const auto& module : modules_) module->settingsChanged();
    recordEdit();  // an appearance dialog's Apply
}

bool MainFrame::typeOne(char32_t c) {
    const bool graphFillsWindow = !settings_.splitScreen && !calculatorView_;
    const TypedOutcome outcome = face_->typeCharacter(c, graphFillsWindow);
    if (outcome.command == TypedOutcome::Command::Sketch) HandleCommand(command::kSketch);
    if (outcome.command == TypedOutcome::Command::BackToCalculator)
        HandleCommand(command::kBackToCalculator);
    return !outcome.message.has_value();
}

bool MainFrame::resolvePendingInput() {
    const bool resolved = !showIfAny(input_.resolvePending());
    face_->refreshDisplays();
    return resolved;
}

bool MainFrame::typeCharacters(const std::u32string& text) {
    for (const char32_t c : text)
        if (!typeOne(c)) return false;
    return true;
}

int MainFrame::HandleCommand(int command) {
    const int result = dispatchCommand(command);
    recordEdit();
    return result;
}

int MainFrame::dispatchCommand(int command) {
    using namespace command;
    switch (command) {
        case kNew: documents_->newDocument(); return 0;
        case kOpen: documents_->open(); return 0;
        case kSave: return documents_->save() ? 0 : 1;
        case kSaveAs: return documents_->saveAs() ? 0 : 1;
        case kExit: close(); return 0;
        case kGraphText: openGraphText(); return 0;
        case kToolTips: toggleToolTips(); return 0;
        case kRestoreDefaults: restoreDefaults(); return 0;
        case kSplitScreen: toggleSplitScreen(); return 0;
        case kZoomIn: startZoom(true); return 0;
        case kZoomOut: startZoom(false); return 0;
        case kReverseZoom: reverseZoom(); return 0;
        case kBackToCalculator: backToCalculator(); return 0;
        case kNextCurve: nextCurve(); return 0;
        case kLastCurve: lastCurve(); return 0;
        case kBack:
            input_.back();
            face_->refreshDisplays();
            return 0;
        case kSketch: sketch(); return 0;
        case kReset: resetCalculator(); return 0;
        case kUndo: undoEdit(false); return 0;
        case kRedo: undoEdit(true); return 0;
        default: break;
    }
    if (command > kRecentFirst && command <= kRecentLast) {
        documents_->openRecent(command);
        return 0;
    }
    if (CommandModule* module = moduleFor(command)) {
        module->run(command);
        return 0;
    }
    return 1;
}

void MainFrame::sketch() {
    if (showIfAny(input_.resolvePending())) return;
    calculatorView_ = false;
    Layout();
    showGraphStatus();
    for (const UserMessage& message : graph_->sketch()) report(message);
    SetMenuState(7);
    face_->refreshDisplays();
}

void MainFrame::nextCurve() {
    if (showIfAny(input_.resolvePending())) return;
    showIfAny(view_.nextCurve());
    face_->refreshDisplays();
}

void MainFrame::lastCurve() {
    if (showIfAny(input_.resolvePending())) return;
    view_.lastCurve();
    face_->refreshDisplays();
}

void MainFrame::resetCalculator() {
    dismissTextDialog();
    input_.clear();
    view_.resetAll();
    view_.setCurvesShown(false);
    setTitle(documents_->state().path);
    showGraphStatus();
    refreshAll();
}

void MainFrame::backToCalculator() {
    status_->showTexts({"", ""});
    SetMenuState(8);
    calculatorView_ = true;
    Layout();
}

void MainFrame::toggleToolTips() {
    settings_.toolTips = !settings_.toolTips;
    menus_->setToolTipsItem(settings_.toolTips);
    face_->setToolTipsOn(settings_.toolTips);
}

void MainFrame::toggleSplitScreen() {
    settings_.splitScreen = !settings_.splitScreen;
    menus_->setSplitScreenItem(settings_.splitScreen);
    Layout();
    if (settings_.splitScreen) SetMenuState(11);
}

void MainFrame::dismissTextDialog() {
    // An open Graph Text dialog holds a copy of the old text for Cancel:
    // it must not come back into a new document.
    if (GraphTextDialog* dialog = graph_->textDialog()) dialog->dismiss();
}

void MainFrame::restoreDefaults() {
    dismissTextDialog();
    view_.restoreDefaults();
    menus_->setEnabled(command::kReverseZoom, false);
    settingsChanged();
}

void MainFrame::reverseZoom() {
    view_.reverseZoom();
    rebaseHistory();
    if (view_.historyEmpty()) menus_->setEnabled(command::kReverseZoom, false);
    graph_->update();
}

void MainFrame::startZoom(bool in) {
    if (in)
        graph_->startZoomIn();
    else
        graph_->startZoomOut();
    menus_->setEnabled(command::kReverseZoom, true);
}

void MainFrame::openGraphText() {
    view_.text().shown = true;
    graph_->openTextDialog(dialogs_);
    graph_->update();
}

void MainFrame::showGraphOptions(QPoint globalPos) {
    const bool split = settings_.splitScreen;
    std::unique_ptr<QMenu> menu(menus_->popup(
        graphOptionsMenu({split, calculatorView_ && !split, view_.historyEmpty()}), this));
    menu->exec(globalPos);
}

void MainFrame::dropDivider(int dx) {
    const orrery::DividerDrop drop =
        orrery::dropDivider(divider_->x(), dx, client_->width(), client_->height(), statusHeight());
    settings_.calculatorProportion = drop.proportion;
    place(*face_, drop.calculator);
    place(*graph_, drop.graph);
    place(*divider_, drop.divider);
}

void MainFrame::showOpenedDocument() {
    dismissTextDialog();
    input_.clear();
    calculatorView_ = false;
    Layout();
    showGraphStatus();
    for (const UserMessage& message : graph_->sketch()) report(message);
    face_->refreshDisplays();
    startHistory();
}

void MainFrame::showNewDocument() {
    dismissTextDialog();
    input_.clear();
    showGraphStatus();
    refreshAll();
    startHistory();
}

void MainFrame::openFromCommandLine(const std::string& path) {
    documents_->openFromCommandLine(path);
    // Whether it opened or not, the document commands are there to use.
    SetMenuState(7);
}

void MainFrame::openDroppedFiles(const std::vector<std::string>& paths) {
    if (!paths.empty()) documents_->openDropped(paths.front());
}

void MainFrame::keyPressEvent(QKeyEvent* event) {
    using Key = CalculatorInput::CursorKey;
    std::optional<Key> cursor;
    switch (event->key()) {
        case Qt::Key_Left: cursor = Key::Left; break;
        case Qt::Key_Right: cursor = Key::Right; break;
        case Qt::Key_Up: cursor = Key::Up; break;
        case Qt::Key_Down: cursor = Key::Down; break;
        case Qt::Key_Home: cursor = Key::Home; break;
        case Qt::Key_End: cursor = Key::End; break;
        case Qt::Key_Delete: cursor = Key::Delete; break;
        default: break;
    }
    if (cursor) {
        face_->cursorKey(*cursor);
        recordEdit();  // Delete
        return;
    }
    const QString text = event->text();
    if (text.isEmpty()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // Like the keyboard of old, every character is typed even after a message.
    for (const char32_t c : text.toUcs4()) typeOne(c);
    recordEdit();
}

void MainFrame::contextMenuEvent(QContextMenuEvent* event) {
    // A right click anywhere in the window offers the graph's options.
    showGraphOptions(event->globalPos());
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    openDroppedFiles(paths);
    event->acceptProposedAction();
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (!documents_->confirmClose()) {
        event->ignore();
        return;
    }
    saveBetweenRuns();
    event->accept();
}

void MainFrame::saveBetweenRuns() {
    SaveRecentFiles(store_, documents_->recent().paths());
    SaveGraphTextStyle(store_, view_.text());
    SaveGraphTextPosition(store_, view_.text());
    saveSession();
    store_.flush();
}

}  // namespace orrery
