#include "persistence/tip_number.h"

#include "persistence/settings_keys.h"
#include "persistence/store_values.h"

namespace orrery {

int ReadTipNumber(const SettingsStore& store) {
    return readInt(store, kProgramKey, "TipNumber").value_or(0);
}

void WriteTipNumber(SettingsStore& store, int number) {
    writeInt(store, kProgramKey, "TipNumber", number);
}

bool ReadShowTips(const SettingsStore& store) {
    return readFlag(store, kProgramKey, "bShowTips").value_or(true);
}

void WriteShowTips(SettingsStore& store, bool show) {
    writeFlag(store, kProgramKey, "bShowTips", show);
}

}  // namespace orrery
