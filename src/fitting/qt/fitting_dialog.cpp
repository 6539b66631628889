#include "fitting/qt/fitting_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/c_numeric.h"
#include "common/qt/dialog_service.h"
#include "common/qt/frame_hooks.h"
#include "common/qt/message_service.h"
#include "common/qt/named_controls.h"
#include "common/qt/qt_color.h"
#include "fitting/cell_reference.h"
#include "fitting/fit_calculation.h"
#include "fitting/fit_text.h"
#include "fitting/qt/fit_sketch.h"
#include "graphing/graph_view.h"

namespace orrery {
namespace {

QString qtext(const std::string& text) { return QString::fromStdString(text); }

QLineEdit* makeBox(QWidget* parent, const char* name, const std::string& text = {}, bool readOnly = false) {
    return makeNamedBox(parent, name, qtext(text), readOnly);
}

// While the columns are read: a progress bar over the status area that the
// import moves as it reads, and the wait cursor.
class ImportFeedback {
public:
    explicit ImportFeedback(QProgressBar& bar) : bar_(bar) {
        bar_.setRange(0, 100);
        bar_.setValue(0);
        bar_.show();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        bar_.repaint();
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    // Repaints at once: the reading holds the event loop.
    ReadProgress reporter() {
        return [this](int percent) {
            if (percent == bar_.value()) return;
            bar_.setValue(percent);
            bar_.repaint();
        };
    }
    ~ImportFeedback() {
        QApplication::restoreOverrideCursor();
        bar_.hide();
    }
    ImportFeedback(const ImportFeedback&) = delete;
    ImportFeedback& operator=(const ImportFeedback&) = delete;

private:
    QProgressBar& bar_;
};

}  // namespace

FittingDialog::FittingDialog(FitModel model, FittingMemory& memory, GraphView& view, MessageService& messages,
                             DialogService& dialogs, FrameHooks& frame, QWidget* parent)
    : QDialog(parent), model_(model), memory_(memory), view_(view), messages_(messages), dialogs_(dialogs),
      frame_(frame) {
    setWindowTitle(model == FitModel::Polynomial ? "Polynomial Curve Fitting" : "Exponential Curve Fitting");
    pointColor_ = view_.settings().originalPointColor(nextFitCurve(view_));

    progress_ = new QProgressBar(this);
    progress_->setObjectName("importProgress");
    progress_->setTextVisible(false);
    progress_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildWorksheet());
    layout->addWidget(buildCurve());
    layout->addWidget(buildAppearance());

