// How the solver reads the technique switches of the puzzle conditions
// (settings/technique_options.h): the gate of a technique whose box is off,
// and the colour and hint text of the selection switch.
// Texts are Shift-JIS; colours are 0x00BBGGRR.
#pragma once

#include "settings/technique_options.h"

#include <cstdint>
#include <string>

namespace zenpa::puzzle {

using settings::SelectionSwitch;
using settings::TechniqueBox;
using settings::TechniqueOptions;
using enum settings::TechniqueBox;

// True when a technique guarded by box must return without looking at the
// grid: its box is off, the condition panel is shown, and either "有効・必須"
// is ticked or the selection switch is on.
bool TechniqueGate(const TechniqueOptions &options, int box);

// The switch's own colour in a state; off gives parentColour.
std::uint32_t SwitchColour(SelectionSwitch state, std::uint32_t parentColour);
// While the mouse is over the switch: silver when it is off, else its colour.
std::uint32_t SwitchHoverColour(SelectionSwitch state, std::uint32_t parentColour);
// The switch's hint text: "解法選択", "縦→横", "難→易", empty when off.
std::string SwitchHint(SelectionSwitch state);

constexpr std::uint32_t kSwitchHoverColour = 0xC0C0C0; // silver under the mouse while off

} // namespace zenpa::puzzle
