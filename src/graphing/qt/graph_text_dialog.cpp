#include "graphing/qt/graph_text_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/dialog_service.h"
#include "common/qt/qt_color.h"
#include "graphing/graph_view.h"
#include "graphing/qt/graph_widget.h"
#include "graphing/qt/nudge_button.h"

namespace orrery {

std::string storedGraphText(const QString& boxText) {
    QString text = boxText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

QString boxGraphText(const std::string& stored) {
    QString text = QString::fromStdString(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

GraphTextDialog::GraphTextDialog(GraphView& view, GraphWidget& graph, DialogService& dialogs, QWidget* parent)
    : QDialog(parent), view_(view), graph_(graph), dialogs_(dialogs), saved_(view.text()) {
    setWindowTitle(QStringLiteral("Graph Text"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    saved_.dragging = false;

    edit_ = new QPlainTextEdit(boxGraphText(view_.text().text), this);
    edit_->setObjectName(QStringLiteral("textEdit"));
    edit_->setPlaceholderText(QStringLiteral("Type the text to place on the graph"));
    edit_->setTabChangesFocus(true);

    auto* textRow = new QHBoxLayout;
    textRow->addWidget(edit_, 1);
    textRow->addWidget(buildArrowPad());

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    QPushButton* clear = buttons->addButton(QStringLiteral("Clear"), QDialogButtonBox::ResetRole);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    ok->setObjectName(QStringLiteral("okButton"));
    clear->setObjectName(QStringLiteral("clearButton"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &GraphTextDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &GraphTextDialog::reject);
    connect(clear, &QPushButton::clicked, this, &GraphTextDialog::clearText);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildStyleRow());
    layout->addLayout(textRow, 1);
    layout->addWidget(buttons);

    // Opening the dialog shows the text (or the marker where it will go).
    view_.text().shown = true;
    graph_.update();
}

QWidget* GraphTextDialog::buildStyleRow() {
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    GraphText& text = view_.text();

    fonts_ = new QComboBox(row);
    fonts_->setObjectName(QStringLiteral("fontList"));
    for (std::string_view name : kGraphTextFontNames)
        fonts_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    fonts_->setCurrentIndex(validFontIndex(text.fontIndex) ? text.fontIndex : GraphText::kDefaultFontIndex);
    connect(fonts_, &QComboBox::currentIndexChanged, this, [this](int i) {
        view_.text().fontIndex = i;
        graph_.update();
    });

    sizes_ = new QComboBox(row);
    sizes_->setObjectName(QStringLiteral("sizeList"));
    for (std::int32_t i = 0; i < kGraphTextSizeCount; ++i)
        sizes_->addItem(QString::fromStdString(graphTextSizeName(i)));
    sizes_->setCurrentIndex(validSizeIndex(text.sizeIndex) ? text.sizeIndex : GraphText::kDefaultSizeIndex);
    connect(sizes_, &QComboBox::currentIndexChanged, this, [this](int i) {
        view_.text().sizeIndex = i;
        graph_.update();
    });

    color_ = new QPushButton(QStringLiteral("Color..."), row);
    color_->setObjectName(QStringLiteral("colorButton"));
    showColor();
    connect(color_, &QPushButton::clicked, this, &GraphTextDialog::chooseColor);

    const auto style = [this, row](const char* name, const char* label, bool on, bool GraphText::*field) {
        auto* box = new QCheckBox(QString::fromLatin1(label), row);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(on);
        connect(box, &QCheckBox::toggled, this, [this, field](bool checked) {
            view_.text().*field = checked;
            graph_.update();
        });
        return box;
    };
    bold_ = style("boldCheck", "Bold", text.bold, &GraphText::bold);
    italic_ = style("italicCheck", "Italic", text.italic, &GraphText::italic);
    underline_ = style("underlineCheck", "Underline", text.underline, &GraphText::underline);

    grid->addWidget(new QLabel(QStringLiteral("Font:"), row), 0, 0);
    grid->addWidget(fonts_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Size:"), row), 0, 2);
    grid->addWidget(sizes_, 0, 3);
    grid->addWidget(color_, 0, 4);
    auto* styles = new QHBoxLayout;
    styles->addWidget(bold_);
    styles->addWidget(italic_);
    styles->addWidget(underline_);
    styles->addStretch(1);
    grid->addLayout(styles, 1, 1, 1, 4);
    grid->setColumnStretch(1, 1);
    return row;
}

QWidget* GraphTextDialog::buildArrowPad() {
    auto* pad = new QGroupBox(QStringLiteral("Position"), this);
    auto* grid = new QGridLayout(pad);
    const auto arrow = [this, pad, grid](NudgeDirection direction, const char* name, int row, int column) {
        auto* button = new NudgeButton(direction, pad);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QAbstractButton::clicked, this, [this, direction] {
            view_.nudgeText(direction);
            graph_.update();
        });
        grid->addWidget(button, row, column);
    };
    arrow(NudgeDirection::Up, "arrowUp", 0, 1);
    arrow(NudgeDirection::Left, "arrowLeft", 1, 0);
    arrow(NudgeDirection::Right, "arrowRight", 1, 2);
    arrow(NudgeDirection::Down, "arrowDown", 2, 1);
    return pad;
}

void GraphTextDialog::showColor() {
    const int side = fontMetrics().height();
    QPixmap swatch(side, side);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(toQColor(view_.text().color));
    painter.drawRect(0, 0, side - 1, side - 1);
    painter.end();
    color_->setIcon(QIcon(swatch));
}

void GraphTextDialog::chooseColor() {
    const std::optional<ColorRef> chosen = dialogs_.chooseColor(view_.text().color);
    if (!chosen) return;
    view_.text().color = *chosen;
    showColor();
    graph_.update();
}

void GraphTextDialog::clearText() {
    edit_->clear();
    view_.text().text.clear();
    graph_.update();
}

void GraphTextDialog::accept() {
    GraphText& text = view_.text();
    text.text = storedGraphText(edit_->toPlainText());
    text.shown = !text.text.empty();
    text.dragging = false;
    view_.settings().modified = true;
    graph_.textEdited();
    QDialog::accept();
}

void GraphTextDialog::dismiss() { QDialog::done(QDialog::Rejected); }

void GraphTextDialog::reject() {
    view_.text() = saved_;
    view_.text().shown = !saved_.text.empty();
    graph_.update();
    QDialog::reject();
}

}  // namespace orrery
