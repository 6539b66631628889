#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTabWidget;

namespace orrery {

class AppearancePage;

// The host of appearance pages: a dialog with one page, or a property sheet
// with a tab per page, and OK, Apply and Close (or Cancel). Apply lets every
// page commit into the working copy, makes the copy live through
// `takeLive`, lets each page carry its part further, then `announce`s the
// change; a page that refuses keeps the dialog open on that page and changes
// nothing live. Close discards the copy.
//
// Controls by object name: pages (the tab widget, sheets only), statusLine,
// okButton, applyButton, closeButton.
class AppearanceSheet : public QDialog {
    Q_OBJECT

public:
    struct Page {
        AppearancePage* page;
        QString tab;
    };

    AppearanceSheet(const QString& title, const QString& closeText, std::vector<Page> pages,
                    std::function<void()> takeLive, std::function<void()> announce,
                    QWidget* parent = nullptr);

    // The page shown first (sheets only).
    void showPage(int index);
    int currentPage() const;
    AppearancePage* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }

    // Apply: false when a page refused and nothing became live.
    bool apply();
    void accept() override;  // OK: apply, then close when nothing refused

private:
    void pageChanged(int index);
    void showStatus();

    std::vector<AppearancePage*> pages_;
    std::function<void()> takeLive_;
    std::function<void()> announce_;
    QTabWidget* tabs_ = nullptr;
    QLabel* status_ = nullptr;
    int shown_ = 0;
    bool applying_ = false;
};

}  // namespace orrery
