#include "graphing/graph_view.h"

#include <algorithm>
#include <cmath>

#include "graphing/graph_axes.h"
#include "graphing/graph_navigation.h"

namespace orrery {

namespace {

constexpr double kCoverTolerance = 1e-20;

// A range the picture can show: finite bounds and a positive, finite width.
bool showable(const CurveLimits& r) {
    const double w = r.xMax - r.xMin;
    const double h = r.yMax - r.yMin;
    return w > 0 && h > 0 && std::isfinite(w) && std::isfinite(h);
}

bool covers(const CurveLimits& stored, const CurveLimits& r) {
    return stored.xMin <= r.xMin + kCoverTolerance && stored.xMax >= r.xMax - kCoverTolerance &&
           stored.yMin <= r.yMin + kCoverTolerance && stored.yMax >= r.yMax - kCoverTolerance;
}

// Lines of the graph text and the longest one, in characters.
struct TextShape {
    std::int32_t lines = 1;
    std::int32_t longest = 0;
};

TextShape shapeOf(const std::string& text) {
    TextShape shape;
    std::int32_t current = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            shape.longest = std::max(shape.longest, current);
            current = 0;
            ++shape.lines;
            ++i;
        } else if ((byte & 0xC0) != 0x80) {  // count code points, not bytes
            ++current;
        }
    }
    shape.longest = std::max(shape.longest, current);
    return shape;
}

}  // namespace

GraphView::GraphView(GraphSettings& settings) : settings_(&settings) {
    // The first curve stores its limits without counting as a change.
    Curve& first = curves_.current();
    first.limits = settings_->unionOfLimits();
    settings_->setLimits(0, first.limits, settings_->modified);
    first.rescale(range_);
}

void GraphView::setRange(const CurveLimits& range) {
    range_ = range;
    rescaleAll();
}

void GraphView::setSize(std::int32_t width, std::int32_t height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
}

void GraphView::setTextMargin(const TextMetrics& metrics) {
    textMargin_ = static_cast<std::int32_t>(1.25 * std::max(metrics.averageCharWidth, metrics.charHeight));
}

double GraphView::pixelToX(double px) const {
    return (range_.xMax - range_.xMin) / (width_ - 40) * (px - 20) + range_.xMin;
}

double GraphView::pixelToY(double py) const {
    return (range_.yMin - range_.yMax) / (height_ - 40) * (py - 20) + range_.yMax;
}

void GraphView::unionRange() {
    range_ = settings_->unionOfLimits();
    rescaleAll();
}

void GraphView::rescaleAll() {
    for (auto& curve : curves_.curves()) curve.rescale(range_);
}

std::optional<UserMessage> GraphView::nextCurve() { return curves_.nextCurve(*settings_, range_); }

void GraphView::lastCurve() { curves_.lastCurve(); }

void GraphView::resetAll() {
    curves_.resetAll();
    text_.text.clear();
    text_.shown = false;
    std::fill(settings_->limits.begin(), settings_->limits.end(), range_);
    settings_->allLimits = true;
    settings_->modified = true;
    curves_.current().limits = range_;
    rescaleAll();
}

void GraphView::applyLimit(std::int32_t i, bool all, int which, double value, std::string_view typedText) {
    formats_.setLabelPrecision(which, typedText);
    settings_->setLimit(i, which, value, all);
    if (all) {
        range_.setBound(which, value);
        for (auto& curve : curves_.curves()) curve.limits.setBound(which, value);
    } else if (i >= 0 && i < curves_.count()) {
        curves_.at(i).limits.setBound(which, value);
    }
    unionRange();
}

void GraphView::restoreDefaults() {
    settings_->restoreDefaults();
    range_ = CurveLimits{};
    settings_->resetLimits(static_cast<std::size_t>(curves_.count()));
    // Style, place and visibility go back to their defaults; the words stay,
    // hidden, for the Graph Text dialog to offer again.
    std::string words = std::move(text_.text);
    text_ = GraphText{};
    text_.text = std::move(words);
    for (std::int32_t i = 0; i < curves_.count(); ++i) curves_.at(i).limits = settings_->limitsOf(i);
    unionRange();
}

