#include "ClassicColours.h"
#include "Pictures.h"

namespace tavelin::editor {
namespace {

using platform::PaletteEntry;
using platform::Picture;

constexpr PaletteEntry kPalette[] = {
    {'.', platform::kTransparent}, {'k', classic::kBlack}, {'w', classic::kWhite},
    {'s', classic::kSilver},       {'b', classic::kBlue},  {'n', classic::kNavy},
};

// Rows are kept one to a line so the drawings stay legible.
// clang-format off
constexpr const char* kRows[] = {
    "................................",
    "...........kkk..................",
    "..........kwwwk.................",
    "..........kwwsk.................",
    "..........kwwsk.................",
    "..........kwwsk.................",
    "..........kwwsk.................",
    "..........kwwskkkk..............",
    "..........kwwskwwskkkk..........",
    "..........kwwskwwskwwskkk.......",
    "..........kwwskwwskwwskwsk......",
    "..........kwwskwwskwwskwsk......",
    "...kkk....kwwwwwwwwwwwwwsk......",
    "..kwwwk...kwwwwwwwwwwwwwsk......",
    "..kwwwwk..kwwwwswwswwswwsk......",
    "...kwwwk.kwwwwwswwswwswwsk......",
    "....kwwwkwwwwwwswwswwswwsk......",
    ".....kwwwwwwwwwwwwwwwwwwsk......",
    "......kwwwwwwwwwwwwwwwwwsk......",
    ".......kwwwwwwwwwwwwwwwsk.......",
    "........kwwwwwwwwwwwwwwsk.......",
    ".........kwwwwwwwwwwwwsk........",
    "........kkkkkkkkkkkkkkkkk.......",
    "........kbbbbbbbbbbbbbbbk.......",
    "........kbbbbbbbbbbbbbbbk.......",
    "........knnnnnnnnnnnnnnnk.......",
    "........kkkkkkkkkkkkkkkkk.......",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};
// clang-format on

// The hot spot is the top of the raised fingertip, where a pointing hand is read as aiming.
constexpr Picture kHand{"hand", 32, 32, kPalette, kRows, 12, 1};

}  // namespace

const platform::Picture& handCursor() { return kHand; }

}  // namespace tavelin::editor
