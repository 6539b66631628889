#include "shell/qt/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/message_service.h"
#include "shell/about_automaton.h"
#include "shell/qt/automaton_view.h"

#ifndef ORRERY_VERSION
#define ORRERY_VERSION "0"
#endif

namespace orrery {

AboutBox::AboutBox(AboutAutomaton& automaton, MessageService& messages, QWidget* parent)
    : QDialog(parent), automaton_(automaton), messages_(messages) {
    setWindowTitle(QStringLiteral("About Orrery"));
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(QStringLiteral("Orrery " ORRERY_VERSION
                                              " \u2014 graphing, calculus, financial, statistics and regression"),
                               this);
    auto* maker = new QLabel(QStringLiteral("Quorvane Mathematics Inc. \u2014 free software for the Linux desktop"),
                             this);
    product->setObjectName(QStringLiteral("productLine"));
    maker->setObjectName(QStringLiteral("makerLine"));
    layout->addWidget(product);
    layout->addWidget(maker);

    view_ = new AutomatonView(automaton_, this);
    view_->setObjectName(QStringLiteral("automatonView"));
    layout->addWidget(view_, 0, Qt::AlignHCenter);

    auto* buttons = new QHBoxLayout;
    auto* evolveButton = new QPushButton(QStringLiteral("&Evolve"), this);
    auto* resetButton = new QPushButton(QStringLiteral("&Reset"), this);
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    evolveButton->setObjectName(QStringLiteral("evolveButton"));
    resetButton->setObjectName(QStringLiteral("resetButton"));
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    buttons->addWidget(evolveButton);
    buttons->addWidget(resetButton);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    connect(evolveButton, &QPushButton::clicked, this, &AboutBox::evolve);
    connect(resetButton, &QPushButton::clicked, this, &AboutBox::reset);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::evolve() {
    if (const std::optional<UserMessage> problem = automaton_.Evolve()) {
        messages_.show(*problem);
        return;
    }
    view_->refresh();
}

void AboutBox::reset() {
    automaton_.Reset();
    view_->refresh();
}

}  // namespace orrery
