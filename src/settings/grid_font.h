// The grid-font check of a puzzle format ("nbpzpf…"): a puzzle grid stays
// aligned only in a face that draws the grid's ruled lines and its digit
// rows at one width. Measured on the print canvas with the face selected at
// a given cell height (printer pixels); the canvas's font is restored.
#pragma once

#include "platform/canvas.h"

#include <string>

namespace zenpa::settings {

// True when face draws "┠─┼─┼─╂" and "┠１│２│３┃" at different widths.
bool GridMisaligned(platform::Canvas &canvas, const std::string &face, int height);

} // namespace zenpa::settings
