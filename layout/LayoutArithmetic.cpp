#include "layout/LayoutArithmetic.h"

#include <cmath>
#include <limits>

#include "layout/LayoutFailure.h"

namespace tavelin::layout {

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

std::int32_t checked(std::int64_t v) {
  if (v < kMin || v > kMax) throw Failure("layout value outside the 32-bit range");
  return static_cast<std::int32_t>(v);
}

}  // namespace

std::int32_t nearest(double v) {
  if (std::isnan(v)) throw Failure("layout value is not a number");
  // Rounded by hand rather than with rint() so the result does not depend on the floating-point
  // rounding mode some other code may have set. v - floor(v) is exact.
  const double below = std::floor(v);
  const double fraction = v - below;
  double rounded = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1.0;
  if (!(rounded >= static_cast<double>(kMin) && rounded <= static_cast<double>(kMax))) {
    throw Failure("layout value outside the 32-bit range");
  }
  return static_cast<std::int32_t>(rounded);
}

std::int32_t quotient(std::int64_t a, std::int64_t b) {
  if (b == 0) throw Failure("layout division by zero");
  return checked(a / b);  // C++ division truncates toward zero
}

std::int32_t difference(std::int32_t a, std::int32_t b) {
  return checked(static_cast<std::int64_t>(a) - b);
}

std::int32_t scale(std::int32_t v, std::int32_t percent) {
  return quotient(static_cast<std::int64_t>(v) * percent, 100);
}

}  // namespace tavelin::layout
