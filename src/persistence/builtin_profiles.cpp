#include "persistence/builtin_profiles.h"

#include "persistence/profile_name.h"

namespace orrery {

namespace {

// A dark background with light axes and labels; curve colours light and
// saturated enough to read on it, in an order whose neighbours differ.
void applyDark(GraphSettings& s) {
    s.backgroundColor = makeRgb(0x1E, 0x22, 0x28);
    s.axesColor = makeRgb(0xC8, 0xCD, 0xD4);
    s.labelColor = makeRgb(0xE6, 0xE8, 0xEB);
    s.statsColor = makeRgb(0xF4, 0x8F, 0xB1);
    constexpr ColorRef kCurves[] = {
        makeRgb(0x64, 0xB5, 0xF6), makeRgb(0xFF, 0xB7, 0x4D), makeRgb(0x81, 0xC7, 0x84), makeRgb(0xF0, 0x62, 0x92),
        makeRgb(0xBA, 0x8B, 0xF0), makeRgb(0x4D, 0xD0, 0xE1), makeRgb(0xFF, 0xF1, 0x76), makeRgb(0xFF, 0x8A, 0x65),
        makeRgb(0xAE, 0xD5, 0x81), makeRgb(0xE0, 0xE0, 0xE0)};
    for (std::size_t i = 0; i < s.curveColors.size(); ++i) s.curveColors[i] = kCurves[i % std::size(kCurves)];
    for (ColorRef& c : s.originalPointColors) c = makeRgb(0xFF, 0xFF, 0xFF);
}

struct BuiltIn {
    const char* name;
    void (*apply)(GraphSettings&);
};
constexpr BuiltIn kBuiltIns[] = {{"Dark", applyDark}};

}  // namespace

std::vector<std::string> builtInProfileNames() {
    std::vector<std::string> names;
    for (const BuiltIn& b : kBuiltIns) names.emplace_back(b.name);
    return names;
}

bool applyBuiltInProfile(std::string_view name, GraphSettings& settings) {
    for (const BuiltIn& b : kBuiltIns) {
        if (!sameProfileName(b.name, name)) continue;
        b.apply(settings);
        return true;
    }
    return false;
}

}  // namespace orrery
