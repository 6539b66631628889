#include "graphing/qt/analysis_window.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/c_numeric.h"
#include "common/qt/dialog_service.h"
#include "common/qt/message_service.h"
#include "graphing/curve_analysis.h"
#include "graphing/graph_status.h"
#include "graphing/graph_view.h"
#include "graphing/qt/calculus_buttons.h"
#include "graphing/qt/curve_selector.h"
#include "graphing/qt/graph_widget.h"
#include "graphing/qt/result_markers.h"

namespace orrery {

AnalysisWindow::AnalysisWindow(GraphWidget& graph, MessageService& messages, DialogService& dialogs,
                               QWidget* parent)
    : QDialog(parent),
      graph_(graph),
      messages_(messages),
      dialogs_(dialogs),
      markers_(new ResultMarkers(graph, graph.view())),
      search_(new QComboBox(this)),
      curve_(new QComboBox(this)),
      second_(new QComboBox(this)),
      from_(new QLineEdit(this)),
      to_(new QLineEdit(this)),
      list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Analysis"));
    search_->setObjectName(QStringLiteral("searchCombo"));
    curve_->setObjectName(QStringLiteral("curveCombo"));
    second_->setObjectName(QStringLiteral("secondCombo"));
    from_->setObjectName(QStringLiteral("fromEdit"));
    to_->setObjectName(QStringLiteral("toEdit"));
    list_->setObjectName(QStringLiteral("resultList"));
    search_->addItems({QStringLiteral("Zeros"), QStringLiteral("Minima and maxima"),
                       QStringLiteral("Intersections")});
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list_->setMinimumWidth(620);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Find:"), search_);
    form->addRow(QStringLiteral("&Curve:"), curve_);
    form->addRow(QStringLiteral("&With curve:"), second_);
    form->addRow(QStringLiteral("F&rom x:"), from_);
    form->addRow(QStringLiteral("&To x:"), to_);

    auto button = [this](const char* name, const char* text) {
        return namedButton(QString::fromUtf8(text), name, this);
    };
    QPushButton* findButton = button("findButton", "Fi&nd");
    findButton->setDefault(true);
    QPushButton* copyButton = button("copyButton", "C&opy");
    QPushButton* closeButton = button("closeButton", "Close");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(findButton);
    buttons->addWidget(copyButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    second_->setEnabled(false);
    connect(search_, &QComboBox::currentIndexChanged, this,
            [this](int index) { second_->setEnabled(index == static_cast<int>(AnalysisSearch::Intersections)); });
    connect(curve_, &QComboBox::currentIndexChanged, this, [this] { proposeInterval(); });
    connect(findButton, &QPushButton::clicked, this, &AnalysisWindow::find);
    connect(copyButton, &QPushButton::clicked, this,
            [this] { dialogs_.setClipboardText(analysisText(results_)); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(list_, &QListWidget::currentRowChanged, this, &AnalysisWindow::resultClicked);
}

AnalysisWindow::~AnalysisWindow() { delete markers_.data(); }

ResultMarkers* AnalysisWindow::markers() const { return markers_; }

void AnalysisWindow::refresh() {
    const CurveSet& curves = graph_.view().curves();
    const QSignalBlocker blockCurve(curve_);
    curve_->clear();
    second_->clear();
    for (std::int32_t i = 0; i < curves.count(); ++i) {
        const QString text = QString::number(i + 1) + QStringLiteral(": ") +
                             CurveSelector::expressionText(curves.at(i));
        curve_->addItem(text);
        second_->addItem(text);
    }
    curve_->setCurrentIndex(curves.currentIndex());
    second_->setCurrentIndex(curves.count() > 1 && curves.currentIndex() == 0 ? 1 : 0);
    proposeInterval();
}

void AnalysisWindow::proposeInterval() {
    const GraphView& view = graph_.view();
    const int index = curve_->currentIndex();
    if (index < 0 || index >= view.curves().count()) return;
    const auto [from, to] = visibleInterval(view.range(), view.curves().at(index).limits);
    from_->setText(QString::fromStdString(formatC("%.17g", from)));
    to_->setText(QString::fromStdString(formatC("%.17g", to)));
}

void AnalysisWindow::find() {
    GraphView& view = graph_.view();
    const int index = curve_->currentIndex();
    const AnalysisSearch search = static_cast<AnalysisSearch>(search_->currentIndex());
    const std::optional<double> from = wholeNumberC(from_->text().trimmed().toStdString());
    const std::optional<double> to = wholeNumberC(to_->text().trimmed().toStdString());
    auto refuse = [this](const UserMessage& message) {
        messages_.show(message);
        return;
    };
    if (!from || !to) return refuse({"Analysis", "Please enter a number in From x and To x."});
    if (auto problem = analysisIntervalProblem(*from, *to)) return refuse(*problem);
    if (index < 0 || index >= view.curves().count()) return;
    const PreparedExpression curve = compileCurve(view.curves().at(index), index);
    if (!curve.program) return refuse(*curve.message);
    std::optional<PreparedExpression> other;
    if (search == AnalysisSearch::Intersections) {
        const int secondIndex = second_->currentIndex();
        if (secondIndex == index || secondIndex < 0)
            return refuse({"Analysis", "Please choose two different curves to intersect."});
        other = compileCurve(view.curves().at(secondIndex), secondIndex);
        if (!other->program) return refuse(*other->message);
    }
    results_ = analyse(search, *curve.program, other ? &*other->program : nullptr, *from, *to,
                       view.settings().pointCount(index));

    const QSignalBlocker block(list_);
    list_->clear();
    for (std::size_t i = 0; i < results_.size(); ++i)
        list_->addItem(QString::fromStdString(analysisLine(i + 1, results_[i])));
    if (results_.empty()) {
        auto* none = new QListWidgetItem(QStringLiteral("None found."), list_);
        none->setFlags(Qt::NoItemFlags);
    }
    if (markers_) markers_->show(index, results_);
}

void AnalysisWindow::resultClicked(int row) {
    if (row < 0 || row >= static_cast<int>(results_.size())) return;
    if (markers_) markers_->select(row);
    emit graph_.statusTexts(coordinateStatus(results_[row].x, results_[row].y));
}

void AnalysisWindow::hideEvent(QHideEvent* event) {
    if (markers_) markers_->clear();
    QDialog::hideEvent(event);
}

}  // namespace orrery
