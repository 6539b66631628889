#include "utilities/qt/conversions_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "common/qt/message_service.h"
#include "common/qt/named_controls.h"
#include "utilities/conversion_request.h"
#include "utilities/unit_table.h"

namespace orrery {
namespace {

QListWidget* makeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

std::optional<int> selectedRow(const QListWidget* list) {
    if (list->selectedItems().isEmpty()) return std::nullopt;
    return list->currentRow();
}

}  // namespace

ConversionsDialog::ConversionsDialog(int& rememberedType, MessageService& messages, QWidget* parent)
    : QDialog(parent), rememberedType_(rememberedType), messages_(messages) {
    setWindowTitle("Conversions");
    types_ = makeList(this, "typeList");
    from_ = makeList(this, "fromList");
    to_ = makeList(this, "toList");
    input_ = makeNamedBox(this, "inputEdit");
    input_->setMaxLength(kConversionInputLimit);
    // Enter converts, and Tab goes from the number to the button.
    QPushButton* convertButton = makeNamedButton(this, "Convert --->", "convertButton");
    convertButton->setDefault(true);
    result_ = makeNamedBox(this, "resultEdit", {}, true);
    QPushButton* help = makeNamedButton(this, "Help", "helpButton");
    QPushButton* close = makeNamedButton(this, "Close", "closeButton");

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Measurement Type", this), 0, 0);
    grid->addWidget(new QLabel("Units From:", this), 0, 1);
    grid->addWidget(new QLabel("Units To:", this), 0, 2);
    grid->addWidget(types_, 1, 0);
    grid->addWidget(from_, 1, 1);
    grid->addWidget(to_, 1, 2);
    auto* row = new QHBoxLayout;
    row->addWidget(input_);
    row->addWidget(convertButton);
    row->addWidget(result_, 1);
    grid->addLayout(row, 2, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);
    grid->addLayout(buttons, 3, 0, 1, 3);

    for (const std::string& name : measurementTypeNames()) types_->addItem(QString::fromStdString(name));
    if (!measurementTypeAt(rememberedType_)) rememberedType_ = 0;
    showType(rememberedType_);
    types_->setCurrentRow(rememberedType_);

    connect(types_, &QListWidget::currentRowChanged, this, [this](int type) {
        if (!measurementTypeAt(type)) return;
        rememberedType_ = type;
        showType(type);
    });
    connect(convertButton, &QPushButton::clicked, this, &ConversionsDialog::convert);
    connect(help, &QPushButton::clicked, this,
            [this] { messages_.show(UserMessage{"SO SORRY", "HELP NOT IMPLEMENTED YET"}); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    input_->setFocus();
}

void ConversionsDialog::showType(int type) {
    for (QListWidget* list : {from_, to_}) {
        list->clear();
        for (const std::string& name : unitNames(static_cast<MeasurementType>(type)))
            list->addItem(QString::fromStdString(name));
    }
    from_->setCurrentRow(0);
    to_->setCurrentRow(to_->count() > 1 ? 1 : 0);
}

void ConversionsDialog::convert() {
    const ConversionRequest request{selectedRow(types_).value_or(rememberedType_), selectedRow(from_),
                                    selectedRow(to_), input_->text().toStdString()};
    const ConversionOutcome outcome = runConversion(request);
    if (outcome.problem) {
        messages_.show(*outcome.problem);
        input_->setFocus();
        return;
    }
    result_->setText(QString::fromStdString(outcome.result));
}

}  // namespace orrery
