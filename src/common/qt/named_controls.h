#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace orrery {

// Dialog controls carry object names, so tests and tools find them by name.

// A push button that Enter does not press unless it is made the default.
inline QPushButton* makeNamedButton(QWidget* parent, const QString& text, const char* name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

inline QLineEdit* makeNamedBox(QWidget* parent, const char* name, const QString& text = {}, bool readOnly = false) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(readOnly);
    return box;
}

}  // namespace orrery
