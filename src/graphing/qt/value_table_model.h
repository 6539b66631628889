#pragma once

#include <QAbstractTableModel>
#include <map>
#include <string>
#include <vector>

#include "expression/compiled_expression.h"
#include "graphing/value_table.h"

namespace orrery {

// x and one column per curve, for up to 100,000 rows. Values are computed a
// block of rows at a time, when the view first asks for a row of the block,
// so opening a long table costs only the rows on screen.
class ValueTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr std::int64_t kBlockRows = 1024;

    using QAbstractTableModel::QAbstractTableModel;

    void setTable(const TableRange& range, std::vector<std::string> names,
                  std::vector<CompiledExpression> curves);
    const TableRange& range() const { return range_; }
    // The whole table as comma-separated text.
    std::string csv() const;
    // Blocks computed so far.
    std::size_t blocksComputed() const { return blocks_.size(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    double value(std::int64_t row, std::size_t curve) const;

    TableRange range_{0.0, 1.0, 0};
    std::vector<std::string> names_;
    std::vector<CompiledExpression> curves_;
    // Block number → the values of each curve for that block's rows.
    mutable std::map<std::int64_t, std::vector<std::vector<double>>> blocks_;
};

}  // namespace orrery