ZoomRecord GraphView::recordOfStoredLimits() {
    ZoomRecord record;
    for (std::int32_t i = 0; i < curves_.count(); ++i) record.push_back(settings_->limitsOf(i));
    return record;
}

void GraphView::giveLimits(std::int32_t i, const CurveLimits& limits) {
    if (!settings_->setLimits(i, limits, true)) {
        // Only a damaged state lacks an entry for a curve; fill the gap.
        while (static_cast<std::int32_t>(settings_->limits.size()) < i) settings_->limits.push_back(limits);
        settings_->setLimits(i, limits, true);
    }
    curves_.at(i).limits = limits;
}

void GraphView::zoomIn(const PixelRect& rect) {
    // A click without a drag has no area to zoom into.
    if (rect.left == rect.right || rect.top == rect.bottom) return;
    const CurveLimits zoomed{pixelToX(std::min(rect.left, rect.right)), pixelToX(std::max(rect.left, rect.right)),
                             pixelToY(std::max(rect.top, rect.bottom)), pixelToY(std::min(rect.top, rect.bottom))};
    if (!showable(zoomed)) return;
    zoomHistory_.push_back(recordOfStoredLimits());
    range_ = zoomed;
    for (std::int32_t i = 0; i < curves_.count(); ++i) {
        const CurveLimits stored = settings_->limitsOf(i);
        giveLimits(i, {std::max(stored.xMin, zoomed.xMin), std::min(stored.xMax, zoomed.xMax),
                       std::max(stored.yMin, zoomed.yMin), std::min(stored.yMax, zoomed.yMax)});
    }
    rescaleAll();
}

void GraphView::zoomOut(std::int32_t px, std::int32_t py) {
    const CurveLimits old = range_;
    const double cx = pixelToX(px);
    const double cy = pixelToY(py);
    const double w = old.xMax - old.xMin;
    const double h = old.yMax - old.yMin;
    const CurveLimits wider{cx - w, cx + w, cy - h, cy + h};
    // Doubling stops where the numbers would overflow.
    if (!showable(wider)) return;
    zoomHistory_.push_back(recordOfStoredLimits());
    range_ = wider;
    for (std::int32_t i = 0; i < curves_.count(); ++i) {
        const CurveLimits stored = settings_->limitsOf(i);
        const bool spansOld = stored.xMin <= old.xMin + kCoverTolerance && stored.xMax >= old.xMax - kCoverTolerance;
        giveLimits(i, spansOld ? wider : stored);
    }
    rescaleAll();
}

bool GraphView::reverseZoom() {
    if (zoomHistory_.empty()) return false;
    const ZoomRecord record = std::move(zoomHistory_.back());
    zoomHistory_.pop_back();
    const auto recorded = static_cast<std::int32_t>(record.size());
    for (std::int32_t k = 0; k < std::min(recorded, curves_.count()); ++k)
        giveLimits(k, record[static_cast<std::size_t>(k)]);
    const CurveLimits zoomed = range_;
    range_ = settings_->unionOfLimits();
    for (std::int32_t k = recorded; k < curves_.count(); ++k) {
        if (covers(settings_->limitsOf(k), zoomed)) giveLimits(k, range_);
    }
    rescaleAll();
    return true;
}

bool GraphView::gestureLive(bool wheel) const {
    // Anything else that moved the range or the history since (a zoom, a
    // reversal, a new document, a new curve) ends the gesture.
    if (!gesture_ || gesture_->wheel != wheel) return false;
    if (gesture_->follows.empty()) return range_ == gesture_->start;
    return zoomHistory_.size() == gesture_->historySize && range_ == gesture_->last &&
           gesture_->follows.size() == static_cast<std::size_t>(curves_.count());
}

void GraphView::openGestureEntry() {
    Gesture& g = *gesture_;
    if (!g.follows.empty()) return;
    zoomHistory_.push_back(recordOfStoredLimits());
    for (const CurveLimits& stored : zoomHistory_.back())
        g.follows.push_back(stored.xMin <= g.start.xMin + kCoverTolerance &&
                            stored.xMax >= g.start.xMax - kCoverTolerance);
    g.historySize = zoomHistory_.size();
}

