// Print-format records shared by the format tests.
#pragma once

#include "settings/print_format.h"
#include "support/temp_dir.h"

namespace zenpa::settings::testing {

using zenpa::testing::TempDir;

// A record in which every stored field differs from its start value and lies
// inside the range the format file keeps, so that it survives a save and load.
PrintFormat EveryFieldChanged();

} // namespace zenpa::settings::testing
