#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

namespace orrery {

// The user manual: its contents on the left, the page on the right, back and
// forward through the pages seen, and a search box that finds a word on this
// page and then on the following pages. The pages are HTML carried in the
// program (qrc:/help/), one page a topic, so they read the same here and in
// a web browser.
//
// Controls by object name: contents, page, backButton, forwardButton,
// homeButton, searchBox, searchStatus.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // A section is a page's name without ".html" ("statistics", "shortcuts"),
    // optionally with an anchor ("graph#zoom"); an unknown one opens the contents.
    void showSection(const QString& section);
    // Finds the text after the selection, then on the pages after this one;
    // false when no page has it.
    bool find(const QString& text);

    QString currentSection() const;

private:
    QTextBrowser* browser_ = nullptr;
    QListWidget* contents_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLabel* status_ = nullptr;
    QStringList pages_;  // in the order of the contents

    void loadContents();
    void pageChanged(const QUrl& url);
};

}  // namespace orrery
