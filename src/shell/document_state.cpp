#include "shell/document_state.h"

#include "graphing/graph_view.h"

namespace orrery {

bool hasUnsavedWork(const GraphView& view) {
    const bool content = view.curves().hasContent() || !view.text().text.empty();
    return content && view.settings().modified;
}

}  // namespace orrery
