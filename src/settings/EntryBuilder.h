#pragma once

#include "settings/ButtonEntry.h"
#include "settings/EntryParameters.h"

namespace mousecfg {

// Who the entry is built for: profile-switch entries take their combo-key form only
// for the engineer page's combo keys.
enum class EntryTarget { ProfileTable, ComboKey };

// The entry of function menu item `id` with the parameters of the moment; any
// identifier that is not a function item gives Key Off.
ButtonEntry buildEntry(int id, const EntryParameters& parameters,
                       EntryTarget target = EntryTarget::ProfileTable);

}  // namespace mousecfg
