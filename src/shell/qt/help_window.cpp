#include "shell/qt/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace orrery {
namespace {

const QString kRoot = QStringLiteral("qrc:/help/");

QString pageText(const QString& page) {
    QFile file(QStringLiteral(":/help/") + page + QStringLiteral(".html"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    return document.toPlainText();
}

QToolButton* toolButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Orrery Help"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* back = toolButton(QStringLiteral("backButton"), QStringLiteral("\u25C0 Back"), this);
    auto* forward = toolButton(QStringLiteral("forwardButton"), QStringLiteral("Forward \u25B6"), this);
    auto* home = toolButton(QStringLiteral("homeButton"), QStringLiteral("Contents"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("searchBox"));
    search_->setPlaceholderText(QStringLiteral("Search the manual"));
    search_->setClearButtonEnabled(true);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("searchStatus"));
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addWidget(home);
    bar->addStretch(1);
    bar->addWidget(status_);
    bar->addWidget(search_);
    layout->addLayout(bar);

    auto* splitter = new QSplitter(this);
    contents_ = new QListWidget(splitter);
    contents_->setObjectName(QStringLiteral("contents"));
    browser_ = new QTextBrowser(splitter);
    browser_->setObjectName(QStringLiteral("page"));
    // Links out of the manual (none today) go to the desktop's browser.
    browser_->setOpenExternalLinks(true);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 660});
    contents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contents_->setTextElideMode(Qt::ElideRight);
    // The pages' own style, for a browser that does not load linked sheets.
    QFile style(QStringLiteral(":/help/manual.css"));
    if (style.open(QIODevice::ReadOnly)) browser_->document()->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    layout->addWidget(splitter, 1);
    resize(960, 680);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { showSection(QStringLiteral("index")); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showSection(pages_.value(contents_->row(item))); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showSection(pages_.value(contents_->row(item))); });
    connect(search_, &QLineEdit::returnPressed, this, [this] { find(search_->text()); });
    auto* focusSearch = new QShortcut(QKeySequence::Find, this);
    connect(focusSearch, &QShortcut::activated, this, [this] {
        search_->setFocus();
        search_->selectAll();
    });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    loadContents();
    showSection(QStringLiteral("index"));
}

void HelpWindow::loadContents() {
    QFile index(QStringLiteral(":/help/index.html"));
    if (!index.open(QIODevice::ReadOnly)) return;
    static const QRegularExpression entry(QStringLiteral("<a class=\"toc\" href=\"([a-z0-9-]+)\\.html\">([^<]*)</a>"));
    auto matches = entry.globalMatch(QString::fromUtf8(index.readAll()));
    pages_ << QStringLiteral("index");
    contents_->addItem(QStringLiteral("Contents"));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        pages_ << match.captured(1);
        contents_->addItem(match.captured(2));
    }
}

void HelpWindow::showSection(const QString& section) {
    QString page = section.section(QLatin1Char('#'), 0, 0);
    const QString anchor = section.section(QLatin1Char('#'), 1);
    if (!pages_.contains(page)) page = QStringLiteral("index");
    QUrl url(kRoot + page + QStringLiteral(".html"));
    if (!anchor.isEmpty() && page == section.section(QLatin1Char('#'), 0, 0)) url.setFragment(anchor);
    browser_->setSource(url);
    // The browser tells of a new page later when the address has an anchor.
    pageChanged(url);
}

QString HelpWindow::currentSection() const {
    const QUrl url = browser_->source();
    QString page = url.fileName();
    page.chop(5);  // ".html"
    return url.hasFragment() ? page + QLatin1Char('#') + url.fragment() : page;
}

void HelpWindow::pageChanged(const QUrl& url) {
    QString page = url.fileName();
    page.chop(5);
    const int row = static_cast<int>(pages_.indexOf(page));
    if (row >= 0) contents_->setCurrentRow(row);
    setWindowTitle(browser_->documentTitle().isEmpty()
                       ? QStringLiteral("Orrery Help")
                       : QStringLiteral("Orrery Help \u2014 ") + browser_->documentTitle());
}

bool HelpWindow::find(const QString& text) {
    status_->clear();
    if (text.trimmed().isEmpty()) return false;
    if (browser_->find(text)) return true;
    // On to the next page that has it, the current one last (from its top).
    QString current = browser_->source().fileName();
    current.chop(5);
    const int here = std::max(0, static_cast<int>(pages_.indexOf(current)));
    for (int step = 1; step <= pages_.size(); ++step) {
        const QString& page = pages_[(here + step) % pages_.size()];
        if (!pageText(page).contains(text, Qt::CaseInsensitive)) continue;
        if (page != current) showSection(page);
        browser_->moveCursor(QTextCursor::Start);
        if (browser_->find(text)) return true;
    }
    status_->setText(QStringLiteral("Not found"));
    return false;
}

}  // namespace orrery
