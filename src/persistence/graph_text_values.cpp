#include "persistence/graph_text_values.h"

#include "persistence/settings_keys.h"
#include "persistence/store_values.h"

namespace orrery {

bool LoadGraphTextStyle(const SettingsStore& store, GraphText& text) {
    const auto bold = readFlag(store, kProgramKey, "bBold");
    const auto italic = readFlag(store, kProgramKey, "bItalic");
    const auto underline = readFlag(store, kProgramKey, "bUnderline");
    // "%ld" of a 32-bit long: the whole-number reading serves.
    const auto color = readIntIn(store, kProgramKey, "GraphTextColor", 0, 0xFFFFFF);
    const auto font = readIntIn(store, kProgramKey, "uFontNum", 0, static_cast<int>(kGraphTextFontNames.size()) - 1);
    const auto size = readIntIn(store, kProgramKey, "uFont", 0, kGraphTextSizeCount - 1);
    if (!bold || !italic || !underline || !color || !font || !size) {
        text.restoreDefaultStyle();
        return false;
    }
    text.bold = *bold;
    text.italic = *italic;
    text.underline = *underline;
    text.color = static_cast<ColorRef>(*color);
    text.fontIndex = *font;
    text.sizeIndex = *size;
    return true;
}

void SaveGraphTextStyle(SettingsStore& store, const GraphText& text) {
    writeFlag(store, kProgramKey, "bBold", text.bold);
    writeFlag(store, kProgramKey, "bItalic", text.italic);
    writeFlag(store, kProgramKey, "bUnderline", text.underline);
    writeInt(store, kProgramKey, "GraphTextColor", static_cast<int>(text.color & 0xFFFFFF));
    writeInt(store, kProgramKey, "uFontNum", text.fontIndex);
    writeInt(store, kProgramKey, "uFont", text.sizeIndex);
}

bool LoadGraphTextPosition(const SettingsStore& store, GraphText& text) {
    const auto x = readDouble(store, kProgramKey, "dX");
    const auto y = readDouble(store, kProgramKey, "dY");
    text.x = x && y ? *x : GraphText::kDefaultX;
    text.y = x && y ? *y : GraphText::kDefaultY;
    return x && y;
}

void SaveGraphTextPosition(SettingsStore& store, const GraphText& text) {
    writeDouble(store, kProgramKey, "dX", text.x);
    writeDouble(store, kProgramKey, "dY", text.y);
}

}  // namespace orrery
