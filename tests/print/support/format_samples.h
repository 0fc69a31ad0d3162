// Print-format records shared by the format tests.
#pragma once

#include "print/print_format.h"
#include "support/temp_dir.h"

#include <ostream>

namespace zenpa::print::testing {

using zenpa::testing::TempDir;

// A record in which every stored field differs from its start value and lies
// inside the range the format file keeps, so that it survives a save and load.
PrintFormat EveryFieldChanged();

} // namespace zenpa::print::testing

namespace zenpa::print {
// Test failures show a record as the lines of its initial-settings file.
void PrintTo(const PrintFormat &format, std::ostream *out);

} // namespace zenpa::print
