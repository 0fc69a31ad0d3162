// Tab expansion over Shift-JIS bytes: bytes are columns, so a double-byte
// character takes two columns; a tab at output column k (from 0) becomes
// tabWidth - (k mod tabWidth) blanks.
#pragma once

#include <string>
#include <string_view>

namespace zenpa::base {

std::string ExpandTabs(std::string_view line, int tabWidth);

// Output column (from 0) of byte offset pos of line after expansion.
int ExpandedColumn(std::string_view line, std::size_t pos, int tabWidth);

} // namespace zenpa::base
