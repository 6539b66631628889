#include "linear_algebra/sheet_layout.h"

#include <algorithm>

namespace orrery {
namespace {

// Characters, not bytes: a caption or a mark may hold a multi-byte character.
double characters(const std::string& text) {
    return static_cast<double>(std::count_if(text.begin(), text.end(),
                                             [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

class Layouter {
public:
    Layouter(const SheetMetrics& m, double width) : m_(m), width_(width), y_(m.lineHeight) {}

    void band(const std::vector<PictureItem>& items) {
        std::vector<const PictureItem*> row;
        double x = margin();
        for (const PictureItem& item : items) {
            const double w = itemWidth(item);
            const double gap = row.empty() ? 0 : gapBetween(*row.back(), item);
            if (!row.empty() && x + gap + w > width_ - margin()) {
                placeRow(row);
                row.clear();
                x = margin();
            } else {
                x += gap;
            }
            row.push_back(&item);
            x += w;
        }
        if (!row.empty()) placeRow(row);
    }

    void bandGap() { y_ += m_.lineHeight / 2; }

    SheetLayout finish() {
        layout_.width = right_ + margin();
        layout_.height = y_ + m_.lineHeight / 2;
        return std::move(layout_);
    }

private:
    double margin() const { return 2 * m_.advance; }

    // Two grids with nothing between them are separate operands: keep them well apart.
    double gapBetween(const PictureItem& left, const PictureItem& right) const {
        return (left.grid && right.grid ? 4 : 1) * m_.advance;
    }

    std::vector<double> columnWidths(const PrintGrid& g) const {
        std::vector<double> widths(g.cols, 1.0);
        for (std::size_t k = 0; k < g.texts.size() && k < std::size_t{g.rows} * g.cols; ++k)
            widths[k % g.cols] = std::max(widths[k % g.cols], characters(g.texts[k]));
        for (double& w : widths) w *= m_.advance;
        return widths;
    }

    double gridWidth(const PrintGrid& g) const {
        const std::vector<double> cols = columnWidths(g);
        double w = 2 * m_.advance + 2 * m_.advance * (g.cols > 0 ? g.cols - 1 : 0);
        for (const double c : cols) w += c;
        return w;
    }

    double superscriptWidth(const PictureItem& item) const {
        if (item.superscript.empty()) return 0;
        return m_.advance * (0.2 + kRaisedScale * characters(item.superscript));
    }

    double itemWidth(const PictureItem& item) const {
        if (!item.grid) return characters(item.mark) * m_.advance;
        return std::max(gridWidth(*item.grid), (characters(item.grid->caption) + 1) * m_.advance) +
               superscriptWidth(item);
    }

    double bodyHeight(const PictureItem& item) const {
        return item.grid ? std::max<std::uint32_t>(item.grid->rows, 1) * m_.lineHeight : m_.lineHeight;
    }

    void placeRow(const std::vector<const PictureItem*>& row) {
        double body = 0;
        bool captions = false;
        for (const PictureItem* item : row) {
            body = std::max(body, bodyHeight(*item));
            captions = captions || (item->grid && !item->grid->caption.empty());
        }
        const double axis = y_ + (captions ? m_.lineHeight : 0) + body / 2;
        double x = margin();
        const PictureItem* previous = nullptr;
        for (const PictureItem* item : row) {
            if (previous) x += gapBetween(*previous, *item);
            previous = item;
            if (item->grid)
                placeGrid(*item, x, axis - bodyHeight(*item) / 2);
            else
                add(x, axis - m_.lineHeight / 2, item->mark, SheetFont::Fixed);
            x += itemWidth(*item);
        }
        y_ = axis + body / 2 + m_.lineHeight / 2;
    }

    void placeGrid(const PictureItem& item, double x0, double top) {
        const PrintGrid& g = *item.grid;
        if (!g.caption.empty()) add(x0 + m_.advance, top - m_.lineHeight, g.caption, SheetFont::Fixed);
        const std::vector<double> cols = columnWidths(g);
        const double w = gridWidth(g);
        const double bottom = top + std::max<std::uint32_t>(g.rows, 1) * m_.lineHeight;
        bracket(x0, top, bottom, m_.advance / 2);
        bracket(x0 + w, top, bottom, -m_.advance / 2);
        for (std::size_t k = 0; k < g.texts.size() && k < std::size_t{g.rows} * g.cols; ++k) {
            const std::size_t col = k % g.cols;
            double colRight = x0 + m_.advance;
            for (std::size_t j = 0; j <= col; ++j) colRight += cols[j] + (j ? 2 * m_.advance : 0);
            const double textWidth = characters(g.texts[k]) * m_.advance;
            add(colRight - textWidth, top + static_cast<double>(k / g.cols) * m_.lineHeight, g.texts[k],
                SheetFont::Fixed);
        }
        if (!item.superscript.empty())
            add(x0 + w + 0.2 * m_.advance, top - 0.3 * m_.lineHeight, item.superscript, SheetFont::Raised);
    }

    // A square bracket: the upright and two serifs pointing inwards.
    void bracket(double x, double top, double bottom, double serif) {
        layout_.lines.push_back({x, top, x, bottom});
        layout_.lines.push_back({x, top, x + serif, top});
        layout_.lines.push_back({x, bottom, x + serif, bottom});
        right_ = std::max(right_, x);
    }

    void add(double x, double y, const std::string& text, SheetFont font) {
        const double scale = font == SheetFont::Raised ? kRaisedScale : 1.0;
        right_ = std::max(right_, x + characters(text) * m_.advance * scale);
        layout_.texts.push_back({x, y, text, font});
    }

    SheetMetrics m_;
    double width_;
    double y_;
    double right_ = 0;
    SheetLayout layout_;
};

}  // namespace

SheetLayout layoutSheet(const SheetPicture& picture, const SheetMetrics& metrics, double width) {
    Layouter layouter(metrics, width);
    layouter.band(picture.operands);
    layouter.bandGap();
    layouter.band(picture.result);
    return layouter.finish();
}

}  // namespace orrery
