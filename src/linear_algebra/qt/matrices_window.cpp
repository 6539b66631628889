#include "linear_algebra/qt/matrices_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "linear_algebra/qt/cell_grid.h"

namespace orrery {
namespace {

constexpr int kA = 0;
constexpr int kB = 1;

MatrixOperation onOperand(MatrixOperation onA, int index) {
    return index == kA ? onA : static_cast<MatrixOperation>(static_cast<int>(onA) + 8);
}

}  // namespace

MatricesWindow::MatricesWindow(MessageService& messages, DialogService& dialogs, QWidget* parent)
    : WorkbenchWindow({QStringLiteral("Matrices"), QStringLiteral("&Copy Matrices to Clipboard"),
                       QStringLiteral("&Help for Matrices"), QStringLiteral("Matrix Print Preview")},
                      messages, dialogs, parent) {
    std::vector<QWidget*> cycle;
    const QString suffix[2] = {QStringLiteral("A"), QStringLiteral("B")};
    for (int i : {kA, kB}) {
        OperandControls& c = operands_[static_cast<std::size_t>(i)];
        c.rows = sizeCombo(QStringLiteral("Rows"), (i == kA ? QStringLiteral("a") : QStringLiteral("b")) + "Rows");
        c.cols = sizeCombo(QStringLiteral("Cols"), (i == kA ? QStringLiteral("a") : QStringLiteral("b")) + "Cols");
        c.grid = new CellGrid(QStringLiteral("cell") + suffix[i], false, this);
        connect(c.rows, &QComboBox::currentIndexChanged, this, [this, i] { reshape(i); });
        connect(c.cols, &QComboBox::currentIndexChanged, this, [this, i] { reshape(i); });
        cycle.push_back(c.rows);
        cycle.push_back(c.cols);
    }
    resultGrid_ = new CellGrid(QStringLiteral("cellR"), true, this);

    auto* sizes = new QHBoxLayout;
    sizes->addWidget(new QLabel(QStringLiteral("Left Matrix Dimensions"), this));
    sizes->addWidget(operands_[kA].rows);
    sizes->addWidget(operands_[kA].cols);
    sizes->addStretch(1);
    sizes->addWidget(new QLabel(QStringLiteral("Right Matrix Dimensions"), this));
    sizes->addWidget(operands_[kB].rows);
    sizes->addWidget(operands_[kB].cols);

    QWidget* buttonsA = buildOperandButtons(kA, suffix[kA], cycle);
    auto* between = new QVBoxLayout;
    between->addStretch(1);
    const struct {
        const char* caption;
        const char* name;
        MatrixOperation op;
    } twoOperand[] = {{"*", "product", MatrixOperation::Product},
                      {"+", "sum", MatrixOperation::Sum},
                      {"-", "difference", MatrixOperation::Difference}};
    for (const auto& t : twoOperand) {
        QAbstractButton* b = button(QString::fromLatin1(t.caption), QString::fromLatin1(t.name));
        b->setFixedWidth(40);
        const MatrixOperation op = t.op;
        connect(b, &QAbstractButton::clicked, this, [this, op] { perform(op); });
        between->addWidget(b);
        cycle.push_back(b);
    }
    between->addStretch(1);
    QWidget* buttonsB = buildOperandButtons(kB, suffix[kB], cycle);

    auto* operandsRow = new QHBoxLayout;
    operandsRow->addWidget(buttonsA);
    operandsRow->addWidget(operands_[kA].grid, 1, Qt::AlignTop);
    operandsRow->addLayout(between);
    operandsRow->addWidget(operands_[kB].grid, 1, Qt::AlignTop);
    operandsRow->addWidget(buttonsB);

    QAbstractButton* toA = button(QStringLiteral("A <- Result"), QStringLiteral("toA"));
    QAbstractButton* toB = button(QStringLiteral("Result -> B"), QStringLiteral("toB"));
    connect(toA, &QAbstractButton::clicked, this, [this] { transfer(kA); });
    connect(toB, &QAbstractButton::clicked, this, [this] { transfer(kB); });
    cycle.push_back(toA);
    cycle.push_back(toB);
    auto* transfers = new QHBoxLayout;
    transfers->addStretch(1);
    transfers->addWidget(toA);
    transfers->addWidget(toB);
    transfers->addStretch(1);

    auto* resultRow = new QHBoxLayout;
    resultRow->addStretch(1);
    resultRow->addWidget(resultGrid_, 4, Qt::AlignTop);
    resultRow->addStretch(1);

    auto* central = new QWidget(this);
    auto* page = new QVBoxLayout(central);
    page->addLayout(sizes);
    page->addLayout(operandsRow, 1);
    page->addWidget(new QLabel(QStringLiteral("Result"), this), 0, Qt::AlignHCenter);
    page->addLayout(resultRow, 1);
    page->addLayout(transfers);
    setCentralWidget(central);
    setTabCycle(std::move(cycle));
}

QWidget* MatricesWindow::buildOperandButtons(int index, const QString& suffix, std::vector<QWidget*>& cycle) {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const QString& caption, const QString& name, auto action) {
        QAbstractButton* b = button(caption, name + suffix);
        connect(b, &QAbstractButton::clicked, this, action);
        column->addWidget(b);
        cycle.push_back(b);
    };
    const auto box = [&](const QString& name, const QString& text) {
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(name + suffix);
        edit->setMaximumWidth(110);
        column->addWidget(edit);
        cycle.push_back(edit);
        return edit;
    };
    OperandControls& c = operands_[static_cast<std::size_t>(index)];
    add(QStringLiteral("Determinant"), QStringLiteral("determinant"),
        [this, index] { perform(onOperand(MatrixOperation::DeterminantA, index)); });
    add(QStringLiteral("Inverse"), QStringLiteral("inverse"),
        [this, index] { perform(onOperand(MatrixOperation::InverseA, index)); });
    add(QStringLiteral("Tranpose"), QStringLiteral("transpose"),
        [this, index] { perform(onOperand(MatrixOperation::TransposeA, index)); });
    add(QStringLiteral("Red. Echelon"), QStringLiteral("echelon"),
        [this, index] { perform(onOperand(MatrixOperation::EchelonA, index)); });
    add(QStringLiteral("Multiply"), QStringLiteral("multiply"),
        [this, index] { perform(onOperand(MatrixOperation::ScaleA, index)); });
    c.multiplyBox = box(QStringLiteral("multiplyBox"), QString());
    add(QStringLiteral("Fill"), QStringLiteral("fill"), [this, index] { fill(index); });
    c.fillBox = box(QStringLiteral("fillBox"), QStringLiteral("0"));
    add(QStringLiteral("Clear"), QStringLiteral("clear"), [this, index] { clear(index); });
    column->addStretch(1);
    return panel;
}

