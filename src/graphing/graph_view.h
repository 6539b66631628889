#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "common/user_message.h"
#include "graphing/curve_limits.h"
#include "graphing/curve_set.h"
#include "graphing/graph_settings.h"
#include "graphing/graph_text.h"
#include "graphing/label_formats.h"

namespace orrery {

// A rectangle dragged on the graph, in window pixels, corners in any order.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// Saved limits for "Reverse last zoom": one record per zoom, each the stored
// limits of every curve at that moment, in curve order.
using ZoomRecord = std::vector<CurveLimits>;

// Font measurements the text hit test needs, measured by the window layer.
struct TextMetrics {
    std::int32_t averageCharWidth = 0;
    std::int32_t charHeight = 0;
};

// What a document holds of the graph view.
struct GraphDocument {
    CurveLimits range;
    std::vector<Curve> curves{Curve{}};
    std::int32_t currentIndex = 0;
    GraphText text;

    friend bool operator==(const GraphDocument&, const GraphDocument&) = default;
};

// The model behind the graph window: the curves, the graph range, the window
// size, the label formats, the graph text and the zoom history. It works on
// the one live GraphSettings it is given.
class GraphView {
public:
    static constexpr std::int32_t kMargin = 20;

    explicit GraphView(GraphSettings& settings);

    GraphSettings& settings() { return *settings_; }
    const GraphSettings& settings() const { return *settings_; }
    CurveSet& curves() { return curves_; }
    const CurveSet& curves() const { return curves_; }
    const CurveLimits& range() const { return range_; }
    void setRange(const CurveLimits& range);  // rescales every curve

    // The client size of the graph window (W and H of every mapping).
    void setSize(std::int32_t width, std::int32_t height);
    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    // textMargin = trunc(1.25 × max(average character width, character height)).
    void setTextMargin(const TextMetrics& metrics);
    std::int32_t textMargin() const { return textMargin_; }

    double pixelToX(double px) const;
    double pixelToY(double py) const;

    LabelFormats& labelFormats() { return formats_; }
    const LabelFormats& labelFormats() const { return formats_; }

    bool curvesShown() const { return curvesShown_; }
    void setCurvesShown(bool shown) { curvesShown_ = shown; }

    // The graph range becomes the union of the stored limits, and every curve
    // is rescaled against it.
    void unionRange();
    void rescaleAll();

    // Next Curve and Last Curve of the calculator.
    std::optional<UserMessage> nextCurve();
    void lastCurve();
    // The calculator's Reset and a new document: one empty curve, no text,
    // every stored limit the current graph range.
    void resetAll();
    // One bound typed in the Domains/Range dialog.
    void applyLimit(std::int32_t i, bool all, int which, double value, std::string_view typedText);
    // Restore Defaults: settings, range, curve limits and text style.
    void restoreDefaults();

    // Zooming. The rectangle and points are window pixels.
    void zoomIn(const PixelRect& rect);
    void zoomOut(std::int32_t px, std::int32_t py);
    bool reverseZoom();  // false when there was nothing to reverse
    bool historyEmpty() const { return zoomHistory_.empty(); }
    const std::vector<ZoomRecord>& zoomHistory() const { return zoomHistory_; }

    // Direct navigation outside the zoom modes. Curves whose stored domain
    // spanned the range when the gesture began follow the range; the others
    // keep their own limits. Each gesture is one zoom-history entry, pushed
    // at its first change, so "Reverse last zoom" undoes a whole gesture.
    // Wheel notches (timestamps in milliseconds, from the events) make one
    // gesture while they come less than half a second apart. False when the
    // range could not move (overflow or no resolution left).
    bool wheelZoom(double px, double py, double notches, std::int64_t timestampMs);
    // A drag: dx, dy are the whole displacement since beginPan.
    void beginPan();
    bool panBy(double dx, double dy);
    void endPan();

    // The graph text and its anchor in window pixels.
    GraphText& text() { return text_; }
    const GraphText& text() const { return text_; }
    std::int32_t textAnchorX() const;
    std::int32_t textAnchorY() const;
    // Whether (x, y) hits the text (or its marker when the text is empty);
    // longestLine is the longest line's length in characters.
    bool textHit(std::int32_t x, std::int32_t y, const TextMetrics& metrics) const;
    void moveText(std::int32_t dx, std::int32_t dy);
    void nudgeText(NudgeDirection direction);

    // Documents: the view's part of a file, and taking over a whole one.
    GraphDocument document() const;
    void loadDocument(GraphDocument document);
    // An earlier state of this document (Undo): unlike a file, it keeps the
    // cursors and the zoom history.
    void restore(GraphDocument document);

private:
    GraphSettings* settings_;
    CurveSet curves_;
    CurveLimits range_;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::int32_t textMargin_ = 20;
    LabelFormats formats_;
    bool curvesShown_ = false;
    GraphText text_;
    std::vector<ZoomRecord> zoomHistory_;

    struct Gesture {
        bool wheel = false;
        CurveLimits start;           // the range when the gesture began
        std::vector<bool> follows;   // per curve, filled with the history entry
        std::size_t historySize = 0; // the history's size once the entry is in
        CurveLimits last;            // the range this gesture left
        std::int64_t lastTime = 0;
    };
    std::optional<Gesture> gesture_;

    bool gestureLive(bool wheel) const;
    void openGestureEntry();
    void navigateTo(const CurveLimits& target);
    ZoomRecord recordOfStoredLimits();
    void giveLimits(std::int32_t i, const CurveLimits& limits);
};

}  // namespace orrery
