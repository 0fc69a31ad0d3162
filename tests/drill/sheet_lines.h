// Worksheets in tests: drill options, a hand-written sheet, and reading
// sheet text back independently of the code that writes it (lines turned
// into UTF-8 for readable failures, a row's cells between its bars).
#pragma once

#include "base/sjis.h"
#include "drill/pyramid.h"
#include "settings/print_format.h"

#include <algorithm>
#include <string>
#include <vector>

namespace zenpa::drill::testing {

// Options for `sheets` sheets of n digits of `op`, without answers.
inline settings::PrintFormat DrillFormat(int n, Operation op = Operation::Addition,
                                         int sheets = 1) {
  settings::PrintFormat format;
  format.drill.digits = n;
  format.drill.operation = op;
  format.drill.sheets = sheets;
  return format;
}

inline std::vector<std::string> ToUtf8(const std::vector<std::string> &lines) {
  std::vector<std::string> out;
  for (const std::string &line : lines)
    out.push_back(base::SjisToUtf8(line));
  return out;
}

// Digit values of the cells of a row line ("│３│５│" gives 3, 5); a blank
// cell is -1 and any other character -2.
inline std::vector<int> CellValues(const std::string &sjisLine) {
  const std::u16string line = base::SjisToUtf16(sjisLine);
  const auto isBar = [](char16_t c) { return c == u'│' || c == u'┃'; };
  std::vector<int> values;
  for (std::size_t i = std::min(line.find_first_of(u"│┃"), line.size());
       i + 2 < line.size() && isBar(line[i + 2]); i += 2) {
    const char16_t c = line[i + 1];
    values.push_back(c >= u'０' && c <= u'９' ? c - u'０' : c == u'　' ? -1 : -2);
  }
  return values;
}

// A blank four-digit addition sheet under the top digits 3 5 8 2, without
// a time box; `lead` goes before every line below the top row.
inline std::vector<std::string> BlankSheet(const std::string &lead) {
  std::vector<std::string> lines = {base::Sj("┌─┬─┬─┬─┐"), base::Sj("│３│５│８│２│"),
                                    base::Sj("└┬┴┬┴┬┴┬┘")};
  for (const char *line : {"│　│　│　│1", "└┬┴┬┴┬┘", "　│　│　│", "　└┰┴┰┘", "　　┃　┃", "　　┗━┛"})
    lines.push_back(lead + base::Sj(line));
  return lines;
}

} // namespace zenpa::drill::testing
