// `zenpa drill`: もこさん worksheets as text, ready for `zenpa print`.
#pragma once

#include "cli/commands.h"

namespace zenpa::cli {

int RunDrill(const Args &args, StandardOutput &out);

} // namespace zenpa::cli
