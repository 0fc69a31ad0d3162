#include "puzzle/play/grid_transforms.h"

namespace zenpa::play {

CellRef SourceCell(GridTransform transform, int c, int r) {
  switch (transform) {
  case GridTransform::RotateRight:
    return {r, 10 - c};
  case GridTransform::Mirror:
    return {10 - c, r};
  case GridTransform::BlocksLeft:
    return {c <= 6 ? c + 3 : c - 6, r};
  case GridTransform::BlocksSwap:
    return {c <= 3 ? c + 6 : (c >= 7 ? c - 6 : c), r};
  case GridTransform::Swap321:
    return {c == 1 ? 3 : (c == 3 ? 1 : c), r};
  case GridTransform::Cycle231:
    return {c <= 3 ? c % 3 + 1 : c, r};
  }
  return {c, r};
}

} // namespace zenpa::play
