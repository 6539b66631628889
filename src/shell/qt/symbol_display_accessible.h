#pragma once

#include <QAccessibleWidget>

namespace orrery {

class SymbolDisplay;

// The symbol display as assistive technology sees it: read-only text holding
// the current curve's expression, its caret at the display's cursor.
class SymbolDisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit SymbolDisplayAccessible(SymbolDisplay* display);

    // Makes Qt use this interface for every symbol display.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override;
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    SymbolDisplay* display() const;
};

}  // namespace orrery
