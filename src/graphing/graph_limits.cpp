#include "graphing/graph_limits.h"

#include <string>

namespace orrery {

UserMessage tooManyCurvesMessage() {
    return UserMessage{"INPUT ERROR",
                       "This graph is full: it can hold at most " + std::to_string(kMaxCurves) + " curves.",
                       MessageIcon::Warning, MessageButtons::Ok};
}

UserMessage tooManyKeysMessage() {
    return UserMessage{"INPUT ERROR",
                       "This graph is full: its curves can hold at most " + std::to_string(kMaxKeysInAllCurves) +
                           " keys together.",
                       MessageIcon::Warning, MessageButtons::Ok};
}

}  // namespace orrery
