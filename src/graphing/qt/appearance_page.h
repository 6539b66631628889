#pragma once

#include <QString>
#include <QWidget>

namespace orrery {

// One page of the appearance dialogs and sheets. A page edits the working
// copy of the settings its host holds; the same page class serves a dialog
// of its own and the settings sheet.
class AppearancePage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;
    ~AppearancePage() override;

    // Shows the working copy again (after a profile was loaded or reset).
    virtual void reload() = 0;
    // Takes what the page shows into the working copy before an apply;
    // false when the page refuses (it has said why).
    virtual bool commit() { return true; }
    // The working copy is live now: the page carries its own part further.
    virtual void applied() {}
    // Another page is being shown.
    virtual void leave() {}
    // The status line while the page is shown.
    virtual QString statusText() const { return {}; }

signals:
    // The page replaced the working copy (a profile loaded, defaults restored).
    void workingReplaced();
    // The page wants the working copy applied now.
    void applyRequested();
};

}  // namespace orrery
