// Wings: a pivot cell and two wing cells whose candidates force a digit z
// into one of the wings (or the pivot); z leaves every cell that sees all of
// the cells that may hold it. Level 11, box CheckBoxL12.
//
//  - XYwing, "XY-Wing " (LevelSub 30): pivot P = {a, s} with two candidates,
//    wing W1 = {a, z} in P's row, wing W2 = {s, z} in P's column; z leaves
//    the cell in W1's column and W2's row.
//
//        P .. W1          P = {a,s}  W1 = {a,z}  W2 = {s,z}
//        :     :
//        W2 .. x          x: z removed
//
//  - XYwingB, "XY-Wing-y " / "XY-Wing-x " (LevelSub 30): P = {a, s}; W1 =
//    {a, z} in P's column outside P's band; W2 = {s, z} in P's block in
//    another column. z leaves P's column inside P's block (not P) and W2's
//    column inside W1's block. "-x": rows and columns exchanged.
//  - XYZwing, "XYZ-Wing-y " / "XYZ-Wing-x " (LevelSub 40): P has three
//    candidates {a, b, z}; W1 = {a, z} (or {b, z}) in P's column outside P's
//    band; W2 = {b, z} (or {a, z}) in P's block in another column. z leaves
//    P's column inside P's block, except P.
//
// Pivots are taken column by column, top to bottom. The step label ends in
// the digit z. Each call makes the removals of at most one pattern.
#pragma once

#include "puzzle/engine/engine.h"

namespace zenpa::puzzle {

void XYwing(Engine &e);
void XYwingB(Engine &e);
void XYZwing(Engine &e);

} // namespace zenpa::puzzle
