#include "graphing/qt/value_table_model.h"

#include <algorithm>

#include "common/c_numeric.h"

namespace orrery {

void ValueTableModel::setTable(const TableRange& range, std::vector<std::string> names,
                               std::vector<CompiledExpression> curves) {
    beginResetModel();
    range_ = range;
    names_ = std::move(names);
    curves_ = std::move(curves);
    blocks_.clear();
    endResetModel();
}

std::string ValueTableModel::csv() const {
    std::vector<const CompiledExpression*> curves;
    for (const CompiledExpression& curve : curves_) curves.push_back(&curve);
    return tableCsv(range_, names_, curves);
}

int ValueTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(range_.count);
}

int ValueTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || range_.count == 0 ? 0 : static_cast<int>(curves_.size()) + 1;
}

double ValueTableModel::value(std::int64_t row, std::size_t curve) const {
    const std::int64_t block = row / kBlockRows;
    auto found = blocks_.find(block);
    if (found == blocks_.end()) {
        const std::int64_t first = block * kBlockRows;
        const std::size_t rows = static_cast<std::size_t>(std::min(kBlockRows, range_.count - first));
        std::vector<std::vector<double>> columns(curves_.size(), std::vector<double>(rows));
        for (std::size_t c = 0; c < curves_.size(); ++c) tableBlock(curves_[c], range_, first, columns[c]);
        found = blocks_.emplace(block, std::move(columns)).first;
    }
    return found->second[curve][static_cast<std::size_t>(row % kBlockRows)];
}

QVariant ValueTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= range_.count) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    const std::int64_t row = index.row();
    if (index.column() == 0) return QString::fromStdString(formatC("%.17g", tableX(range_, row)));
    return QString::fromStdString(tableCell(value(row, static_cast<std::size_t>(index.column() - 1))));
}

QVariant ValueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section == 0) return QStringLiteral("x");
    if (section - 1 < static_cast<int>(names_.size()))
        return QString::fromStdString(names_[static_cast<std::size_t>(section - 1)]);
    return {};
}

}  // namespace orrery
