#include "ClassicColours.h"
#include "Pictures.h"

namespace tavelin::editor {
namespace {

using platform::PaletteEntry;
using platform::Picture;

// '.' is silver, the image list's mask colour: whatever is drawn with it lets the button face
// show through. The drawings therefore keep silver for the background and the flat face of
// the colour button only.
constexpr PaletteEntry kPalette[] = {
    {'.', classic::kSilver}, {'k', classic::kBlack}, {'g', classic::kGrey}, {'w', classic::kWhite},
    {'y', classic::kYellow}, {'o', classic::kOlive}, {'n', classic::kNavy}, {'b', classic::kBlue},
    {'c', classic::kAqua},   {'t', classic::kTeal},  {'l', classic::kLime}, {'m', classic::kMaroon},
};

// Rows are kept one to a line so the drawings stay legible.
// clang-format off
constexpr const char* kNewRows[] = {
    "..kkkkkkkkk.....",
    "..kwwwwwwwkk....",
    "..kwwwwwwwkwk...",
    "..kwwwwwwwkwwk..",
    "..kwwwwwwwkkkk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kkkkkkkkkkkk..",
};

constexpr const char* kOpenRows[] = {
    "..........kkk...",
    ".........k...k..",
    ".kkkk....k.kkkkk",
    "kyyyyk...k..kkk.",
    "kyyyykkkkkkk.k..",
    "kyyyyyyyyyyk....",
    "kyyyyyyyyyyk....",
    "kyyyyyyyyyyk....",
    "kyyykkkkkkkkkkkk",
    "kyykyyyyyyyyyyk.",
    "kykyyyyyyyyyyk..",
    "kkyyyyyyyyyyk...",
    "kyyyyyyyyyyk....",
    "koooooooooook...",
    ".kkkkkkkkkkk....",
};

constexpr const char* kSaveRows[] = {
    ".kkkkkkkkkkkkk..",
    ".knkwwwwwwwwknk.",
    ".knkwwwwwwwwknk.",
    ".knkwwwwwwwwknk.",
    ".knkwwwwwwwwknk.",
    ".knkwwwwwwwwknk.",
    ".knkkkkkkkkkknk.",
    ".knnnnnnnnnnnnk.",
    ".knnnnnnnnnnnnk.",
    ".knnkkkkkkkknnk.",
    ".knnkgggnngknnk.",
    ".knnkgggnngknnk.",
    ".knnkgggnngknnk.",
    ".knnkgggnngknnk.",
    ".kkkkkkkkkkkkkk.",
};

constexpr const char* kPrintRows[] = {
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kwggggwk....",
    "....kwwwwwwk....",
    "....kwggwwwk....",
    "..kkkwwwwwwkkk..",
    ".kwwkkkkkkkkwwk.",
    "kwwwwwwwwwwwwwwk",
    "kkkkkkkkkkkkkkkk",
    "kwwwwwwwwwwwwwwk",
    "kgggggggggggglgk",
    "kggggggggggggggk",
    "kkkkkkkkkkkkkkkk",
    ".kk..........kk.",
    "................",
};

constexpr const char* kCutRows[] = {
    "...kk......kk...",
    "...kg......gk...",
    "....kk....kk....",
    "....kg....gk....",
    ".....kk..kk.....",
    ".....kg..gk.....",
    "......kkkk......",
    ".......kk.......",
    "......bkkb......",
    "..nnnb....bnnn..",
    ".nbbbn....nbbbn.",
    "nb...bn..nb...bn",
    "nb...bn..nb...bn",
    ".nbbbn....nbbbn.",
    "..nnn......nnn..",
};

constexpr const char* kCopyRows[] = {
    ".kkkkkk.........",
    ".kwwwwkk........",
    ".kwnnwkwk.......",
    ".kwwwwkkkk......",
    ".kwnnnkkkkkk....",
    ".kwwwwkwwwwkk...",
    ".kwnnnkwnnwkwk..",
    ".kwwwwkwwwwkkkk.",
    ".kwnnnkwnnnnnwk.",
    ".kwwwwkwwwwwwwk.",
    ".kkkkkkwnnnnnwk.",
    "......kwwwwwwwk.",
    "......kwnnnnnwk.",
    "......kwwwwwwwk.",
    "......kkkkkkkkk.",
};

constexpr const char* kPasteRows[] = {
    "...kkkkk........",
    "kkkkwwwkkkk.....",
    "kokkkkkkkok.....",
    "koooooooook.....",
    "koooooooook.....",
    "kooooookkkkk....",
    "kooooookwwwkk...",
    "kooooookwwwkwk..",
    "kooooookwwwkkkk.",
    "kooooookwnnnnwk.",
    "kooooookwwwwwwk.",
    "kooooookwnnnnwk.",
    "kooooookwwwwwwk.",
    "kkkkkkkkwnnnnwk.",
    ".......kkkkkkkk.",
};

constexpr const char* kBoldRows[] = {
    "................",
    "................",
    "...kkkkkkkk.....",
    "....kkk...kkk...",
    "....kkk...kkk...",
    "....kkk...kkk...",
    "....kkk..kkk....",
    "....kkkkkkk.....",
    "....kkk...kkk...",
    "....kkk....kkk..",
    "....kkk....kkk..",
    "....kkk....kkk..",
    "....kkk...kkk...",
    "...kkkkkkkkk....",
    "................",
    "................",
};

constexpr const char* kItalicRows[] = {
    "................",
    "................",
    "......kkkkk.....",
    "........kk......",
    "........kk......",
    ".......kk.......",
    ".......kk.......",
    ".......kk.......",
    "......kk........",
    "......kk........",
    "......kk........",
    ".....kk.........",
    ".....kk.........",
    "...kkkkk........",
    "................",
    "................",
};

constexpr const char* kUnderlineRows[] = {
    "................",
    "...kkkk..kkkk...",
    "....kk....kk....",
    "....kk....kk....",
    "....kk....kk....",
    "....kk....kk....",
    "....kk....kk....",
    "....kk....kk....",
    "....kk....kk....",
    ".....kk..kk.....",
    "......kkkk......",
    "................",
    "...kkkkkkkkkk...",
    "................",
    "................",
    "................",
};

constexpr const char* kAlignLeftRows[] = {
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkk......",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkk......",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkk......",
    "................",
    "................",
    "................",
};

constexpr const char* kAlignCentreRows[] = {
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "................",
    "................",
};

constexpr const char* kAlignRightRows[] = {
    "................",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "......kkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "......kkkkkkkk..",
    "................",
    "..kkkkkkkkkkkk..",
    "................",
    "......kkkkkkkk..",
    "................",
    "................",
    "................",
};

constexpr const char* kFontRows[] = {
    "...k..kk...kk...",
    "..k.k.k.k.k.....",
    "..kkk.kk..k.....",
    "..k.k.k.k.k.....",
    "..k.k.kk...kk...",
    "................",
    ".............nn.",
    "............nnn.",
    "...........nnn..",
    "..n.......nnn...",
    "..nn.....nnn....",
    "..nnn...nnn.....",
    "...nnn.nnn......",
    "....nnnnn.......",
    ".....nnn........",
};

constexpr const char* kFontColourRows[] = {
    "wwwwwwwwwwwwwwwwwwwwwwwk",
    "w.....................gk",
    "w.....................gk",
    "w..kkkkkk.............gk",
    "w..kwwwwwk............gk",
    "w..kcccccck...........gk",
    "w..kccccccck..........gk",
    "w..kcccccccck.........gk",
    "w..kkkkkkkkkkk........gk",
    "w.......kttttk........gk",
    "w.......kttttk........gk",
    "w.......kttttk........gk",
    "w.......kttttk........gk",
    "w.......kkkkkkkkkkkkk.gk",
    "w........kwwwwwwwwwwk.gk",
    "w.........kccccccccck.gk",
    "w..........kcccccccck.gk",
    "w...........kccccccck.gk",
    "w............kkkkkkkk.gk",
    "w.....................gk",
    "wggggggggggggggggggggggk",
    "kkkkkkkkkkkkkkkkkkkkkkkk",
};
// clang-format on

constexpr Picture kPictures[] = {
    {"new", 16, 15, kPalette, kNewRows},
    {"open", 16, 15, kPalette, kOpenRows},
    {"save", 16, 15, kPalette, kSaveRows},
    {"print", 16, 15, kPalette, kPrintRows},
    {"cut", 16, 15, kPalette, kCutRows},
    {"copy", 16, 15, kPalette, kCopyRows},
    {"paste", 16, 15, kPalette, kPasteRows},
    {"bold", 16, 16, kPalette, kBoldRows},
    {"italic", 16, 16, kPalette, kItalicRows},
    {"underline", 16, 16, kPalette, kUnderlineRows},
    {"alignLeft", 16, 16, kPalette, kAlignLeftRows},
    {"alignCentre", 16, 16, kPalette, kAlignCentreRows},
    {"alignRight", 16, 16, kPalette, kAlignRightRows},
    {"font", 16, 15, kPalette, kFontRows},
    {"fontColour", 24, 22, kPalette, kFontColourRows},
};

}  // namespace

std::span<const platform::Picture> toolbarPictures() { return kPictures; }

}  // namespace tavelin::editor
