#include "graphing/qt/calculus_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace orrery {

QPushButton* namedButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* actionRow(QDialog* dialog, QPushButton* action, const std::function<void()>& close) {
    action->setDefault(true);
    QPushButton* closeButton = namedButton(QStringLiteral("Close"), "closeButton", dialog);
    QObject::connect(closeButton, &QPushButton::clicked, dialog, close);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(action);
    row->addWidget(closeButton);
    return row;
}

}  // namespace orrery
