#pragma once

#include <cstdint>

namespace tavelin::editor {

// Flags of the window are 16-bit truth values: True is -1, False is 0, and nothing else is stored.
using Boolean = std::int16_t;
inline constexpr Boolean vbTrue = -1;
inline constexpr Boolean vbFalse = 0;

}  // namespace tavelin::editor
