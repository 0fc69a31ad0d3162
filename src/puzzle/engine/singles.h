// Singles: the techniques that place digits directly.
//
//  - Easy-x / Easy-y (linenokori1): the last open cell of a row or column
//    gets 45 minus the sum of the others. Easy-b (blocknokori1, blockn1S):
//    the same for a block, used in step mode only.
//  - Block Unique (kihonkaiho, blockkimari): cross-hatching. For a digit,
//    every cell seen by a placed copy of it is crossed out; a block left with
//    one free cell gets the digit there. Uses placed digits only.
//  - Cell Unique (onajisuji): a placed digit leaves the candidates of its
//    row, column and block; a cell left with one candidate is placed.
//  - Line Unique (hitotudake) and Block Unique H (blockkimariL2): a digit
//    that has one candidate cell left in a line (block) goes there.
//
// Blocks are given by their column start bx and row start by (1, 4 or 7);
// digits d are 1..9.
#pragma once

#include "puzzle/engine/cell_sets.h"
#include "puzzle/engine/engine.h"

namespace zenpa::puzzle {

void linenokori1(Engine &e);
void blocknokori1(Engine &e);
void blockn1S(Engine &e, int bx, int by);

void kihonkaiho(Engine &e);
// Places d in the block (bx, by) when it holds exactly one of the free cells
// of the hatch taken for d.
void blockkimari(Engine &e, int bx, int by, int d, CellSet free);

void onajisuji(Engine &e, int x, int y);

void hitotudake(Engine &e, int d);
// The same over where the digits stand, taken from CellGrid and kept up to
// date with the placements made here; several digits can share one taking.
void hitotudake(Engine &e, int d, DigitCells &cells);
void blockkimariL2(Engine &e, int bx, int by, int d, DigitCells &cells);

} // namespace zenpa::puzzle
