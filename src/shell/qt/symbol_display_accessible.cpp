#include "shell/qt/symbol_display_accessible.h"

#include <algorithm>

#include "shell/qt/symbol_display.h"

namespace orrery {
namespace {

QAccessibleInterface* symbolDisplayFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(SymbolDisplay::staticMetaObject.className()) &&
        object->isWidgetType())
        return new SymbolDisplayAccessible(static_cast<SymbolDisplay*>(object));
    return nullptr;
}

}  // namespace

SymbolDisplayAccessible::SymbolDisplayAccessible(SymbolDisplay* display)
    : QAccessibleWidget(display, QAccessible::StaticText) {}

void SymbolDisplayAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(symbolDisplayFactory);
        return true;
    }();
    (void)installed;
}

SymbolDisplay* SymbolDisplayAccessible::display() const {
    return static_cast<SymbolDisplay*>(widget());
}

void* SymbolDisplayAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString SymbolDisplayAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return display()->accessibleName();
        case QAccessible::Value:
            return display()->expressionText().text;
        default:
            return QAccessibleWidget::text(t);
    }
}

QAccessible::State SymbolDisplayAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
}

void SymbolDisplayAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
}

int SymbolDisplayAccessible::cursorPosition() const {
    return display()->expressionText().cursor;
}

QString SymbolDisplayAccessible::text(int startOffset, int endOffset) const {
    const QString all = display()->expressionText().text;
    startOffset = std::clamp(startOffset, 0, static_cast<int>(all.size()));
    endOffset = endOffset < 0 ? static_cast<int>(all.size())
                              : std::clamp(endOffset, startOffset, static_cast<int>(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int SymbolDisplayAccessible::characterCount() const {
    return static_cast<int>(display()->expressionText().text.size());
}

QString SymbolDisplayAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

}  // namespace orrery
