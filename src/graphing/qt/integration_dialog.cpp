#include "graphing/qt/integration_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/c_numeric.h"
#include "common/qt/frame_hooks.h"
#include "graphing/calculus.h"
#include "graphing/graph_view.h"
#include "graphing/qt/calculus_buttons.h"
#include "graphing/qt/curve_selector.h"

namespace orrery {

namespace {

QLineEdit* boundEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

// Typing keeps the last value read: a field that holds no number yet
// ("", "-", "abc") leaves the bound as it was.
void readBound(const QString& text, double& bound) {
    if (const std::optional<double> value = scanDouble(text.toStdString())) bound = *value;
}

}  // namespace

IntegrationDialog::IntegrationDialog(GraphView& view, FrameHooks& frame, QWidget* parent)
    : QDialog(parent), view_(view), frame_(frame) {
    setWindowTitle(QStringLiteral("Approximate Integration with Simpson's Rule."));
    const CurveSet& curves = view_.curves();
    selector_ = new CurveSelector(this);
    selector_->setCurves(curves);
    xMinEdit_ = boundEdit("xMinEdit", this);
    xMaxEdit_ = boundEdit("xMaxEdit", this);
    connect(xMinEdit_, &QLineEdit::textEdited, this, [this](const QString& t) { readBound(t, a_); });
    connect(xMaxEdit_, &QLineEdit::textEdited, this, [this](const QString& t) { readBound(t, b_); });
    QWidget* pointsBox = buildPointsBox();

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progressBar"));
    progress_->setRange(0, kSimpsonProgressSteps);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("resultList"));
    results_->setMinimumHeight(results_->fontMetrics().lineSpacing() * 4);
    results_->setFocusPolicy(Qt::NoFocus);

    QPushButton* calculate = namedButton(QStringLiteral("Calculate"), "calculateButton", this);
    connect(calculate, &QPushButton::clicked, this, &IntegrationDialog::calculate);
    connect(selector_, &CurveSelector::selectionChanged, this, &IntegrationDialog::load);

    auto* bounds = new QFormLayout;
    bounds->addRow(QStringLiteral("Xmin"), xMinEdit_);
    bounds->addRow(QStringLiteral("Xmax"), xMaxEdit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(selector_);
    layout->addLayout(bounds);
    layout->addWidget(pointsBox);
    layout->addWidget(progress_);
    layout->addWidget(results_, 1);
    layout->addLayout(actionRow(this, calculate, [this] { accept(); }));

    load(selector_->selected());
    xMinEdit_->setFocus();
}

QWidget* IntegrationDialog::buildPointsBox() {
    auto* box = new QGroupBox(
        QStringLiteral("Number of points   -   Simpson's Rule requires an odd number of points."),
        this);
    pointsScroll_ = new QScrollBar(Qt::Horizontal, box);
    pointsScroll_->setObjectName(QStringLiteral("pointsScroll"));
    pointsScroll_->setRange(kSimpsonMinPoints, kSimpsonMaxPoints);
    pointsScroll_->setSingleStep(2);
    pointsScroll_->setPageStep(2);
    // Home and End reach the ends of the range from the keyboard.
    pointsScroll_->setFocusPolicy(Qt::StrongFocus);
    pointsField_ = new QLineEdit(box);
    pointsField_->setObjectName(QStringLiteral("pointsField"));
    pointsField_->setReadOnly(true);
    pointsField_->setFocusPolicy(Qt::ClickFocus);
    pointsField_->setFixedWidth(pointsField_->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    connect(pointsScroll_, &QScrollBar::valueChanged, this, &IntegrationDialog::pointsScrolled);
    auto* row = new QHBoxLayout(box);
    row->addWidget(pointsScroll_, 1);
    row->addWidget(pointsField_);
    return box;
}

void IntegrationDialog::load(int index) {
    const Curve& curve = view_.curves().at(index);
    a_ = curve.limits.xMin;
    b_ = curve.limits.xMax;
    xMinEdit_->setText(QString::fromStdString(formatC("%lf", a_)));
    xMaxEdit_->setText(QString::fromStdString(formatC("%lf", b_)));
    n_ = simpsonPointCount(view_.settings().pointCount(index));
    showPoints();
    results_->clear();
}

void IntegrationDialog::showPoints() {
    loading_ = true;
    pointsScroll_->setValue(n_);
    loading_ = false;
    pointsField_->setText(QString::number(n_));
}

void IntegrationDialog::pointsScrolled(int value) {
    if (loading_) return;
    // Arrows and pages step by 2 from an odd count; a dragged thumb or
    // Home/End may land on an even one, which Simpson's rule cannot use.
    n_ = simpsonPointCount(value);
    showPoints();
    view_.settings().setPointCount(selector_->selected(), n_, false);
    pointsChanged_ = true;
    results_->clear();
}

void IntegrationDialog::done(int result) {
    QDialog::done(result);
    if (pointsChanged_) frame_.redrawAll();
}

void IntegrationDialog::calculate() {
    const int index = selector_->selected();
    // Each step is painted as it comes, so the bar shows where a long run is.
    const SimpsonProgress step = [this](std::int32_t position) {
        progress_->setValue(position);
        progress_->repaint();
    };
    std::int32_t n = n_;
    const std::optional<double> integral =
        simpson(view_.curves().at(index).tokens, index, a_, b_, n, step);
    results_->clear();
    if (!integral) {
        results_->addItem(QString::fromLatin1(kSimpsonFailureText));
        return;
    }
    for (const std::string& line : simpsonReport(n, a_, b_, *integral))
        results_->addItem(QString::fromStdString(line).trimmed());
}

}  // namespace orrery
