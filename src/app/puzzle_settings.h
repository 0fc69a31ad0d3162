// The puzzle panel's settings as the print-format record keeps them, turned
// into what the block writer, the solver and the generator work with, and
// written back when the panel changes them. The record is the one place the
// switches live, so a format file read later shows at once on the panel.
//
// Technique boxes 1..13 and "有効・必須" travel in the format file; boxes 14..17
// (the extra panel), the extra panel itself and the "D" switch live only for
// the run of the program, in the engine's options.
#pragma once

#include "editor/insertion.h"
#include "puzzle/engine/options.h"
#include "puzzle/play/generator_settings.h"
#include "puzzle/play/puzzle_block.h"
#include "settings/print_format.h"

namespace zenpa::app {

// The switches of the puzzle block (CheckBox25, CheckBox13, CheckBox12,
// CheckBox9, CheckBox10), the title and how-to-play texts, the page-break mark.
play::PuzzleTextOptions TextOptionsFrom(const settings::PrintFormat &format);

// Where blocks go: Label39 "文末に追加" or "ここに挿入".
editor::InsertionPlace PlaceFrom(const settings::PrintFormat &format);

// Boxes 1..13, "有効・必須" and the condition panel from the record; the rest
// kept from current.
puzzle::TechniqueOptions TechniquesFrom(const settings::PuzzleOptions &puzzle,
                                        const puzzle::TechniqueOptions &current);
void StoreTechniques(const puzzle::TechniqueOptions &options, settings::PuzzleOptions &puzzle);

// The generator's settings; the pattern fields stay empty.
play::GeneratorSettings GeneratorSettingsFrom(const settings::PuzzleOptions &puzzle);
// What a run corrected (the clue window, the record numbers) goes back.
void StoreGeneratorSettings(const play::GeneratorSettings &s, settings::PuzzleOptions &puzzle);

// "数字" typed: clamped to 16..80; it pulls "数字の許容" down and the upper
// bound up to it.
void SetTargetGivens(settings::PuzzleOptions &puzzle, int typed);

// "始め" changed: a first number above the last one moves the last one up.
void SetRecordFirst(settings::PuzzleOptions &puzzle, const std::string &text);

} // namespace zenpa::app
