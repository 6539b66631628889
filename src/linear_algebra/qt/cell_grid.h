#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QLineEdit;

namespace orrery {

// Up to 10 x 10 edit boxes; slot k shows entry (k / cols, k mod cols) of the
// operand, and the slots beyond rows x cols are hidden (their texts kept).
// Tab and Shift+Tab move through the shown cells in row-major order and wrap;
// Up and Down move by rows and stop at the first and last.
class CellGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSide = 10;

    // `name` prefixes the cells' object names: name0 ... name99.
    CellGrid(const QString& name, bool readOnly, QWidget* parent = nullptr);

    void setShape(int rows, int cols);
    int rows() const { return rows_; }
    int cols() const { return cols_; }

    QLineEdit* cell(int slot) const { return cells_[static_cast<std::size_t>(slot)]; }
    // The texts of the shown cells, row-major.
    std::vector<std::string> texts() const;
    // Writes the texts into the first slots.
    void setTexts(const std::vector<std::string>& texts);
    void fill(const QString& text);
    void clear();
    void focusSlot(int slot);

protected:
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int slotOf(QObject* widget) const;

    std::vector<QLineEdit*> cells_;
    int rows_ = 0;
    int cols_ = 0;
};

}  // namespace orrery
