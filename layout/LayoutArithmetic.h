#pragma once

#include <cstdint>

// Whole-number arithmetic of the layout engine. Records and percentages are 32-bit; anything that
// would leave that range fails with tavelin::layout::Failure instead of wrapping around.
namespace tavelin::layout {

// The whole number nearest to v, halves going to the even neighbour; fails outside 32 bits and
// for NaN.
std::int32_t nearest(double v);

// a \ b: division truncating toward zero (-7 \ 2 = -3); fails for b = 0 and for a quotient
// outside 32 bits. Operands are products of two 32-bit values at most.
std::int32_t quotient(std::int64_t a, std::int64_t b);

// a - b; fails outside 32 bits.
std::int32_t difference(std::int32_t a, std::int32_t b);

// (v * percent) \ 100, the product formed in 64 bits so only the result can overflow.
std::int32_t scale(std::int32_t v, std::int32_t percent);

}  // namespace tavelin::layout
