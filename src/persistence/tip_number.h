#pragma once

#include "persistence/settings_store.h"

namespace orrery {

// The index of the next tip; 0 when none is stored or it does not read.
int ReadTipNumber(const SettingsStore& store);
void WriteTipNumber(SettingsStore& store, int number);

}  // namespace orrery
