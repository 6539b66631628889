#include "shell/edit_history.h"

#include <algorithm>
#include <numeric>

namespace orrery {
namespace {

// What an edit changes; the rest of a curve is found again by every drawing.
bool sameContent(const KeptCurve& kept, const Curve& b) {
    const Curve& a = kept.curve;
    return a.limits == b.limits && a.showDerivative == b.showDerivative &&
           a.originalPoints == b.originalPoints &&
           std::equal(
               kept.keys.begin(), kept.keys.end(), b.tokens.begin(), b.tokens.end(),
               [](std::uint8_t key, const ExpressionToken& token) { return key == token.index; });
}

std::shared_ptr<const KeptCurve> keep(const Curve& curve) {
    auto kept = std::make_shared<KeptCurve>();
    kept->curve = curve;
    kept->curve.tokens = {};
    kept->keys.reserve(curve.tokens.size());
    for (const ExpressionToken& token : curve.tokens)
        kept->keys.push_back(static_cast<std::uint8_t>(token.index));
    return kept;
}

// Reading a per-curve setting appends fill values, and saving clears the
// modified flag: neither is a change of the user's. The window's arrangement
// (tooltips, split screen, the divider) is not part of the graph: it is
// neither a step nor put back by one.
void keepWindowOptions(GraphSettings& settings, const GraphSettings& from) {
    settings.toolTips = from.toolTips;
    settings.splitScreen = from.splitScreen;
    settings.calculatorProportion = from.calculatorProportion;
    settings.modified = from.modified;
}

bool sameContent(GraphSettings a, GraphSettings b) {
    const auto length = [](const GraphSettings& s) {
        return std::max({s.pointCounts.size(), s.thicknesses.size(), s.lineStyles.size(),
                         s.curveColors.size(), s.originalPointColors.size(),
                         s.showOriginalPoints.size()});
    };
    const std::size_t n = std::max(length(a), length(b));
    if (n > 0) {
        const auto last = static_cast<std::int32_t>(n - 1);
        for (GraphSettings* s : {&a, &b}) {
            s->pointCount(last);
            s->thickness(last);
            s->lineStyle(last);
            s->curveColor(last);
            s->originalPointColor(last);
            s->showOriginal(last);
        }
    }
    keepWindowOptions(b, a);
    return a == b;
}

std::size_t keptBytes(const KeptCurve& kept) {
    return sizeof(KeptCurve) + kept.keys.capacity() +
           kept.curve.originalPoints.capacity() * sizeof(DataPoint);
}

bool sameContent(const EditState& a, const EditState& b) {
    if (a.curves.size() != b.curves.size() || !(a.range == b.range)) return false;
    for (std::size_t i = 0; i < a.curves.size(); ++i)
        if (a.curves[i] != b.curves[i]) return false;  // captures share equal curves
    GraphText ta = a.text;
    GraphText tb = b.text;
    ta.dragging = tb.dragging = false;
    return ta == tb && a.settings == b.settings;
}

}  // namespace

EditHistory::EditHistory(std::size_t minimumSteps, std::size_t byteBudget)
    : minimumSteps_(minimumSteps), byteBudget_(byteBudget) {}

EditState EditHistory::capture(const GraphView& view) const {
    EditState state;
    const std::vector<Curve>& curves = view.curves().curves();
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const Curve& curve = curves[i];
        state.cursors.push_back(curve.cursor);
        // An unchanged curve is the one already kept, shared rather than copied.
        const bool kept = i < current_.curves.size() && sameContent(*current_.curves[i], curve);
        if (kept) {
            state.curves.push_back(current_.curves[i]);
        } else {
            state.curves.push_back(keep(curve));
            state.bytes += keptBytes(*state.curves.back());
        }
    }
    state.currentIndex = view.curves().currentIndex();
    state.range = view.range();
    state.text = view.text();
    state.curvesShown = view.curvesShown();
    if (current_.settings && sameContent(*current_.settings, view.settings())) {
        state.settings = current_.settings;
    } else {
        state.settings = std::make_shared<const GraphSettings>(view.settings());
        state.bytes += sizeof(GraphSettings);
    }
    return state;
}

void EditHistory::start(const GraphView& view) {
    undo_.clear();
    redo_.clear();
    current_ = EditState{};
    current_ = capture(view);
}

bool EditHistory::observe(const GraphView& view) {
    if (!current_.settings) {  // not started: this is where the history begins
        start(view);
        return false;
    }
    EditState state = capture(view);
    if (sameContent(state, current_)) {
        current_ = std::move(state);  // the cursors and the current curve as they are now
        return false;
    }
    undo_.push_back(std::move(current_));
    current_ = std::move(state);
    redo_.clear();
    trim();
    return true;
}

void EditHistory::rebase(const GraphView& view) {
    current_ = capture(view);
}

bool EditHistory::undo(GraphView& view) {
    return step(undo_, redo_, view);
}

bool EditHistory::redo(GraphView& view) {
    return step(redo_, undo_, view);
}

bool EditHistory::step(std::deque<EditState>& from, std::deque<EditState>& to, GraphView& view) {
    observe(view);  // a change not yet seen is a step of its own, and ends the redo branch
    if (from.empty()) return false;
    to.push_back(std::move(current_));
    current_ = std::move(from.back());
    from.pop_back();
    apply(current_, view);
    return true;
}

void EditHistory::apply(const EditState& state, GraphView& view) {
    GraphDocument document;
    document.range = state.range;
    document.currentIndex = state.currentIndex;
    document.text = state.text;
    document.curves.clear();
    for (std::size_t i = 0; i < state.curves.size(); ++i) {
        Curve curve = state.curves[i]->curve;
        for (std::uint8_t key : state.curves[i]->keys) curve.tokens.push_back(keyAt(key));
        curve.cursor =
            std::clamp(state.cursors[i], 0, static_cast<std::int32_t>(curve.tokens.size()));
        document.curves.push_back(std::move(curve));
    }
    GraphSettings settings = *state.settings;
    keepWindowOptions(settings, view.settings());
    settings.modified = true;
    view.settings() = std::move(settings);
    view.restore(std::move(document));
    view.setCurvesShown(state.curvesShown);
}

std::size_t EditHistory::bytes() const {
    auto add = [](std::size_t sum, const EditState& s) { return sum + s.bytes; };
    return std::accumulate(undo_.begin(), undo_.end(), std::size_t{0}, add) +
           std::accumulate(redo_.begin(), redo_.end(), std::size_t{0}, add);
}

void EditHistory::trim() {
    std::size_t total = bytes();
    while (undo_.size() > minimumSteps_ && total > byteBudget_) {
        // The state after the oldest step now holds what the two shared.
        total -= undo_.front().bytes;
        undo_.pop_front();
    }
}

}  // namespace orrery
