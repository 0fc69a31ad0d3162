// Print-format records shared by the format tests.
#pragma once

#include "settings/print_format.h"
#include "support/temp_dir.h"

#include <ostream>

namespace zenpa::settings::testing {

using zenpa::testing::TempDir;

// A record in which every stored field differs from its start value and lies
// inside the range the format file keeps, so that it survives a save and load.
PrintFormat EveryFieldChanged();

} // namespace zenpa::settings::testing

namespace zenpa::settings {
// Test failures show a record as the lines of its initial-settings file.
void PrintTo(const PrintFormat &format, std::ostream *out);

} // namespace zenpa::settings