void GraphView::navigateTo(const CurveLimits& target) {
    openGestureEntry();
    for (std::int32_t i = 0; i < curves_.count(); ++i)
        if (gesture_->follows[static_cast<std::size_t>(i)]) giveLimits(i, target);
    range_ = target;
    gesture_->last = target;
    rescaleAll();
}

bool GraphView::wheelZoom(double px, double py, double notches, std::int64_t timestampMs) {
    const CurveLimits target =
        zoomedAbout(range_, width_, height_, px, py, std::pow(kWheelZoomFactor, notches));
    if (!navigable(target)) return false;
    const bool goesOn = gestureLive(true) && timestampMs >= gesture_->lastTime &&
                        timestampMs - gesture_->lastTime < kWheelMergeMillis;
    if (!goesOn) gesture_ = Gesture{true, range_, {}, 0, range_, timestampMs};
    gesture_->lastTime = timestampMs;
    navigateTo(target);
    return true;
}

void GraphView::beginPan() { gesture_ = Gesture{false, range_, {}, 0, range_, 0}; }

bool GraphView::panBy(double dx, double dy) {
    if (!gestureLive(false)) return false;
    const CurveLimits target = pannedBy(gesture_->start, width_, height_, dx, dy);
    if (!navigable(target)) return false;
    navigateTo(target);
    return true;
}

void GraphView::endPan() {
    if (gesture_ && !gesture_->wheel) gesture_.reset();
}

std::int32_t GraphView::textAnchorX() const { return toPixel(width_ * text_.x); }
std::int32_t GraphView::textAnchorY() const { return toPixel(height_ * text_.y); }

bool GraphView::textHit(std::int32_t x, std::int32_t y, const TextMetrics& metrics) const {
    if (!text_.shown) return false;
    const double ax = textAnchorX();
    const double ay = textAnchorY();
    if (text_.text.empty()) {
        const double dx = x - ax;
        const double dy = y - ay;
        return dx * dx + dy * dy < static_cast<double>(textMargin_) * textMargin_;
    }
    // The box the lines are drawn in: the first line is centred on the anchor.
    const TextShape shape = shapeOf(text_.text);
    const double top = ay - metrics.charHeight / 2;
    const double right = ax + static_cast<double>(shape.longest) * metrics.averageCharWidth;
    const double bottom = top + static_cast<double>(shape.lines) * metrics.charHeight;
    return x >= ax && x <= right && y >= top && y <= bottom;
}

void GraphView::moveText(std::int32_t dx, std::int32_t dy) {
    if (width_ == 0 || height_ == 0) return;
    const std::int32_t ax = toPixel(width_ * text_.x + dx);
    const std::int32_t ay = toPixel(height_ * text_.y + dy);
    text_.x = static_cast<double>(ax) / width_;
    text_.y = static_cast<double>(ay) / height_;
}

void GraphView::nudgeText(NudgeDirection direction) {
    const double ax = width_ * text_.x;
    const double ay = height_ * text_.y;
    switch (direction) {
        case NudgeDirection::Left:
            if (textMargin_ < ax) text_.x -= 0.02;
            break;
        case NudgeDirection::Up:
            if (textMargin_ < ay) text_.y -= 0.02;
            break;
        case NudgeDirection::Right:
            if (width_ - textMargin_ > ax) text_.x += 0.02;
            break;
        case NudgeDirection::Down:
            if (height_ - textMargin_ > ay) text_.y += 0.02;
            break;
    }
}

GraphDocument GraphView::document() const {
    return {range_, curves_.curves(), curves_.currentIndex(), text_};
}

void GraphView::loadDocument(GraphDocument document) {
    restore(std::move(document));
    // Files do not keep the cursor: typing goes on at the end of each expression.
    for (Curve& curve : curves_.curves()) curve.cursor = static_cast<std::int32_t>(curve.tokens.size());
    // Zooms of the previous document mean nothing to this one.
    zoomHistory_.clear();
}

void GraphView::restore(GraphDocument document) {
    range_ = document.range;
    text_ = std::move(document.text);
    text_.dragging = false;
    curves_.replace(std::move(document.curves), document.currentIndex);
    for (std::int32_t i = 0; i < curves_.count(); ++i) curves_.at(i).index = i;
    rescaleAll();
}

}  // namespace orrery
