#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QTableView;

namespace orrery {

class DialogService;
class GraphView;
class MessageService;
class ValueTableModel;

// "Table of Values": the checked curves' values for x = start + k·step,
// k = 0 .. count − 1 (up to 100,000 rows, computed as they scroll into view);
// Copy puts the table on the clipboard and Save writes it, both as
// comma-separated text. Modeless.
//
// Controls by object name: startEdit, stepEdit, countEdit, curveList,
// showButton, table, copyButton, saveButton, closeButton.
class TableWindow : public QDialog {
    Q_OBJECT

public:
    TableWindow(GraphView& view, MessageService& messages, DialogService& dialogs, QWidget* parent = nullptr);

    // Lists the curves again, every curve with an expression checked, and
    // proposes eleven rows across the graph's x range.
    void refresh();
    // Show: builds the table from the fields; false when a message stopped it.
    bool showTable();
    ValueTableModel& model() { return *model_; }

private:
    void save();

    GraphView& view_;
    MessageService& messages_;
    DialogService& dialogs_;
    QLineEdit* start_;
    QLineEdit* step_;
    QLineEdit* count_;
    QListWidget* curves_;
    QTableView* table_;
    ValueTableModel* model_;
};

}  // namespace orrery
