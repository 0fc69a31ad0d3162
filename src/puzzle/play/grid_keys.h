// Digits typed into the grid in use (the cursor cell of an EntryCursor).
//
// Entry mode writes givens: "１".."９", "　" for a space or 0, on any cell
// the entry may change ("　", two spaces, "０".."９", "？", "①".."⑨", "※").
// The game writes the player's digits: circled "①".."⑨", "　" for a space
// or 0, and only on cells that hold no given ("　", two spaces, "①".."⑨").
// Texts are Shift-JIS bytes.
#pragma once

#include "platform/memo.h"
#include "puzzle/play/entry_cursor.h"

#include <optional>
#include <string_view>

namespace zenpa::play {

// The digit of a cell key: "1".."9", and 0 for "0" and the space.
std::optional<int> CellKeyDigit(char key);

bool IsEntryCell(std::string_view cell);
bool IsPlayerCell(std::string_view cell);

// Entry mode: writes the given into the cursor cell and advances the
// cursor; false (nothing changes) when the cell may not be changed.
bool EntryDigit(platform::Memo &memo, EntryCursor &cursor, int digit);

// The game: writes the player's digit into the cursor cell, the caret stays
// on it. The digit the cell held before, or nullopt when the cell is a
// given (nothing changes then).
std::optional<int> GameDigit(platform::Memo &memo, EntryCursor &cursor, int digit);

} // namespace zenpa::play
