#include "graphing/qt/table_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "common/c_numeric.h"
#include "common/qt/dialog_service.h"
#include "common/qt/message_service.h"
#include "graphing/analysis_report.h"
#include "graphing/graph_view.h"
#include "graphing/qt/calculus_buttons.h"
#include "graphing/qt/curve_selector.h"
#include "graphing/qt/value_table_model.h"

namespace orrery {
namespace {

constexpr const char* kCaption = "Table of Values";

QString numberText(double value) { return QString::fromStdString(formatC("%.17g", value)); }

}  // namespace

TableWindow::TableWindow(GraphView& view, MessageService& messages, DialogService& dialogs, QWidget* parent)
    : QDialog(parent),
      view_(view),
      messages_(messages),
      dialogs_(dialogs),
      start_(new QLineEdit(this)),
      step_(new QLineEdit(this)),
      count_(new QLineEdit(this)),
      curves_(new QListWidget(this)),
      table_(new QTableView(this)),
      model_(new ValueTableModel(this)) {
    setWindowTitle(QString::fromUtf8(kCaption));
    start_->setObjectName(QStringLiteral("startEdit"));
    step_->setObjectName(QStringLiteral("stepEdit"));
    count_->setObjectName(QStringLiteral("countEdit"));
    curves_->setObjectName(QStringLiteral("curveList"));
    table_->setObjectName(QStringLiteral("table"));
    curves_->setMaximumHeight(90);
    table_->setModel(model_);
    // Fixed row heights: the view then never measures all 100,000 rows.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setDefaultSectionSize(170);
    table_->setMinimumSize(520, 300);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Start x:"), start_);
    form->addRow(QStringLiteral("S&tep:"), step_);
    form->addRow(QStringLiteral("&Rows:"), count_);
    form->addRow(QStringLiteral("C&urves:"), curves_);

    auto button = [this](const char* name, const char* text) {
        return namedButton(QString::fromUtf8(text), name, this);
    };
    QPushButton* showButton = button("showButton", "S&how");
    showButton->setDefault(true);
    QPushButton* copyButton = button("copyButton", "C&opy");
    QPushButton* saveButton = button("saveButton", "Sa&ve CSV...");
    QPushButton* closeButton = button("closeButton", "Close");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showButton);
    buttons->addWidget(copyButton);
    buttons->addWidget(saveButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    connect(showButton, &QPushButton::clicked, this, &TableWindow::showTable);
    connect(copyButton, &QPushButton::clicked, this, [this] {
        if (showTable()) dialogs_.setClipboardText(model_->csv());
    });
    connect(saveButton, &QPushButton::clicked, this, &TableWindow::save);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void TableWindow::refresh() {
    curves_->clear();
    const CurveSet& curves = view_.curves();
    for (std::int32_t i = 0; i < curves.count(); ++i) {
        auto* item = new QListWidgetItem(QString::number(i + 1) + QStringLiteral(": ") +
                                             CurveSelector::expressionText(curves.at(i)),
                                         curves_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(curves.at(i).tokens.empty() ? Qt::Unchecked : Qt::Checked);
    }
    const CurveLimits& range = view_.range();
    start_->setText(numberText(range.xMin));
    step_->setText(numberText((range.xMax - range.xMin) / 10));
    count_->setText(QStringLiteral("11"));
}

bool TableWindow::showTable() {
    auto refuse = [this](std::string text) {
        messages_.show({kCaption, std::move(text)});
        return false;
    };
    const std::optional<double> start = wholeNumberC(start_->text().trimmed().toStdString());
    const std::optional<double> step = wholeNumberC(step_->text().trimmed().toStdString());
    const std::optional<double> count = wholeNumberC(count_->text().trimmed().toStdString());
    if (!start || !step) return refuse("Please enter numbers in Start x and Step.");
    if (!count || *count != std::floor(*count) || !(std::fabs(*count) <= 1e9))
        return refuse("The number of rows needs to be from 1 to 100000.");
    const TableRange range{*start, *step, static_cast<std::int64_t>(*count)};
    if (auto problem = tableRangeProblem(range)) {
        messages_.show(*problem);
        return false;
    }
    std::vector<std::string> names;
    std::vector<CompiledExpression> programs;
    for (int i = 0; i < curves_->count(); ++i) {
        if (curves_->item(i)->checkState() != Qt::Checked) continue;
        const PreparedExpression prepared = compileCurve(view_.curves().at(i), i);
        if (!prepared.program) {
            messages_.show(*prepared.message);
            return false;
        }
        names.push_back(formatC("y%d", i + 1));
        programs.push_back(*prepared.program);
    }
    if (programs.empty()) return refuse("Please check at least one curve.");
    model_->setTable(range, std::move(names), std::move(programs));
    return true;
}

void TableWindow::save() {
    if (!showTable()) return;
    const std::optional<std::string> path =
        dialogs_.saveFileName({"Save Table of Values", "Comma-separated values (*.csv)", "table.csv"});
    if (!path) return;
    // Written beside the target and renamed over it: a failed save keeps the old file.
    QSaveFile file(QString::fromStdString(*path));
    const std::string text = model_->csv();
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(text.data(), static_cast<qint64>(text.size())) ==
                             static_cast<qint64>(text.size()) &&
                         file.commit();
    if (!written) messages_.show({kCaption, "Could not write the file " + *path + "."});
}

}  // namespace orrery
