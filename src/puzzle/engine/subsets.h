// Naked and hidden subsets in rows, columns and blocks.
//
//  - Naked Pair / Triple / Quad (wkoho, tkoho, qkoho; blocks: blockw,
//    blockt, blockq): k cells of a unit whose candidates together are k
//    digits; those digits leave the other cells of the unit.
//        row:  37  37  1237  ...   ->  the third cell keeps 12
//  - Hidden Pair / Triple / Quad (wkohoH, tkohoH, qkohoH; blocks:
//    wkohotmpbr, tkohotmpbr, blockqH): k digits that can only go into the
//    same k cells of a unit; every other candidate leaves those cells.
//
// Each line operation scans rows and columns (columns first under the green
// switch), stops after the first line that changed something and only then
// looks at the blocks. A naked pair or triple whose cells share a block also
// clears that block in the same step. Steps are labelled "-y" (column), "-x"
// (row) or "-b" (block) and the subset's digits.
//
// The hidden techniques work on Engine::PositionTable: entry p holds the
// digits that qualify in the unit and have cell p among their places (the
// cells whose candidates list the digit, placed cells included).
#pragma once

#include "puzzle/engine/engine.h"

namespace zenpa::puzzle {

void wkoho(Engine &e);
void blockw(Engine &e, int bx, int by);

void wkohoH(Engine &e);
void wkohotmpy(Engine &e, int y);
void wkohotmpx(Engine &e, int x);
void wkohotmpbr(Engine &e, int bx, int by);

void tkoho(Engine &e);
void blockt(Engine &e, int bx, int by);

void tkohoH(Engine &e);
void tkohotmpy(Engine &e, int y);
void tkohotmpx(Engine &e, int x);
void tkohotmpbr(Engine &e, int bx, int by);

void qkoho(Engine &e);
void blockq(Engine &e, int bx, int by);

void qkohoH(Engine &e);
void blockqH(Engine &e, int bx, int by);

} // namespace zenpa::puzzle
