// Fish: patterns of one digit d spread over a few lines (columns for the
// "…tate" searches, labels "-y"; rows for the "…yoko" searches, labels "-x").
// The places of d in a line are the open cells of the line that list d.
//
//  - X-Wing (level 9, box CheckBoxL9): two columns whose only places are the
//    same two rows; d leaves those rows in every other column.
//
//          c1    c2
//      r1  d  x x d  x      x: d removed
//      r2  d  x x d  x
//
//  - Swordfish (level 10, box CheckBoxL10): three columns with two or three
//    places each, all within the same three rows; d leaves those rows in the
//    other columns. The three columns are picked greedily from a base column.
//  - Skyscraper (level 11, box CheckBoxL11): column c1 has exactly two places,
//    base and top; column c2 has d at base too and its other places (one to
//    three) in the band of top, away from the band of base. Either (c1, top)
//    or c2's upper group holds d.
//      plain (c2 has two places, e2 its other one): d leaves row e2 in
//        c1's stack and row top in c2's stack (LevelSub stays);
//      finned (c2 has three or four places): d leaves row top in c2's stack;
//        "F. X-Wing" (LevelSub 10) when one of c2's upper places is row top,
//        "F. Skyscraper" (LevelSub 20) otherwise.
//    Columns c1 and c2 themselves never lose d.
//
// Each call makes the removals of at most one pattern.
#pragma once

#include "puzzle/engine/engine.h"

namespace zenpa::puzzle {

void Xwingtate(Engine &e);
void Xwingyoko(Engine &e);
void Swordfishtate(Engine &e);
void Swordfishyoko(Engine &e);
void Skyscrapertate(Engine &e);
void Skyscraperyoko(Engine &e);

} // namespace zenpa::puzzle
