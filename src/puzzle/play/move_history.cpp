#include "puzzle/play/move_history.h"

namespace zenpa::play {

void MoveHistory::Reset() {
  for (Slot &slot : slots_)
    slot.fill(kEmpty);
  position_ = 1;
}

std::optional<Move> MoveHistory::At(int slot) const {
  if (slot < 0 || slot >= kMoveSlots || slots_[slot][0] == kEmpty)
    return std::nullopt;
  const Slot &s = slots_[slot];
  return Move{s[0], s[1], s[2], s[3]};
}

void MoveHistory::Record(int column, int row, int before, int digit) {
  const std::optional<Move> last = At(position_ - 1);
  if (last && last->column == column && last->row == row) {
    if (digit == 0 && !At(position_)) {
      Clear(position_ - 1);
      position_ = position_ > 1 ? position_ - 1 : 1;
      return;
    }
    slots_[position_ - 1][3] = static_cast<std::uint8_t>(digit);
    return;
  }
  slots_[position_] = {static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row),
                       static_cast<std::uint8_t>(before), static_cast<std::uint8_t>(digit)};
  // Moves taken back before this one would replay onto a different board.
  for (int slot = position_ + 1; slot < kMoveSlots; ++slot)
    Clear(slot);
  if (position_ < kLastMoveSlot)
    ++position_;
}

std::optional<Move> MoveHistory::StepBack() {
  if (position_ > 1)
    --position_;
  return At(position_);
}

std::optional<Move> MoveHistory::StepForward() {
  const std::optional<Move> move = At(position_);
  if (move && position_ < kLastMoveSlot)
    ++position_;
  return move;
}

} // namespace zenpa::play