    // Created after the boxes, so the tab order runs from the file box down.
    QPushButton* sketchButton = makeNamedButton(this, "Sketch", "sketchButton");
    QPushButton* calculateButton = makeNamedButton(this, "Calculate", "calculateButton");
    QPushButton* closeButton = makeNamedButton(this, "Close", "closeButton");
    sketchButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(sketchButton);
    buttons->addWidget(calculateButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    layout->addWidget(progress_);

    connect(sketchButton, &QPushButton::clicked, this, &FittingDialog::sketch);
    connect(calculateButton, &QPushButton::clicked, this, &FittingDialog::calculate);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    file_->setFocus();
}

QWidget* FittingDialog::buildWorksheet() {
    const SpreadsheetSource& source = memory_.source;
    file_ = makeBox(this, "fileEdit", source.filePath());
    QPushButton* browseButton = makeNamedButton(this, "Browse", "browseButton");
    sheet_ = makeBox(this, "sheetEdit", source.sheetName());
    topLeftColumn_ = makeBox(this, "topLeftColumnEdit", columnPart(source.topLeft()));
    topLeftRow_ = makeBox(this, "topLeftRowEdit", rowPart(source.topLeft()));
    bottomRightColumn_ = makeBox(this, "bottomRightColumnEdit", columnPart(source.bottomRight()));
    bottomRightRow_ = makeBox(this, "bottomRightRowEdit", rowPart(source.bottomRight()));
    connect(browseButton, &QPushButton::clicked, this, &FittingDialog::browse);

    auto* group = new QWidget(this);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(0, 0, 0, 0);

    auto* worksheet = new QGroupBox("Worksheet", group);
    auto* w = new QGridLayout(worksheet);
    w->addWidget(new QLabel("Excel File", worksheet), 0, 0);
    w->addWidget(file_, 0, 1);
    w->addWidget(browseButton, 0, 2);
    w->addWidget(new QLabel("Sheet Name", worksheet), 1, 0);
    w->addWidget(sheet_, 1, 1);
    column->addWidget(worksheet);

    auto* range = new QGroupBox("Cell Range", group);
    auto* r = new QGridLayout(range);
    r->addWidget(new QLabel("Column", range), 0, 1);
    r->addWidget(new QLabel("Row", range), 0, 2);
    r->addWidget(new QLabel("Top left", range), 1, 0);
    r->addWidget(topLeftColumn_, 1, 1);
    r->addWidget(topLeftRow_, 1, 2);
    r->addWidget(new QLabel("Bottom Right", range), 2, 0);
    r->addWidget(bottomRightColumn_, 2, 1);
    r->addWidget(bottomRightRow_, 2, 2);
    column->addWidget(range);
    return group;
}

QWidget* FittingDialog::buildCurve() {
    const bool polynomial = model_ == FitModel::Polynomial;
    auto* group = new QGroupBox("Approximating Curve", this);
    // The degree first: the tab order follows creation.
    if (polynomial) degree_ = makeBox(this, "degreeEdit", std::to_string(memory_.degree));
    equation_ = makeBox(this, "equationEdit",
                        polynomial ? polynomialGenericForm(memory_.degree) : exponentialGenericForm(), true);
    error_ = makeBox(this, "errorEdit", {}, true);
    points_ = makeBox(this, "pointsEdit", "0", true);
    // Room for "y = 1.0000000000*exp(1.0000000000x)".
    equation_->setMinimumWidth(equation_->fontMetrics().horizontalAdvance(QString(38, '0')));

    auto* g = new QGridLayout(group);
    int row = 0;
    if (polynomial) {
        // The arrows step the degree; the bar itself never moves.
        degreeScroll_ = new QScrollBar(Qt::Vertical, group);
        degreeScroll_->setObjectName("degreeScroll");
        degreeScroll_->setRange(0, 2);
        degreeScroll_->setValue(1);
        degreeScroll_->setFixedHeight(degree_->sizeHint().height());
        connect(degreeScroll_, &QScrollBar::actionTriggered, this, [this](int action) {
            switch (action) {
                case QAbstractSlider::SliderSingleStepSub:
                case QAbstractSlider::SliderPageStepSub: stepDegree(1); break;
                case QAbstractSlider::SliderSingleStepAdd:
                case QAbstractSlider::SliderPageStepAdd: stepDegree(-1); break;
                default: break;
            }
            degreeScroll_->setSliderPosition(1);
        });
        auto* degreeRow = new QHBoxLayout;
        degreeRow->addWidget(degree_);
        degreeRow->addWidget(degreeScroll_);
        g->addWidget(new QLabel("Degree", group), row, 0);
        g->addLayout(degreeRow, row++, 1);
    }
    g->addWidget(new QLabel("Equation", group), row, 0);
    g->addWidget(equation_, row++, 1);
    g->addWidget(new QLabel("Root Mean Squared Error", group), row, 0);
    g->addWidget(error_, row++, 1);
    g->addWidget(new QLabel("Number of points", group), row, 0);
    g->addWidget(points_, row++, 1);
    return group;
}

QWidget* FittingDialog::buildAppearance() {
    auto* group = new QGroupBox("Appearance", this);
    showOriginal_ = new QCheckBox("Show Original Points", group);
    showOriginal_->setObjectName("showOriginalCheck");
    showOriginal_->setChecked(memory_.showOriginalPoints);
    color_ = makeNamedButton(group, {}, "colorButton");
    color_->setFixedSize(40, 20);
    connect(color_, &QPushButton::clicked, this, &FittingDialog::chooseColor);
    showColor();
    auto* row = new QHBoxLayout(group);
    row->addWidget(showOriginal_);
    row->addStretch();
    row->addWidget(new QLabel("Set Original Point Colors", group));
    row->addWidget(color_);
    return group;
}

void FittingDialog::stepDegree(int step) {
    const int degree = orrery::stepDegree(scanInt(degree_->text().toStdString()).value_or(1), step);
    degree_->setText(QString::number(degree));
    equation_->setText(qtext(polynomialGenericForm(degree)));
}

void FittingDialog::browse() {
    const std::optional<std::string> path = dialogs_.openFileName(
        {"Browse", "Spreadsheets (*.xlsx *.ods *.csv *.xls);;All files (*)", file_->text().toStdString()});
    if (path) file_->setText(qtext(*path));
}

void FittingDialog::chooseColor() {
    if (const std::optional<ColorRef> chosen = dialogs_.chooseColor(pointColor_)) {
        pointColor_ = *chosen;
        showColor();
    }
}

void FittingDialog::showColor() {
    color_->setStyleSheet(QString("background-color: %1; border: 1px solid black;").arg(toQColor(pointColor_).name()));
}

bool FittingDialog::calculate() {
    const WorksheetEntries entries{file_->text().toStdString(),
                                   sheet_->text().toStdString(),
                                   topLeftColumn_->text().toStdString(),
                                   topLeftRow_->text().toStdString(),
                                   bottomRightColumn_->text().toStdString(),
                                   bottomRightRow_->text().toStdString()};
    FitOutcome outcome;
    {
        ImportFeedback feedback(*progress_);
        if (model_ == FitModel::Polynomial) {
            const std::string degreeText = degree_->text().toStdString();
            if (const auto degree = scanInt(degreeText); degree && *degree >= 1) memory_.degree = *degree;
            outcome = calculatePolynomialFit(memory_.source, memory_.fit, entries, degreeText, feedback.reporter());
        } else {
            outcome = calculateExponentialFit(memory_.source, memory_.fit, entries, feedback.reporter());
        }
    }
    if (outcome.message) {
        messages_.show(*outcome.message);
        return false;
    }
    points_->setText(QString::number(static_cast<qulonglong>(outcome.report->pointCount)));
    equation_->setText(qtext(outcome.report->equation));
    equation_->setCursorPosition(0);  // a long equation shows its start
    error_->setText(qtext(outcome.report->rmsError));
    return true;
}

void FittingDialog::sketch() {
    if (!calculate()) return;
    memory_.showOriginalPoints = showOriginal_->isChecked();
    if (sketchFit(memory_.fit, {memory_.showOriginalPoints, pointColor_}, view_, frame_)) accept();
}

}  // namespace orrery
