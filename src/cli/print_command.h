// `zenpa print`: lays a Shift-JIS document out with its format file and
// writes it to a PDF file or sends it to the default printer.
#pragma once

#include "cli/commands.h"

namespace zenpa::cli {

int RunPrint(const Args &args, StandardOutput &out);

} // namespace zenpa::cli
