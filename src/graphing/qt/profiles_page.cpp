#include "graphing/qt/profiles_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/message_service.h"

namespace orrery {

namespace {

QPushButton* button(const char* text, const char* name, QWidget* parent) {
    auto* made = new QPushButton(QString::fromLatin1(text), parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

}  // namespace

ProfilesPage::ProfilesPage(SettingsStore& store, GraphSettings& working, MessageService& messages, QWidget* parent)
    : AppearancePage(parent), page_(store, working), messages_(messages) {
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("profileList"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("nameEdit"));
    QPushButton* load = button("Load", "loadButton", this);
    QPushButton* save = button("Save", "saveButton", this);
    QPushButton* reset = button("Reset (to Default)", "resetButton", this);
    QPushButton* remove = button("Delete", "deleteButton", this);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("Profile Name"), this));
    buttons->addWidget(name_);
    for (QPushButton* b : {load, save, reset, remove}) buttons->addWidget(b);
    buttons->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Load, save, reset or delete profile."), this), 0, 0, 1, 2);
    grid->addWidget(list_, 1, 0);
    grid->addLayout(buttons, 1, 1, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Built-in looks"), this), 2, 0);
    builtInList_ = new QListWidget(this);
    builtInList_->setObjectName(QStringLiteral("builtInList"));
    builtInList_->setMaximumHeight(builtInList_->fontMetrics().height() * 4);
    grid->addWidget(builtInList_, 3, 0);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        page_.pick(row);
        name_->setText(QString::fromStdString(page_.nameText()));
        const QSignalBlocker block(builtInList_);
        builtInList_->setCurrentRow(-1);
    });
    connect(builtInList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        page_.pick(static_cast<int>(page_.list().size()) + row);
        name_->setText(QString::fromStdString(page_.nameText()));
        const QSignalBlocker block(list_);
        list_->setCurrentRow(-1);
    });
    connect(name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { page_.setNameText(text.toStdString()); });
    connect(load, &QPushButton::clicked, this, &ProfilesPage::load);
    connect(save, &QPushButton::clicked, this, &ProfilesPage::save);
    connect(reset, &QPushButton::clicked, this, &ProfilesPage::reset);
    connect(remove, &QPushButton::clicked, this, &ProfilesPage::remove);

    showList();
    list_->setFocus();
}

void ProfilesPage::showList() {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const std::string& entry : page_.list()) list_->addItem(QString::fromStdString(entry));
    // The looks that come with the program, in a list of their own beside
    // the person's profiles; rows after the stored ones on the page.
    const QSignalBlocker blockBuiltIns(builtInList_);
    builtInList_->clear();
    for (const std::string& entry : page_.builtIns()) builtInList_->addItem(QString::fromStdString(entry));
    const int stored = static_cast<int>(page_.list().size());
    builtInList_->setCurrentRow(page_.selectedRow() >= stored ? page_.selectedRow() - stored : -1);
    list_->setCurrentRow(page_.selectedRow());
    name_->setText(QString::fromStdString(page_.nameText()));
}

void ProfilesPage::report(const std::optional<UserMessage>& message) {
    if (message) messages_.show(*message);
}

void ProfilesPage::load() {
    const std::optional<UserMessage> problem = page_.load();
    showList();
    report(problem);
    emit workingReplaced();
}

void ProfilesPage::save() {
    report(page_.save());
    showList();
}

void ProfilesPage::reset() {
    page_.reset();
    emit workingReplaced();
}

void ProfilesPage::remove() {
    report(page_.remove());
    showList();
}

void ProfilesPage::leave() {
    if (page_.resetHappened()) emit applyRequested();
}

}  // namespace orrery
