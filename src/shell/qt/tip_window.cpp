#include "shell/qt/tip_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "persistence/tip_number.h"
#include "shell/tip_book.h"

namespace orrery {

TipWindow::TipWindow(SettingsStore& store, QWidget* parent)
    : QDialog(parent), store_(store), book_(std::make_unique<TipBook>(store)) {
    setWindowTitle(QStringLiteral("Tip of the Day"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("<b>Did you know\u2026</b>"), this);
    layout->addWidget(heading);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("tipText"));
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QFontMetrics metrics(font());
    text_->setFixedWidth(48 * metrics.averageCharWidth());
    text_->setMinimumHeight(7 * metrics.lineSpacing());
    layout->addWidget(text_, 1);

    showAtStart_ = new QCheckBox(QStringLiteral("Show tips at start-up"), this);
    showAtStart_->setObjectName(QStringLiteral("showAtStart"));
    showAtStart_->setChecked(ReadShowTips(store_));
    connect(showAtStart_, &QCheckBox::toggled, this, [this](bool on) { WriteShowTips(store_, on); });

    auto* buttons = new QDialogButtonBox(this);
    auto* previous = buttons->addButton(QStringLiteral("&Previous"), QDialogButtonBox::ActionRole);
    auto* next = buttons->addButton(QStringLiteral("&Next"), QDialogButtonBox::ActionRole);
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    previous->setObjectName(QStringLiteral("previousButton"));
    next->setObjectName(QStringLiteral("nextButton"));
    close->setObjectName(QStringLiteral("closeButton"));
    next->setDefault(true);
    connect(previous, &QPushButton::clicked, this, [this] { showTip(book_->TakePreviousTip()); });
    connect(next, &QPushButton::clicked, this, [this] { showTip(book_->TakeTip()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(showAtStart_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showTip(book_->TakeTip());
}

TipWindow::~TipWindow() = default;

QString TipWindow::tipText() const { return text_->text(); }

void TipWindow::showTip(std::string_view tip) {
    // The stored texts keep their tabs and double blanks; a label shows them as one blank.
    text_->setText(QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size())).simplified());
}

}  // namespace orrery
