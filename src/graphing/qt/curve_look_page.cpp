#include "graphing/qt/curve_look_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "common/c_numeric.h"
#include "graphing/appearance_apply.h"
#include "graphing/curve_set.h"
#include "graphing/graph_settings.h"
#include "graphing/qt/curve_selector.h"

namespace orrery {

namespace {

QCheckBox* allCurvesBox(QWidget* parent, const char* name) {
    auto* box = new QCheckBox(QStringLiteral("All Curves"), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLineEdit* numberField(QWidget* parent, const char* name, int characters) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(field->fontMetrics().averageCharWidth() * characters + 16);
    return field;
}

// Radio buttons one under another, numbered from 0 in their group.
QButtonGroup* radioColumn(QGroupBox* box, QVBoxLayout* layout,
                          std::initializer_list<std::pair<const char*, const char*>> textsAndNames) {
    auto* buttons = new QButtonGroup(box);
    for (const auto& [text, name] : textsAndNames) {
        auto* radio = new QRadioButton(QString::fromLatin1(text), box);
        radio->setObjectName(QString::fromLatin1(name));
        buttons->addButton(radio, static_cast<int>(buttons->buttons().size()));
        layout->addWidget(radio);
    }
    return buttons;
}

}  // namespace

CurveLookPage::CurveLookPage(GraphSettings& working, const CurveSet& curves, QWidget* parent)
    : AppearancePage(parent), working_(working) {
    selector_ = new CurveSelector(this);
    selector_->setCurves(curves);
    connect(selector_, &CurveSelector::selectionChanged, this, [this] { reload(); });
    QGroupBox* select = selector_->inGroup(this);

    auto* notes = new QLabel(
        QStringLiteral("N.B. If you select a thickness > 1, the only line style available will be 'Solid'.\n"
                       "If the number of points > 40, the line style will probably not be apparent. "),
        this);
    notes->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(buildPoints(), 0, 0);
    grid->addWidget(buildThickness(), 0, 1);
    grid->addWidget(notes, 1, 0, 1, 2);
    grid->addWidget(buildStyles(), 2, 0);
    grid->addWidget(buildAxes(), 2, 1);
    grid->addWidget(select, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
}

QWidget* CurveLookPage::buildPoints() {
    auto* group = new QGroupBox(QStringLiteral("Number of points  (2 - 500)"), this);
    pointsBar_ = new QScrollBar(Qt::Horizontal, group);
    pointsBar_->setObjectName(QStringLiteral("pointsBar"));
    pointsBar_->setRange(kMinPoints, kMaxPoints);
    pointsBar_->setSingleStep(1);
    pointsBar_->setPageStep(16);
    pointsField_ = numberField(group, "pointsField", 5);
    pointsAll_ = allCurvesBox(group, "pointsAll");
    auto* layout = new QGridLayout(group);
    layout->addWidget(pointsBar_, 0, 0, 1, 2);
    layout->addWidget(pointsField_, 1, 0);
    layout->addWidget(pointsAll_, 1, 1);
    connect(pointsField_, &QLineEdit::textEdited, this, &CurveLookPage::pointsTyped);
    connect(pointsBar_, &QScrollBar::valueChanged, this, &CurveLookPage::pointsScrolled);
    connect(pointsAll_, &QCheckBox::clicked, this, &CurveLookPage::allBoxClicked);
    return group;
}

QWidget* CurveLookPage::buildThickness() {
    auto* group = new QGroupBox(QStringLiteral("Line thickness  (1 - 10)"), this);
    thickness_ = new QSlider(Qt::Horizontal, group);
    thickness_->setObjectName(QStringLiteral("thicknessSlider"));
    thickness_->setRange(1, 10);
    thickness_->setPageStep(1);
    thickness_->setTickPosition(QSlider::TicksBelow);
    thicknessField_ = numberField(group, "thicknessField", 3);
    thicknessField_->setReadOnly(true);
    thicknessAll_ = allCurvesBox(group, "thicknessAll");
    auto* layout = new QGridLayout(group);
    layout->addWidget(thickness_, 0, 0, 1, 2);
    layout->addWidget(thicknessField_, 1, 0);
    layout->addWidget(thicknessAll_, 1, 1);
    connect(thickness_, &QSlider::valueChanged, this, &CurveLookPage::thicknessMoved);
    connect(thicknessAll_, &QCheckBox::clicked, this, &CurveLookPage::allBoxClicked);
    return group;
}

QWidget* CurveLookPage::buildStyles() {
    auto* group = new QGroupBox(QStringLiteral("Line Style"), this);
    auto* layout = new QVBoxLayout(group);
    styles_ = radioColumn(group, layout,
                          {{"Solid", "styleSolid"}, {"Dash", "styleDash"}, {"Dash-Dot", "styleDashDot"},
                           {"Dash-Double-Dot", "styleDashDoubleDot"}});
    stylesAll_ = allCurvesBox(group, "styleAll");
    layout->addWidget(stylesAll_);
    connect(styles_, &QButtonGroup::idClicked, this,
            [this](int style) { working_.setLineStyle(curve(), style, working_.allStyles); });
    connect(stylesAll_, &QCheckBox::clicked, this, &CurveLookPage::allBoxClicked);
    return group;
}

QWidget* CurveLookPage::buildAxes() {
    auto* group = new QGroupBox(QStringLiteral("Axes"), this);
    auto* layout = new QVBoxLayout(group);
    axes_ = radioColumn(group, layout, {{"None", "axesNone"}, {"Cartesian", "axesCartesian"}, {"Boxed", "axesBoxed"}});
    layout->addStretch(1);
    connect(axes_, &QButtonGroup::idClicked, this, [this](int type) { working_.axesType = type; });
    return group;
}

int CurveLookPage::curve() const { return selector_->selected(); }

void CurveLookPage::reload() {
    const int i = curve();
    const std::int32_t points = working_.pointCount(i);
    const std::int32_t thickness = working_.thickness(i);
    const std::int32_t style = working_.lineStyle(i);
    {
        const QSignalBlocker blockBar(pointsBar_);
        const QSignalBlocker blockSlider(thickness_);
        pointsBar_->setValue(std::clamp(points, kMinPoints, kMaxPoints));
        pointsField_->setText(QString::number(points));
        thickness_->setValue(std::clamp(thickness, 1, 10));
        thicknessField_->setText(QString::number(thickness));
    }
    if (QAbstractButton* radio = styles_->button(style)) radio->setChecked(true);
    pointsAll_->setChecked(working_.allPoints);
    thicknessAll_->setChecked(working_.allThickness);
    stylesAll_->setChecked(working_.allStyles);
    if (QAbstractButton* radio = axes_->button(working_.axesType)) radio->setChecked(true);
    showStyleRule(thickness < 2);
    showLabel();
}

void CurveLookPage::pointsTyped(const QString& text) {
    // Anything but a count from 2 to 500 waits until it is corrected.
    const std::optional<int> n = scanInt(text.toStdString());
    if (!n || *n < kMinPoints || *n > kMaxPoints) return;
    const QSignalBlocker block(pointsBar_);
    pointsBar_->setValue(*n);
    working_.setPointCount(curve(), *n, working_.allPoints);
}

void CurveLookPage::pointsScrolled(int value) {
    pointsField_->setText(QString::number(value));
    working_.setPointCount(curve(), value, working_.allPoints);
}

void CurveLookPage::thicknessMoved(int value) {
    thicknessField_->setText(QString::number(value));
    const bool stylesUsable = setCurveThickness(working_, curve(), value);
    if (!stylesUsable) {
        styles_->button(0)->setChecked(true);
        stylesAll_->setChecked(working_.allStyles);
        showLabel();
    }
    showStyleRule(stylesUsable);
}

void CurveLookPage::showStyleRule(bool stylesUsable) {
    for (QAbstractButton* radio : styles_->buttons()) radio->setEnabled(stylesUsable);
}

void CurveLookPage::allBoxClicked() {
    working_.allPoints = pointsAll_->isChecked();
    working_.allThickness = thicknessAll_->isChecked();
    working_.allStyles = stylesAll_->isChecked();
    if (sender() == pointsAll_ && working_.allPoints)
        working_.setPointCount(curve(), working_.pointCount(curve()), true);
    showLabel();
}

void CurveLookPage::showLabel() {
    const bool same = working_.allPoints && working_.allThickness && working_.allStyles && selector_->count() > 1;
    selector_->setLabelOverride(same ? QStringLiteral("Same Options for all curves") : QString());
}

}  // namespace orrery
