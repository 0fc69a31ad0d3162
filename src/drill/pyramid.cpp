#include "drill/pyramid.h"

#include <cstddef>

namespace zenpa::drill {

int CellOp(int x, int y, Operation op) {
  if (op == Operation::Addition)
    return (x + y) % 10;
  return (x + 10 - y) % 10;
}

std::vector<int> NextRow(const std::vector<int> &row, Operation op) {
  std::vector<int> next;
  for (std::size_t i = 0; i + 1 < row.size(); ++i)
    next.push_back(CellOp(row[i], row[i + 1], op));
  return next;
}

std::vector<std::vector<int>> Pyramid(const std::vector<int> &top, Operation op) {
  std::vector<std::vector<int>> rows;
  if (top.empty())
    return rows;
  rows.push_back(top);
  while (rows.back().size() > 1)
    rows.push_back(NextRow(rows.back(), op));
  return rows;
}

int CellsToFill(int n) { return n < 4 ? 0 : n * (n - 1) / 2 - 3; }

int GameCellTotal(int n) { return n < 2 ? 0 : n * (n - 1) / 2; }

} // namespace zenpa::drill
