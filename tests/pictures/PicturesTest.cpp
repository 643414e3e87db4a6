#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "editor/pictures/Pictures.h"

namespace tavelin::editor {
namespace {

using platform::Picture;

constexpr std::uint32_t kSilver = 0xC0C0C0;

// What the four corner pixels must be: the image list's mask colour for toolbar pictures
// (so the mask clears the background), transparent for the icon and cursor.
enum class Corners { kSilver, kTransparent, kAny };

struct PictureCase {
  std::string label;
  std::string name;
  const Picture* picture;
  int width;
  int height;
  Corners corners;
  bool classicColoursOnly;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.label; }

std::vector<PictureCase> pictureCases() {
  const auto toolbar = toolbarPictures();
  const struct {
    const char* label;
    int width;
    int height;
  } kToolbar[] = {
      {"new", 16, 15},        {"open", 16, 15},      {"save", 16, 15},
      {"print", 16, 15},      {"cut", 16, 15},       {"copy", 16, 15},
      {"paste", 16, 15},      {"bold", 16, 16},      {"italic", 16, 16},
      {"underline", 16, 16},  {"alignLeft", 16, 16}, {"alignCentre", 16, 16},
      {"alignRight", 16, 16}, {"font", 16, 15},      {"fontColour", 24, 22},
  };
  std::vector<PictureCase> cases;
  for (std::size_t i = 0; i < std::size(kToolbar) && i < toolbar.size(); ++i) {
    // The last picture is a whole raised button, edge to edge.
    const Corners corners = i + 1 < std::size(kToolbar) ? Corners::kSilver : Corners::kAny;
    cases.push_back({"toolbar" + std::to_string(i + 1) + "_" + kToolbar[i].label, kToolbar[i].label,
                     &toolbar[i], kToolbar[i].width, kToolbar[i].height, corners, false});
  }
  cases.push_back(
      {"windowIcon32", "notepad32", &windowIcon32(), 32, 32, Corners::kTransparent, true});
  cases.push_back(
      {"windowIcon16", "notepad16", &windowIcon16(), 16, 16, Corners::kTransparent, true});
  cases.push_back({"handCursor", "hand", &handCursor(), 32, 32, Corners::kTransparent, false});
  return cases;
}

std::optional<std::uint32_t> colourOf(const Picture& picture, char symbol) {
  for (const auto& entry : picture.palette) {
    if (entry.symbol == symbol) return entry.rgb;
  }
  return std::nullopt;
}

std::optional<std::uint32_t> pixel(const Picture& picture, int x, int y) {
  return colourOf(picture, picture.rows[static_cast<std::size_t>(y)][x]);
}

bool isClassicColour(std::uint32_t rgb) {
  static const std::set<std::uint32_t> kClassic = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  return (rgb & platform::kTransparent) != 0 || kClassic.count(rgb) != 0;
}

TEST(Pictures, ToolbarHoldsFifteenPictures) { EXPECT_EQ(toolbarPictures().size(), 15u); }

class PictureData : public testing::TestWithParam<PictureCase> {};

// A picture the platform would read out of bounds, draw with an unknown colour, or show with
// an opaque background is caught here.
TEST_P(PictureData, IsWellFormed) {
  const PictureCase& c = GetParam();
  const Picture& picture = *c.picture;
  // A picture out of its place would put the wrong image on a button.
  EXPECT_EQ(c.name, picture.name);
  ASSERT_EQ(picture.width, c.width);
  ASSERT_EQ(picture.height, c.height);
  ASSERT_EQ(picture.rows.size(), static_cast<std::size_t>(c.height));

  std::set<char> symbols;
  for (const auto& entry : picture.palette) {
    EXPECT_TRUE(symbols.insert(entry.symbol).second) << "symbol '" << entry.symbol << "' twice";
    if (c.classicColoursOnly) {
      EXPECT_TRUE(isClassicColour(entry.rgb)) << std::hex << entry.rgb << " for " << entry.symbol;
    }
  }

  for (int y = 0; y < c.height; ++y) {
    SCOPED_TRACE("row " + std::to_string(y));
    const char* row = picture.rows[static_cast<std::size_t>(y)];
    ASSERT_NE(row, nullptr);
    ASSERT_EQ(std::strlen(row), static_cast<std::size_t>(c.width));
    for (int x = 0; x < c.width; ++x) {
      EXPECT_TRUE(symbols.count(row[x])) << "unknown symbol '" << row[x] << "' at x " << x;
    }
  }

  if (c.corners == Corners::kAny) return;
  const int corners[][2] = {
      {0, 0}, {c.width - 1, 0}, {0, c.height - 1}, {c.width - 1, c.height - 1}};
  for (const auto& corner : corners) {
    SCOPED_TRACE("corner " + std::to_string(corner[0]) + "," + std::to_string(corner[1]));
    const auto colour = pixel(picture, corner[0], corner[1]);
    ASSERT_TRUE(colour.has_value());
    if (c.corners == Corners::kSilver) {
      EXPECT_EQ(*colour, kSilver);
    } else {
      EXPECT_NE(*colour & platform::kTransparent, 0u);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllPictures, PictureData, testing::ValuesIn(pictureCases()),
                         [](const testing::TestParamInfo<PictureCase>& info) {
                           return info.param.label;
                         });

// A hot spot off the drawing would make clicks land where no part of the hand is shown.
TEST(Pictures, HandCursorHotSpotIsOnTheFingertip) {
  const Picture& hand = handCursor();
  EXPECT_EQ(hand.hotSpotX, 12);
  EXPECT_EQ(hand.hotSpotY, 1);
  ASSERT_GE(hand.hotSpotX, 0);
  ASSERT_LT(hand.hotSpotX, hand.width);
  ASSERT_GE(hand.hotSpotY, 0);
  ASSERT_LT(hand.hotSpotY, hand.height);
  const auto colour = pixel(hand, hand.hotSpotX, hand.hotSpotY);
  ASSERT_TRUE(colour.has_value());
  EXPECT_EQ(*colour & platform::kTransparent, 0u);
  // Nothing of the hand reaches above the fingertip.
  for (int y = 0; y < hand.hotSpotY; ++y) {
    for (int x = 0; x < hand.width; ++x) {
      EXPECT_NE(*pixel(hand, x, y) & platform::kTransparent, 0u) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace tavelin::editor
