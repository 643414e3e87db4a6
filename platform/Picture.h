#pragma once

#include <cstdint>
#include <span>

namespace tavelin::platform {

// A colour value with this bit set marks a transparent pixel (icons and cursors only;
// the image list makes its mask colour transparent instead).
inline constexpr std::uint32_t kTransparent = 0xFF000000u;

struct PaletteEntry {
  char symbol;
  std::uint32_t rgb;  // 0xRRGGBB, or kTransparent
};

// A small picture held as data: one string per row, one palette symbol per pixel.
struct Picture {
  const char* name;
  int width;
  int height;
  std::span<const PaletteEntry> palette;
  std::span<const char* const> rows;
  int hotSpotX = 0;  // cursors only
  int hotSpotY = 0;
};

}  // namespace tavelin::platform