CellGrid& MatricesWindow::grid(Operand operand) const {
    switch (operand) {
    case Operand::Left: return *operands_[kA].grid;
    case Operand::Right: return *operands_[kB].grid;
    case Operand::Result: break;
    }
    return *resultGrid_;
}

QComboBox& MatricesWindow::sizeBox(Operand operand, bool rows) const {
    const OperandControls& c = operands_[operand == Operand::Right ? kB : kA];
    return rows ? *c.rows : *c.cols;
}

void MatricesWindow::reshape(int index) {
    OperandControls& c = operands_[static_cast<std::size_t>(index)];
    c.grid->setShape(chosenSize(*c.rows), chosenSize(*c.cols));
}

MatrixOperand MatricesWindow::operand(int index) const {
    const OperandControls& c = operands_[static_cast<std::size_t>(index)];
    const auto rows = static_cast<std::uint32_t>(chosenSize(*c.rows));
    const auto cols = static_cast<std::uint32_t>(chosenSize(*c.cols));
    return {rows, cols, c.grid->texts()};
}

void MatricesWindow::perform(MatrixOperation operation) {
    const MatrixOperand a = operand(kA);
    const MatrixOperand b = operand(kB);
    const bool onB = operation >= MatrixOperation::DeterminantB;
    const std::string factor = operands_[onB ? kB : kA].multiplyBox->text().toStdString();
    const MatrixOutcome outcome = performMatrixOperation(operation, a, b, factor);
    if (refuse(outcome.problem)) {
        if (outcome.focus) focusCell(grid(outcome.focus->operand), outcome.focus->cell);
        return;
    }
    result_ = outcome.result;
    resultTexts_ = outcome.texts;
    haveResult_ = true;
    resultGrid_->setShape(static_cast<int>(result_.rows()), static_cast<int>(result_.cols()));
    resultGrid_->setTexts(resultTexts_);
    operation_ = static_cast<int>(operation);
    readA_ = a;
    readB_ = b;
    factor_ = factor;
}

void MatricesWindow::fill(int index) {
    const MatrixOperand m = operand(index);
    const FillOutcome outcome =
        fillMatrix(m.rows, m.cols, operands_[static_cast<std::size_t>(index)].fillBox->text().toStdString());
    if (!refuse(outcome.problem))
        operands_[static_cast<std::size_t>(index)].grid->fill(QString::fromStdString(outcome.cellText));
}

void MatricesWindow::clear(int index) {
    const MatrixOperand m = operand(index);
    if (!refuse(checkClearMatrix(m.rows, m.cols))) operands_[static_cast<std::size_t>(index)].grid->clear();
}

void MatricesWindow::transfer(int index) {
    if (refuse(checkMatrixTransfer(haveResult_))) return;
    OperandControls& c = operands_[static_cast<std::size_t>(index)];
    c.rows->setCurrentIndex(static_cast<int>(result_.rows()));
    c.cols->setCurrentIndex(static_cast<int>(result_.cols()));
    reshape(index);
    c.grid->setTexts(resultTexts_);
    operation_ = matrixOperationAfterTransfer(operation_);
}

std::optional<PrintGrid> MatricesWindow::printed(int index, const char* caption) const {
    const MatrixOperand m = operand(index);
    if (m.rows == 0 || m.cols == 0) return std::nullopt;
    return PrintGrid{caption, m.rows, m.cols, m.cells};
}

std::optional<UserMessage> MatricesWindow::pictureProblem() const {
    return checkMatrixPrint(printed(kA, "A") || printed(kB, "B"));
}

SheetPicture MatricesWindow::picture() const {
    MatrixSheet sheet;
    sheet.a = printed(kA, "A");
    sheet.b = printed(kB, "B");
    if (haveResult_)
        sheet.result = PrintGrid{"Result", result_.rows(), result_.cols(), resultTexts_};
    const bool changed = (matrixOperationReads(operation_, Operand::Left) && !(operand(kA) == readA_)) ||
                         (matrixOperationReads(operation_, Operand::Right) && !(operand(kB) == readB_));
    sheet.operation = changed ? 0 : operation_;
    sheet.factor = factor_;
    return matrixPicture(sheet);
}

}  // namespace orrery
