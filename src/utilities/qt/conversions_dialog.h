#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace orrery {

class MessageService;

// The modal "Conversions" dialog: a measurement type, a unit to convert from
// and one to convert to, the number typed and the result. The type chosen
// last is kept in `rememberedType`, which outlives the dialog.
//
// Controls by object name: typeList, fromList, toList, inputEdit,
// resultEdit, convertButton, helpButton, closeButton.
class ConversionsDialog : public QDialog {
    Q_OBJECT

public:
    ConversionsDialog(int& rememberedType, MessageService& messages, QWidget* parent = nullptr);

    // "Convert --->".
    void convert();

private:
    void showType(int type);

    int& rememberedType_;
    MessageService& messages_;
    QListWidget* types_ = nullptr;
    QListWidget* from_ = nullptr;
    QListWidget* to_ = nullptr;
    QLineEdit* input_ = nullptr;
    QLineEdit* result_ = nullptr;
};

}  // namespace orrery
