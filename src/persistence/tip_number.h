#pragma once

#include "persistence/settings_store.h"

namespace orrery {

// The index of the next tip; 0 when none is stored or it does not read.
int ReadTipNumber(const SettingsStore& store);
void WriteTipNumber(SettingsStore& store, int number);

// Whether the Tip of the Day window opens when the program starts; true
// until the user unticks it.
bool ReadShowTips(const SettingsStore& store);
void WriteShowTips(SettingsStore& store, bool show);

}  // namespace orrery
