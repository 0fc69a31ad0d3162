// The player's moves in a puzzle game, kept so that they can be taken back
// and played again ("＜" and "＞" of the assist window's digit palette).
//
// 241 slots of four values (column and row 0..8, the digit the cell held
// before the move and the digit it took, 0 for a blank cell); an empty slot
// holds 255 in every value. Slot 0 is never used, so "the move before the
// first" is always empty. The position p (1..240) is the slot the next move
// goes into; slot p - 1 is the last move made.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace zenpa::play {

struct Move {
  int column = 0; // 0..8
  int row = 0;    // 0..8
  int before = 0; // digit the cell held before the move (0: blank)
  int after = 0;  // digit the move wrote (0: erased)
  friend bool operator==(const Move &, const Move &) = default;
};

inline constexpr int kMoveSlots = 241;
inline constexpr int kLastMoveSlot = kMoveSlots - 1;

class MoveHistory {
public:
  MoveHistory() { Reset(); }

  // Every slot empty, position 1 (a game starts).
  void Reset();

  // A digit typed into cell (column, row) that held `before`. A key in the
  // cell of the last move changes that move instead of adding one; erasing
  // it (digit 0) when nothing was taken back after it removes the move. A
  // move in another cell goes into the slot at the position, which then
  // advances (never beyond 240). Moves taken back and not played again are
  // forgotten when a new move takes their place.
  void Record(int column, int row, int before, int digit);

  // "＜": the position moves one slot back (not below 1). The move in that
  // slot, if any, is to be undone: its cell takes `before` again.
  std::optional<Move> StepBack();
  // "＞": the move at the position, if any, is to be played again (its cell
  // takes `after`), and the position advances past it.
  std::optional<Move> StepForward();

  int Position() const { return position_; }
  // The move in slot i (0..240), nullopt when the slot is empty.
  std::optional<Move> At(int slot) const;

private:
  static constexpr std::uint8_t kEmpty = 255;
  using Slot = std::array<std::uint8_t, 4>;

  void Clear(int slot) { slots_[slot].fill(kEmpty); }

  std::array<Slot, kMoveSlots> slots_{};
  int position_ = 1;
};

} // namespace zenpa::play
