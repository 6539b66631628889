#include "graphing/qt/appearance_sheet.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "graphing/qt/appearance_page.h"

namespace orrery {

AppearanceSheet::AppearanceSheet(const QString& title, const QString& closeText, std::vector<Page> pages,
                                 std::function<void()> takeLive, std::function<void()> announce,
                                 QWidget* parent)
    : QDialog(parent), takeLive_(std::move(takeLive)), announce_(std::move(announce)) {
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    if (pages.size() == 1) {
        layout->addWidget(pages.front().page);
    } else {
        tabs_ = new QTabWidget(this);
        tabs_->setObjectName(QStringLiteral("pages"));
        tabs_->setUsesScrollButtons(true);
        for (const Page& entry : pages) tabs_->addTab(entry.page, entry.tab);
        layout->addWidget(tabs_);
        connect(tabs_, &QTabWidget::currentChanged, this, &AppearanceSheet::pageChanged);
    }
    for (const Page& entry : pages) {
        pages_.push_back(entry.page);
        connect(entry.page, &AppearancePage::workingReplaced, this, [this] {
            for (AppearancePage* page : pages_) page->reload();
        });
        connect(entry.page, &AppearancePage::applyRequested, this, [this] { apply(); });
    }

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("statusLine"));
    status_->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(status_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    QPushButton* close = buttons->addButton(closeText, QDialogButtonBox::RejectRole);
    QPushButton* applyButton = buttons->addButton(QDialogButtonBox::Apply);
    ok->setObjectName(QStringLiteral("okButton"));
    close->setObjectName(QStringLiteral("closeButton"));
    applyButton->setObjectName(QStringLiteral("applyButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AppearanceSheet::accept);
    connect(close, &QPushButton::clicked, this, &AppearanceSheet::reject);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    layout->addWidget(buttons);

    for (AppearancePage* page : pages_) page->reload();
    showStatus();
    // Wide enough that most tabs show their names without scrolling.
    if (tabs_) resize(std::max(sizeHint().width(), fontMetrics().averageCharWidth() * 100), sizeHint().height());
}

void AppearanceSheet::showPage(int index) {
    if (tabs_) tabs_->setCurrentIndex(index);
}

int AppearanceSheet::currentPage() const { return tabs_ ? tabs_->currentIndex() : 0; }

void AppearanceSheet::pageChanged(int index) {
    if (index < 0) return;
    if (shown_ >= 0 && shown_ < static_cast<int>(pages_.size()) && shown_ != index)
        pages_[static_cast<std::size_t>(shown_)]->leave();
    shown_ = index;
    pages_[static_cast<std::size_t>(index)]->reload();
    showStatus();
}

void AppearanceSheet::showStatus() {
    const QString text = pages_.empty() ? QString() : pages_[static_cast<std::size_t>(currentPage())]->statusText();
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

bool AppearanceSheet::apply() {
    // Turning to a refusing page leaves the page shown, which may itself ask
    // for an apply: that one is this one.
    if (applying_) return false;
    applying_ = true;
    for (std::size_t k = 0; k < pages_.size(); ++k) {
        if (!pages_[k]->commit()) {
            showPage(static_cast<int>(k));
            applying_ = false;
            return false;
        }
    }
    applying_ = false;
    takeLive_();
    for (AppearancePage* page : pages_) page->applied();
    announce_();
    return true;
}

void AppearanceSheet::accept() {
    if (apply()) QDialog::accept();
}

}  // namespace orrery
