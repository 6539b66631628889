#include "statistics/qt/distribution_window.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QToolTip>

#include "common/c_numeric.h"
#include "common/qt/dialog_service.h"
#include "common/qt/frame_hooks.h"
#include "common/qt/message_service.h"
#include "graphing/graph_settings.h"
#include "shell/command_ids.h"
#include "shell/graph_options_menu.h"
#include "statistics/control_strip.h"
#include "statistics/distribution_set.h"
#include "statistics/qt/critical_value_dialog.h"
#include "statistics/qt/output_box.h"
#include "statistics/qt/picture_painter.h"
#include "statistics/window_calculation.h"

namespace orrery {
namespace {

constexpr int kAlpha = 1290;

// The client area: it paints the drawing and the labels, and places the
// strip of controls when its size changes.
class Client : public QWidget {
  public:
    explicit Client(DistributionWindow& owner) : QWidget(&owner), owner_(owner) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        owner_.paintClient(painter);
    }
    void resizeEvent(QResizeEvent*) override { owner_.placeControls(); }
    void contextMenuEvent(QContextMenuEvent* event) override {
        owner_.showContextMenu(event->globalPos());
    }

  private:
    DistributionWindow& owner_;
};

int degreeBoxCount(DistributionKind kind) {
    switch (kind) {
        case DistributionKind::Normal:
            return 0;
        case DistributionKind::F:
            return 2;
        default:
            return 1;
    }
}

bool passesArrows(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) != nullptr;
}

QString boxText(const QWidget* widget) {
    return static_cast<const QLineEdit*>(widget)->text();
}

}  // namespace

