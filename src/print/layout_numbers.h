// Whole numbers typed by the user, as mark parameters and the panel's
// numeric fields read them: leading blanks, an optional sign, then decimal
// digits and nothing else.
#pragma once

#include <optional>
#include <string_view>

namespace zenpa::print {

// nullopt when the text is not such a number or does not fit an int.
std::optional<int> ReadInteger(std::string_view text);

} // namespace zenpa::print
