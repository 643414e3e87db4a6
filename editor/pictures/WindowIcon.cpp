#include "ClassicColours.h"
#include "Pictures.h"

namespace tavelin::editor {
namespace {

using platform::PaletteEntry;
using platform::Picture;

constexpr PaletteEntry kPalette[] = {
    {'.', platform::kTransparent}, {'k', classic::kBlack},  {'w', classic::kWhite},
    {'r', classic::kRed},          {'m', classic::kMaroon}, {'g', classic::kGrey},
    {'s', classic::kSilver},       {'b', classic::kBlue},   {'a', classic::kAqua},
};

// Rows are kept one to a line so the drawings stay legible.
// clang-format off
constexpr const char* kRows32[] = {
    "................................",
    ".......kkkkkkkkkkkkkkkkkkkkkk...",
    ".......krrrrrrrrrrrrrrrrrrrrk...",
    "......kkrrkkrrkkrrkkrrkkrrrmk...",
    ".....kwskkwskkwskkwskkwskrrmk...",
    ".....ksskksskksskksskksskrrmk...",
    ".....kskrkskrkskrkskrkskrrrmk...",
    "...kkkskkkskkkskkkskkkskkkkmk...",
    "...kwkkwwkkwwkkwwkkwwkkwwwkgk...",
    "...kwwkwrwkwwwkwwwkwwwkwwwkgk...",
    "...kwwwwrwwwwwwwwwwwwwwwwwkgk...",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kbbbbrbbbbbbbbbbbbbbbbbkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kbbbbrbbbbbbbbbbbbbbbbbkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kbbbbrbbbbbbbbbbbbbbbbbkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kbbbbrbbbbbbbbbbbbbbbbbkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kbbbbrbbbbbbbbbbbbbbbbbkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kwwwwrwwwwwwwwwwwwwwwwwkg....",
    "...kkkkkkkkkkkkkkkkkkkkkkkkg....",
    "....gggggggggggggggggggggggg....",
    "................................",
    "................................",
};

constexpr const char* kRows16[] = {
    "....kkkkkkkkkkk.",
    "....krrrrrrrrmk.",
    "..kkkkkrkkrkkmk.",
    "..kskksrksrksmk.",
    ".kkskkskkskksmk.",
    ".kwkrwkwwkwwkgk.",
    ".kwwrwwwwwwwkgk.",
    ".kbbrbbbbbbbkg..",
    ".kwwrwwwwwwwkg..",
    ".kbbrbbbbbbbkg..",
    ".kwwrwwwwwwwkg..",
    ".kbbrbbbbbbbkg..",
    ".kwwrwwwwwwwkg..",
    ".kwwrwwwwwwwkg..",
    ".kkkkkkkkkkkkg..",
    "..gggggggggggg..",
};
// clang-format on

constexpr Picture kIcon32{"notepad32", 32, 32, kPalette, kRows32};
constexpr Picture kIcon16{"notepad16", 16, 16, kPalette, kRows16};

}  // namespace

const platform::Picture& windowIcon32() { return kIcon32; }
const platform::Picture& windowIcon16() { return kIcon16; }

}  // namespace tavelin::editor
