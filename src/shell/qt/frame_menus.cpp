#include "shell/qt/frame_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "shell/command_ids.h"
#include "shell/menu_state.h"

namespace orrery {
namespace {

using namespace command;

// The accelerator table: each key and the command it sends.
struct Accelerator {
    QKeySequence key;
    int command;
};

std::vector<Accelerator> acceleratorTable() {
    std::vector<Accelerator> table{
        {QKeySequence(Qt::CTRL | Qt::Key_N), kNew},        {QKeySequence(Qt::CTRL | Qt::Key_O), kOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), kSave},       {QKeySequence(Qt::CTRL | Qt::Key_A), kSaveAs},
        {QKeySequence(Qt::CTRL | Qt::Key_H), kExport},     {QKeySequence(Qt::CTRL | Qt::Key_P), kPrint},
        {QKeySequence(Qt::CTRL | Qt::Key_X), kExit},       {QKeySequence(Qt::CTRL | Qt::Key_C), kCopyGraph},
        {QKeySequence(Qt::CTRL | Qt::Key_W), kCopyResult}, {QKeySequence(Qt::CTRL | Qt::Key_V), kPasteResult},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), kPasteText},
        {QKeySequence(Qt::CTRL | Qt::Key_M), kDomainsRange}, {QKeySequence(Qt::CTRL | Qt::Key_L), kCurveLook},
        {QKeySequence(Qt::CTRL | Qt::Key_G), kGraphText},  {QKeySequence(Qt::CTRL | Qt::Key_R), kRestoreDefaults},
        {QKeySequence(Qt::CTRL | Qt::Key_D), kDifferentiate}, {QKeySequence(Qt::CTRL | Qt::Key_I), kIntegrate},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), kQuickEvaluate}, {QKeySequence(Qt::CTRL | Qt::Key_J), kMatrices},
        {QKeySequence(Qt::CTRL | Qt::Key_E), kExponentialFit}, {QKeySequence(Qt::CTRL | Qt::Key_F), kPolynomialFit},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), kConversions}, {QKeySequence(Qt::CTRL | Qt::Key_T), kCompoundInterest},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), kZoomIn},     {QKeySequence(Qt::CTRL | Qt::Key_B), kZoomOut},
        {QKeySequence(Qt::CTRL | Qt::Key_U), kReverseZoom}, {QKeySequence(Qt::CTRL | Qt::Key_K), kBackToCalculator},
        {QKeySequence(Qt::Key_F1), kHelp},                 {QKeySequence(Qt::Key_PageUp), kNextCurve},
        {QKeySequence(Qt::Key_PageDown), kLastCurve},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), kAnalysis},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), kTableOfValues},
        // Ctrl+Z zooms here, so Undo and Redo take keys no other command uses.
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), kUndo},
        {QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_Backspace), kRedo},
    };
    for (int n = 1; n <= 9; ++n)
        table.push_back({QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + n)), kRecentFirst + n});
    return table;
}

}  // namespace

FrameMenus::FrameMenus(QMainWindow& frame, std::function<void(int)> dispatch,
                       std::function<bool(int)> available)
    : QObject(&frame), frame_(frame), dispatch_(std::move(dispatch)), available_(std::move(available)) {
    file_ = addMenu("&File", {{kNew, "&New\tCtrl+N", true},
                              {kOpen, "&Open\tCtrl+O", true},
                              {kSave, "&Save\tCtrl+S", true},
                              {kSaveAs, "Save &As...\tCtrl+A", true},
                              {kExport, "Export...\tCtrl+H", true},
                              {kPrint, "&Print\tCtrl+P", true}});
    file_->addSeparator();
    addItem(file_, {kExit, "E&xit\tCtrl+X", true});
    QMenu* edit = addMenu("&Edit", {{kCopyGraph, "&Copy Graph to Clipboard\tCtrl+C", true},
                                    {kCopyResult, "Cop&y Result to Clipboard\tCtrl+W", true},
                                    {kPasteResult, "&Paste Result\tCtrl+V", true},
                                    {kPasteText, "Paste &Text\tCtrl+Shift+V", true}});
    edit->addSeparator();
    addItem(edit, {kUndo, "&Undo\tAlt+Backspace", false});
    addItem(edit, {kRedo, "&Redo\tShift+Alt+Backspace", false});
    customize_ = addMenu("C&ustomize", {{kDomainsRange, "&Curve Domains/Range\tCtrl+M", true},
                                        {kCurveLook, "Curve &Look\tCtrl+L", true},
                                        {kGraphText, "&Graph Text\tCtrl+G", true},
                                        {kToolTips, "&Remove Tooltips", true},
                                        {kRestoreDefaults, "Restore &Defaults", true},
                                        {kSetColors, "Set &Colors", true},
                                        {kSplitScreen, "Restore &Full Screen", true},
                                        {kOpenProfile, "&Open Profile", true}});
    addMenu("&Calculus", {{kDifferentiate, "&Differentiate\tCtrl+D", true},
                          {kIntegrate, "&Approximate Integral\tCtrl+I ", true},
                          {kAnalysis, "A&nalysis...\tCtrl+Shift+A", true},
                          {kTableOfValues, "&Table of Values...\tCtrl+Shift+T", true}});
    addMenu("&Statistics", {{kChiSquareDistribution, "&Chi Square Distribution ", true},
                            {kFDistribution, "&F Distribution ", true},
                            {kNormalDistribution, "&Normal Distribution ", true},
                            {kTDistribution, "&T Distribution", true}});
    addMenu("E&valuate", {{kQuickEvaluate, "&Get Y-Value\tCtrl+Y", true}});
    addMenu("&Linear Algebra", {{kMatrices, "&Matrices\tCtrl+J", true},
                                {kVectors, "&Vectors", true},
                                {kExponentialFit, "&Exponential Curve Fitting\tCtrl+E", true},
                                {kPolynomialFit, "&Polynomial Curve Fitting\tCtrl+F", true}});
    addMenu("U&tilities", {{kConversions, "&Conversions\tCtrl+Q", true},
                           {kCompoundInterest, "&Compound Interest\tCtrl+T", true}});
    addMenu("&Zooming", {{kZoomIn, "&Zoom In(Drag Mouse)\tCtrl+Z", true},
                         {kZoomOut, "&Zoom Out(Dbl-click to center graph)\tCtrl+B", true},
                         {kReverseZoom, "&Reverse Last Zoom\tCtrl+U", true}});
    addMenu("&Help", {{kHelp, "&Help...", true},
                      {kTipOfTheDay, "&Tip of the Day...", true},
                      {kAbout, "&About Orrery...", true}});
    addAccelerators();
    // A new frame: nothing to save, copy or reverse yet.
    for (int id : {kCopyResult, kPasteResult, kSave, kSaveAs, kReverseZoom}) setEnabled(id, false);
    setEnabled(kZoomIn, true);
    setEnabled(kZoomOut, true);
}

