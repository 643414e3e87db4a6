#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "layout/LayoutArithmetic.h"
#include "layout/LayoutEngine.h"

namespace tavelin::layout {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(LayoutArithmetic, NearestRoundsHalvesToEvenAndFailsOutside32Bits) {
  struct Case {
    double v;
    std::optional<std::int32_t> expected;  // empty: a failure
  };
  const Case cases[] = {
      {10.4, 10},
      {10.5, 10},
      {11.5, 12},
      {-10.5, -10},
      {-11.5, -12},
      {-10.6, -11},
      {0.49999999999999994, 0},
      {2147483647.4, kMax},
      {-2147483648.5, kMin},
      {2147483647.5, std::nullopt},
      {-2147483649.0, std::nullopt},
      {1e300, std::nullopt},
      {std::numeric_limits<double>::infinity(), std::nullopt},
      {-std::numeric_limits<double>::infinity(), std::nullopt},
      {std::nan(""), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.v);
    if (c.expected) {
      EXPECT_EQ(nearest(c.v), *c.expected);
    } else {
      EXPECT_THROW(nearest(c.v), Failure);
    }
  }
}

TEST(LayoutArithmetic, QuotientTruncatesTowardZeroAndFailsOnZeroOrOverflow) {
  struct Case {
    std::int64_t a, b;
    std::optional<std::int32_t> expected;
  };
  const Case cases[] = {
      {7, 2, 3},
      {-7, 2, -3},
      {7, -2, -3},
      {-14850, 100, -148},
      {90000, 600, 150},
      {60500, 600, 100},
      {0, 600, 0},
      {7, 0, std::nullopt},
      {0, 0, std::nullopt},
      {300000000000, 100, std::nullopt},
      {-214748364900, 100, std::nullopt},
      {kMin, -1, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.a) + " \\ " + std::to_string(c.b));
    if (c.expected) {
      EXPECT_EQ(quotient(c.a, c.b), *c.expected);
    } else {
      EXPECT_THROW(quotient(c.a, c.b), Failure);
    }
  }
}

TEST(LayoutArithmetic, ScaleFormsTheProductIn64BitsAndFailsOnlyOnTheResult) {
  EXPECT_EQ(scale(123, 150), 184);
  EXPECT_EQ(scale(-150, 99), -148);
  EXPECT_EQ(scale(2000000000, 101), 2020000000);  // the product alone would wrap in 32 bits
  EXPECT_EQ(scale(kMax, 0), 0);
  EXPECT_THROW(scale(2000000000, 150), Failure);
  EXPECT_THROW(scale(kMin, 101), Failure);
}

TEST(LayoutArithmetic, DifferenceFailsOutside32Bits) {
  EXPECT_EQ(difference(180, HiddenOffset), 180 - 75000);
  EXPECT_EQ(difference(kMin + 75000, HiddenOffset), kMin);
  EXPECT_THROW(difference(kMin + 74999, HiddenOffset), Failure);
}

TEST(LayoutArithmetic, ActualPosRemovesTheHiddenOffsetFromNegativeCoordinatesOnly) {
  EXPECT_EQ(LayoutEngine::ActualPos(0), 0);
  EXPECT_EQ(LayoutEngine::ActualPos(120), 120);
  EXPECT_EQ(LayoutEngine::ActualPos(120 - 75000), 120);
  EXPECT_EQ(LayoutEngine::ActualPos(-100), 74900);
  EXPECT_EQ(LayoutEngine::ActualPos(-80000), -5000);
  EXPECT_EQ(LayoutEngine::ActualPos(kMin), kMin + 75000);
}

}  // namespace
}  // namespace tavelin::layout
