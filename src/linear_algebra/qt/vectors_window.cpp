#include "linear_algebra/qt/vectors_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "linear_algebra/qt/cell_grid.h"

namespace orrery {
namespace {

constexpr int kA = 0;
constexpr int kB = 1;

// The operations on B follow those on A, four further on.
VectorOperation onVector(VectorOperation onA, int index) {
    return index == kA ? onA : static_cast<VectorOperation>(static_cast<int>(onA) + 4);
}

}  // namespace

VectorsWindow::VectorsWindow(MessageService& messages, DialogService& dialogs, QWidget* parent)
    : WorkbenchWindow({QStringLiteral("Vectors"), QStringLiteral("&Copy Vectors to Clipboard"),
                       QStringLiteral("&Help for Vectors"), QStringLiteral("Vector Print Preview")},
                      messages, dialogs, parent) {
    std::vector<QWidget*> cycle;
    const QString suffix[2] = {QStringLiteral("A"), QStringLiteral("B")};
    auto* sizes = new QHBoxLayout;
    for (int i : {kA, kB}) {
        VectorControls& v = vectors_[static_cast<std::size_t>(i)];
        v.size = sizeCombo(QStringLiteral("Dim"), i == kA ? QStringLiteral("aDim") : QStringLiteral("bDim"));
        v.grid = new CellGrid(QStringLiteral("cell") + suffix[i], false, this);
        connect(v.size, &QComboBox::currentIndexChanged, this, [this, i] { reshape(i); });
        cycle.push_back(v.size);
        if (i == kB) sizes->addStretch(1);
        sizes->addWidget(new QLabel(suffix[i] + QStringLiteral(": Dimension"), this));
        sizes->addWidget(v.size);
    }
    resultGrid_ = new CellGrid(QStringLiteral("cellR"), true, this);

    auto* rows = new QGridLayout;
    const QString rowNames[3] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Result")};
    CellGrid* rowGrids[3] = {vectors_[kA].grid, vectors_[kB].grid, resultGrid_};
    for (int r = 0; r < 3; ++r) {
        rows->addWidget(new QLabel(rowNames[r], this), r, 0);
        rows->addWidget(rowGrids[r], r, 1);
    }
    rows->setColumnStretch(1, 1);

    QWidget* panelA = buildVectorPanel(kA, suffix[kA], cycle);
    QWidget* between = buildBetweenButtons(cycle);
    QWidget* panelB = buildVectorPanel(kB, suffix[kB], cycle);
    auto* controls = new QHBoxLayout;
    controls->addWidget(panelA);
    controls->addWidget(between, 1);
    controls->addWidget(panelB);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    const struct {
        const char* caption;
        const char* name;
    } closing[] = {{"A <- Result", "toA"}, {"Result -> B", "toB"}, {"Close", "close"}};
    for (const auto& c : closing) {
        QAbstractButton* b = button(QString::fromLatin1(c.caption), QString::fromLatin1(c.name));
        bottom->addWidget(b);
        cycle.push_back(b);
    }
    bottom->addStretch(1);
    connect(findChild<QAbstractButton*>(QStringLiteral("toA")), &QAbstractButton::clicked, this,
            [this] { transfer(kA); });
    connect(findChild<QAbstractButton*>(QStringLiteral("toB")), &QAbstractButton::clicked, this,
            [this] { transfer(kB); });
    connect(findChild<QAbstractButton*>(QStringLiteral("close")), &QAbstractButton::clicked, this, &QWidget::close);

    auto* central = new QWidget(this);
    auto* page = new QVBoxLayout(central);
    page->addLayout(sizes);
    page->addLayout(rows);
    page->addLayout(controls);
    page->addStretch(1);
    page->addLayout(bottom);
    setCentralWidget(central);
    setTabCycle(std::move(cycle));
    reshape(kA);
    reshape(kB);
}

QWidget* VectorsWindow::buildVectorPanel(int index, const QString& suffix, std::vector<QWidget*>& cycle) {
    auto* panel = new QGroupBox(QStringLiteral("Vector ") + suffix, this);
    auto* grid = new QGridLayout(panel);
    VectorControls& v = vectors_[static_cast<std::size_t>(index)];
    int row = 0;
    const auto add = [&](const QString& caption, const QString& name, auto action) {
        QAbstractButton* b = button(caption, name + suffix);
        connect(b, &QAbstractButton::clicked, this, action);
        grid->addWidget(b, row, 0);
        cycle.push_back(b);
        return b;
    };
    const auto box = [&](const QString& name, const QString& text) {
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(name + suffix);
        edit->setMaximumWidth(90);
        cycle.push_back(edit);
        return edit;
    };
    add(QStringLiteral("Norm"), QStringLiteral("norm"), [this, index] { perform(onVector(VectorOperation::NormA, index)); });
    ++row;
    add(QStringLiteral("Normalize"), QStringLiteral("normalize"),
        [this, index] { perform(onVector(VectorOperation::NormalizeA, index)); });
    ++row;
    add(QStringLiteral("Rotate"), QStringLiteral("rotate"),
        [this, index] { perform(onVector(VectorOperation::RotateA, index)); });
    auto* angles = new QHBoxLayout;
    for (std::size_t k = 0; k < v.angles.size(); ++k) {
        v.angles[k] = box(QStringLiteral("angle") + QString::number(k), QString());
        v.angles[k]->setMaximumWidth(60);
        angles->addWidget(v.angles[k]);
    }
    grid->addLayout(angles, row, 1);
    ++row;
    v.radians = new QCheckBox(QStringLiteral("Radians"), this);
    v.degrees = new QCheckBox(QStringLiteral("Degrees"), this);
    v.radians->setObjectName(QStringLiteral("radians") + suffix);
    v.degrees->setObjectName(QStringLiteral("degrees") + suffix);
    v.radians->setChecked(true);
    // A click flips the box clicked; its partner always shows the other choice.
    connect(v.radians, &QCheckBox::clicked, this, [this, index](bool on) { setUnits(index, on); });
    connect(v.degrees, &QCheckBox::clicked, this, [this, index](bool on) { setUnits(index, !on); });
    cycle.push_back(v.radians);
    cycle.push_back(v.degrees);
    grid->addWidget(v.radians, row, 0);
    grid->addWidget(v.degrees, row, 1);
    ++row;
    add(QStringLiteral("Multiply"), QStringLiteral("multiply"),
        [this, index] { perform(onVector(VectorOperation::ScaleA, index)); });
    v.multiplyBox = box(QStringLiteral("multiplyBox"), QString());
    grid->addWidget(v.multiplyBox, row++, 1);
    add(QStringLiteral("Fill"), QStringLiteral("fill"), [this, index] { fill(index); });
    v.fillBox = box(QStringLiteral("fillBox"), QStringLiteral("0"));
    grid->addWidget(v.fillBox, row++, 1);
    add(QStringLiteral("Clear"), QStringLiteral("clear"), [this, index] { clear(index); });
    grid->setRowStretch(row + 1, 1);
    return panel;
}

QWidget* VectorsWindow::buildBetweenButtons(std::vector<QWidget*>& cycle) {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    const struct {
        const char* caption;
        const char* name;
        const char* tip;
        VectorOperation op;
    } buttons[] = {
        {".", "dot", "Dot product", VectorOperation::Dot},
        {"x", "cross", "Cross product", VectorOperation::Cross},
        {"+", "sum", "A + B", VectorOperation::Sum},
        {"-", "difference", "A - B", VectorOperation::Difference},
        {"Proj B on A", "projBOnA", "The projection of B on A", VectorOperation::ProjectBOnA},
        {"Proj A on B", "projAOnB", "The projection of A on B", VectorOperation::ProjectAOnB},
        {"Perp B to A", "perpBToA", "B minus its projection on A", VectorOperation::PerpendicularBToA},
        {"Perp A to B", "perpAToB", "A minus its projection on B", VectorOperation::PerpendicularAToB},
    };
    int k = 0;
    for (const auto& t : buttons) {
        QAbstractButton* b = button(QString::fromLatin1(t.caption), QString::fromLatin1(t.name));
        b->setToolTip(QString::fromLatin1(t.tip));
        const VectorOperation op = t.op;
        connect(b, &QAbstractButton::clicked, this, [this, op] { perform(op); });
        grid->addWidget(b, k < 4 ? 0 : 1 + (k - 4) / 2, k < 4 ? k : (k - 4) % 2 * 2, 1, k < 4 ? 1 : 2);
        cycle.push_back(b);
        ++k;
    }
    grid->setRowStretch(3, 1);
    return panel;
}

CellGrid& VectorsWindow::grid(Operand operand) const {
    switch (operand) {
    case Operand::Left: return *vectors_[kA].grid;
    case Operand::Right: return *vectors_[kB].grid;
    case Operand::Result: break;
    }
    return *resultGrid_;
}

QComboBox& VectorsWindow::sizeBox(Operand operand) const {
    return *vectors_[operand == Operand::Right ? kB : kA].size;
}

void VectorsWindow::reshape(int index) {
    VectorControls& v = vectors_[static_cast<std::size_t>(index)];
    const int n = chosenSize(*v.size);
    v.grid->setShape(n > 0 ? 1 : 0, n);
    // One angle turns a plane vector, three turn a vector in space.
    const int angles = n == 2 ? 1 : n == 3 ? 3 : 0;
    for (int k = 0; k < 3; ++k) v.angles[static_cast<std::size_t>(k)]->setVisible(k < angles);
}

void VectorsWindow::setUnits(int index, bool radians) {
    VectorControls& v = vectors_[static_cast<std::size_t>(index)];
    v.radians->setChecked(radians);
    v.degrees->setChecked(!radians);
}

VectorOperand VectorsWindow::operand(int index) const {
    const VectorControls& v = vectors_[static_cast<std::size_t>(index)];
    VectorOperand o;
    o.size = static_cast<std::size_t>(chosenSize(*v.size));
    o.cells = v.grid->texts();
    for (QLineEdit* angle : v.angles) o.angles.push_back(angle->text().toStdString());
    o.radians = v.radians->isChecked();
    o.factor = v.multiplyBox->text().toStdString();
    return o;
}

void VectorsWindow::perform(VectorOperation operation) {
    const VectorOperand a = operand(kA);
    const VectorOperand b = operand(kB);
    const VectorOutcome outcome = performVectorOperation(operation, a, b);
    if (refuse(outcome.problem)) {
        if (outcome.focus) focusCell(grid(outcome.focus->operand), outcome.focus->cell);
        return;
    }
    resultTexts_ = outcome.texts;
    haveResult_ = true;
    const int n = static_cast<int>(resultTexts_.size());
    resultGrid_->setShape(n > 0 ? 1 : 0, n);
    resultGrid_->setTexts(resultTexts_);
    operation_ = vectorOperationCode(operation);
    readA_ = a;
    readB_ = b;
}

void VectorsWindow::fill(int index) {
    VectorControls& v = vectors_[static_cast<std::size_t>(index)];
    const FillOutcome outcome =
        fillVector(index == kA, static_cast<std::size_t>(chosenSize(*v.size)), v.fillBox->text().toStdString());
    if (!refuse(outcome.problem)) v.grid->fill(QString::fromStdString(outcome.cellText));
}

void VectorsWindow::clear(int index) {
    VectorControls& v = vectors_[static_cast<std::size_t>(index)];
    if (!refuse(checkClearVector(index == kA, static_cast<std::size_t>(chosenSize(*v.size))))) v.grid->clear();
}

void VectorsWindow::transfer(int index) {
    if (refuse(checkVectorTransfer(haveResult_))) return;
    VectorControls& v = vectors_[static_cast<std::size_t>(index)];
    v.size->setCurrentIndex(static_cast<int>(resultTexts_.size()));
    reshape(index);
    v.grid->setTexts(resultTexts_);
}

std::optional<PrintGrid> VectorsWindow::printed(int index, const char* caption) const {
    const VectorOperand v = operand(index);
    if (v.size == 0) return std::nullopt;
    return PrintGrid{caption, 1, static_cast<std::uint32_t>(v.size), v.cells};
}

std::optional<UserMessage> VectorsWindow::pictureProblem() const {
    return checkVectorPrint(printed(kA, "A") || printed(kB, "B"));
}

SheetPicture VectorsWindow::picture() const {
    VectorSheet sheet;
    sheet.a = printed(kA, "A");
    sheet.b = printed(kB, "B");
    if (haveResult_)
        sheet.result = PrintGrid{"Result", 1, static_cast<std::uint32_t>(resultTexts_.size()), resultTexts_};
    // Only the components matter here: boxes edited since do not change what was computed.
    const auto differs = [this](int index, const VectorOperand& read) {
        const VectorOperand now = operand(index);
        return now.size != read.size || now.cells != read.cells;
    };
    const bool changed = (vectorOperationReads(operation_, Operand::Left) && differs(kA, readA_)) ||
                         (vectorOperationReads(operation_, Operand::Right) && differs(kB, readB_));
    sheet.operation = changed ? 0 : operation_;
    const bool onB = operation_ >= vectorOperationCode(VectorOperation::NormB) &&
                     operation_ <= vectorOperationCode(VectorOperation::ScaleB);
    const VectorOperand& read = onB ? readB_ : readA_;
    sheet.factor = read.factor;
    const std::size_t angleCount = read.size == 2 ? 1 : 3;
    sheet.angles.assign(read.angles.begin(), read.angles.begin() + std::min(angleCount, read.angles.size()));
    sheet.radians = read.radians;
    return vectorPicture(sheet);
}

}  // namespace orrery