QMenu* FrameMenus::addMenu(const char* title, const std::vector<MenuEntry>& items) {
    QMenu* menu = frame_.menuBar()->addMenu(QString::fromUtf8(title));
    for (const MenuEntry& item : items) addItem(menu, item);
    return menu;
}

QAction* FrameMenus::makeAction(QMenu* menu, const MenuEntry& item) {
    QAction* action = menu->addAction(QString::fromStdString(item.text));
    action->setEnabled(item.enabled && isAvailable(item.command));
    action->setData(item.command);
    const int command = item.command;
    connect(action, &QAction::triggered, this, [this, command] { dispatch_(command); });
    return action;
}

QAction* FrameMenus::addItem(QMenu* menu, const MenuEntry& item) {
    QAction* action = makeAction(menu, item);
    actions_[item.command] = action;
    return action;
}

void FrameMenus::replaceItem(QMenu* menu, int position, const MenuEntry& item) {
    const QList<QAction*> actions = menu->actions();
    if (position < 0 || position >= actions.size()) return;
    actions[position]->setText(QString::fromStdString(item.text));
}

void FrameMenus::addAccelerators() {
    for (const Accelerator& accelerator : acceleratorTable()) {
        auto* action = new QAction(&frame_);
        action->setShortcut(accelerator.key);
        action->setShortcutContext(Qt::WindowShortcut);
        const int command = accelerator.command;
        connect(action, &QAction::triggered, this, [this, command] { runAccelerator(command); });
        frame_.addAction(action);
    }
}

void FrameMenus::runAccelerator(int command) {
    const auto found = actions_.find(command);
    if (found != actions_.end() && !found->second->isEnabled()) return;
    if (!isAvailable(command)) return;
    dispatch_(command);
}

QAction* FrameMenus::action(int command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

bool FrameMenus::isEnabled(int command) const {
    QAction* item = action(command);
    return item != nullptr && item->isEnabled();
}

void FrameMenus::setEnabled(int command, bool enabled) {
    if (QAction* item = action(command)) item->setEnabled(enabled && isAvailable(command));
}

void FrameMenus::applyMenuState(int code) {
    for (const MenuItemState& change : menuStateChanges(code)) setEnabled(change.command, change.enabled);
}

void FrameMenus::setToolTipsItem(bool toolTipsOn) {
    replaceItem(customize_, 3,
                {kToolTips, toolTipsOn ? "&Remove Tooltips" : "&Restore Tooltips", true});
}

void FrameMenus::setSplitScreenItem(bool splitScreen) {
    replaceItem(customize_, 6,
                {kSplitScreen, splitScreen ? "Restore &Full Screen" : "&Split Screen", true});
}

void FrameMenus::setRecentItems(const std::vector<MenuEntry>& items) {
    for (QAction* old : recent_) {
        actions_.erase(old->data().toInt());
        file_->removeAction(old);
        old->deleteLater();
    }
    recent_.clear();
    for (const MenuEntry& item : items) recent_.push_back(addItem(file_, item));
}

std::vector<MenuEntry> FrameMenus::recentItems() const {
    std::vector<MenuEntry> out;
    for (QAction* item : recent_)
        out.push_back({item->data().toInt(), item->text().toStdString(), item->isEnabled()});
    return out;
}

QMenu* FrameMenus::popup(const std::vector<MenuEntry>& items, QWidget* parent) {
    auto* menu = new QMenu(QStringLiteral("Graph Options"), parent);
    for (const MenuEntry& item : items) makeAction(menu, item);
    return menu;
}

}  // namespace orrery