DistributionWindow::DistributionWindow(DistributionKind kind, DistributionSet& distributions,
                                       StatisticsServices services, QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      kind_(kind),
      distributions_(distributions),
      services_(services) {
    const QString title = QString::fromLatin1(distributionTitle(kind));
    setWindowTitle(title);
    setObjectName(title);
    client_ = new Client(*this);
    setCentralWidget(client_);
    status_ = new QLabel(this);
    statusBar()->addWidget(status_, 1);
    createMenuBar();
    createControls();
    refreshStatus();
    inputs_.front()->setFocus();
}

void DistributionWindow::createMenuBar() {
    auto add = [this](QMenu* menu, int command, const char* text) {
        connect(menu->addAction(QString::fromLatin1(text)), &QAction::triggered, this,
                [this, command] { runCommand(command); });
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, command::kPrint, "&Print");
    file->addSeparator();
    add(file, command::kExit, "C&lose");
    add(menuBar()->addMenu(QStringLiteral("&Edit")), command::kCopyGraph,
        "&Copy Graph to Clipboard");
    add(menuBar()->addMenu(QStringLiteral("&Critical Values")), kAlpha, "&Alpha");
    QMenu* customize = menuBar()->addMenu(QStringLiteral("C&ustomize"));
    add(customize, command::kSetColors, "Set &Colors");
    add(customize, command::kRestoreDefaults, "&Restore Defaults");
}

void DistributionWindow::createControls() {
    const DrawnDistribution drawn = distributions_.drawn(kind_);
    auto makeBox = [this](const QString& text) {
        auto* box = new QLineEdit(text, client_);
        box->setMaxLength(31);
        box->resize(10, 10);
        return box;
    };
    inputs_.push_back(makeBox(QStringLiteral("0")));
    inputs_.push_back(makeBox(QStringLiteral("0")));
    const int degrees[] = {drawn.d1, drawn.d2};
    for (int i = 0; i < degreeBoxCount(kind_); ++i)
        inputs_.push_back(makeBox(QString::fromStdString(formatC("%d", degrees[i]))));
    calculate_ = new QPushButton(QStringLiteral("Calculate"), client_);
    calculate_->resize(10, 10);
    connect(calculate_, &QPushButton::clicked, this, &DistributionWindow::calculate);
    inputs_.push_back(calculate_);
    for (QWidget* input : inputs_) input->installEventFilter(this);

    probability_ = makeBox(QStringLiteral("0"));
    makeOutputBox(*probability_);
}

QLineEdit* DistributionWindow::box(int index) const {
    return qobject_cast<QLineEdit*>(inputs_.at(static_cast<std::size_t>(index)));
}

void DistributionWindow::placeControls() {
    const ControlStrip strip =
        controlStrip(kind_, client_->width(), client_->height(), fontMetrics().height());
    auto place = [](QWidget* widget, const StripRect& r) {
        widget->setGeometry(r.x, r.y, r.width, r.height);
    };
    for (std::size_t i = 0; i < inputs_.size() && i < strip.inputs.size(); ++i)
        place(inputs_[i], strip.inputs[i].box);
    place(probability_, strip.probability.box);
}

StatisticsColors DistributionWindow::colors() const {
    GraphSettings& s = services_.settings;
    return {s.color(ColorKind::Axes), s.color(ColorKind::Background), s.color(ColorKind::Label),
            s.color(ColorKind::Statistics)};
}

void DistributionWindow::paintClient(QPainter& painter) const {
    const QRect area = client_->rect();
    paintDistribution(painter, distributions_.drawn(kind_), colors(), area);
    const ControlStrip strip =
        controlStrip(kind_, area.width(), area.height(), fontMetrics().height());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    std::vector<StripControl> labelled = strip.inputs;
    labelled.push_back(strip.probability);
    for (const StripControl& control : labelled) {
        if (control.label.empty()) continue;
        painter.drawText(
            QRect(control.box.x, strip.labelTop, control.box.width, fontMetrics().height()),
            Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(control.label));
    }
}

QImage DistributionWindow::picture() const {
    QImage image(client_->size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintDistribution(painter, distributions_.drawn(kind_), colors(), image.rect());
    return image;
}

void DistributionWindow::calculate() {
    auto text = [this](int i) {
        return boxText(inputs_[static_cast<std::size_t>(i)]).toStdString();
    };
    WindowCalculation result;
    switch (kind_) {
        case DistributionKind::Normal:
            result = calculateNormalWindow(distributions_.normal, text(0), text(1));
            break;
        case DistributionKind::T:
            result = calculateTWindow(distributions_.t, text(0), text(1), text(2));
            break;
        case DistributionKind::ChiSquare:
            result = calculateChiSquareWindow(distributions_.chiSquare, text(0), text(1), text(2));
            break;
        case DistributionKind::F:
            result = calculateFWindow(distributions_.f, text(0), text(1), text(2), text(3));
            break;
    }
    if (result.message) {
        services_.messages.show(*result.message);
        return;
    }
    if (result.swapped) {
        const QString first = box(0)->text();
        box(0)->setText(box(1)->text());
        box(1)->setText(first);
    }
    showProbability(result.area, QString::fromStdString(result.probability));
    client_->update();
}

void DistributionWindow::showProbability(double area, const QString& text) {
    probability_->setText(text);
    probability_->setToolTip(QString::fromStdString(formatC("%.17g", area)));
    refreshStatus();
}

void DistributionWindow::refreshStatus() {
    status_->setText(QString::fromStdString(statusLineText(distributions_.drawn(kind_))));
}

QString DistributionWindow::statusLine() const {
    return status_->text();
}

void DistributionWindow::runCommand(int id) {
    switch (id) {
        case command::kPrint:
            print();
            return;
        case command::kCopyGraph:
            copyGraph();
            return;
        case kAlpha:
            openCriticalValues();
            return;
        case command::kExit:
            close();
            return;
        default:
            services_.frame.runCommand(id);
            return;
    }
}

void DistributionWindow::print() {
    const DrawnDistribution drawn = distributions_.drawn(kind_);
    const StatisticsColors pictureColors = colors();
    PrintJob job{windowTitle().toStdString(), 1,
                 [drawn, pictureColors](QPainter& painter, const QRect& page, int) {
                     paintDistribution(painter, drawn, pictureColors, page);
                 }};
    if (services_.dialogs.print(job) == PrintOutcome::Failed)
        services_.messages.show(
            {"PRINTER ERROR", "Please check that the printer is on and properly connected."});
}

void DistributionWindow::copyGraph() {
    services_.dialogs.setClipboardImage(picture());
}

void DistributionWindow::openCriticalValues() {
    auto* dialog = new CriticalValueDialog(kind_, distributions_, services_.messages, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(dialog, &QDialog::finished, client_, qOverload<>(&QWidget::update));
    dialog->show();
}

std::vector<MenuEntry> DistributionWindow::contextMenuEntries() const {
    if (kind_ == DistributionKind::ChiSquare)
        return {{command::kRestoreDefaults, "&Restore Defaults", true},
                {command::kSetColors, "Set Colors", true}};
    // The graph's own menu, reduced to the commands that still make sense
    // here; they go to the main window.
    std::vector<MenuEntry> entries;
    for (MenuEntry entry : graphOptionsMenu({})) {
        const int c = entry.command;
        if (c != command::kQuickEvaluate && c != command::kReverseZoom && c != command::kZoomIn &&
            c != command::kZoomOut)
            continue;
        entry.enabled = true;
        entries.push_back(entry);
    }
    return entries;
}

void DistributionWindow::showContextMenu(const QPoint& globalPos) {
    QMenu menu(this);
    if (kind_ == DistributionKind::ChiSquare)
        menu.setTitle(QStringLiteral("Chi Square Graph Options"));
    for (const MenuEntry& entry : contextMenuEntries()) {
        QAction* action = menu.addAction(QString::fromStdString(entry.text));
        const int id = entry.command;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    }
    menu.exec(globalPos);
}

void DistributionWindow::moveFocus(QWidget* from, bool forward) {
    const auto count = static_cast<int>(inputs_.size());
    int index = static_cast<int>(std::find(inputs_.begin(), inputs_.end(), from) - inputs_.begin());
    // A control that cannot take the focus passes it on to the next one.
    for (int tried = 0; tried < count; ++tried) {
        index = (index + (forward ? 1 : count - 1)) % count;
        QWidget* target = inputs_[static_cast<std::size_t>(index)];
        if (target->isEnabled() && target->focusPolicy() != Qt::NoFocus) {
            target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

bool DistributionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
    auto* control = static_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    switch (key->key()) {
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Pause:
            if (!(key->modifiers() & Qt::ControlModifier)) return false;
            close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            calculate();
            return true;
        case Qt::Key_Tab:
            moveFocus(control, !shift);
            return true;
        case Qt::Key_Backtab:
            moveFocus(control, false);
            return true;
        // Arrows move the focus and still reach a box; a button would move
        // the focus a second time with them.
        case Qt::Key_Right:
        case Qt::Key_Down:
            moveFocus(control, !shift);
            return !passesArrows(control);
        case Qt::Key_Left:
        case Qt::Key_Up:
            moveFocus(control, shift);
            return !passesArrows(control);
        default:
            return false;
    }
}

}  // namespace orrery
