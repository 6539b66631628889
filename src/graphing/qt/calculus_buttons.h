#pragma once

#include <QString>
#include <functional>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace orrery {

// A push button found by its object name, which Enter never presses.
QPushButton* namedButton(const QString& text, const char* name, QWidget* parent);

// The dialogs' bottom row, right-aligned: the main action as the default
// button (Enter in a field presses it) and "Close" (closeButton).
QHBoxLayout* actionRow(QDialog* dialog, QPushButton* action, const std::function<void()>& close);

}  // namespace orrery
