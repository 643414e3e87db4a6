#pragma once

#include <cstdint>
#include <span>

#include "Picture.h"

namespace tavelin::platform {

// A window described as data, in twips (15 to a device-independent pixel). Texts are UTF-8.
// The builder turns it into widgets; nothing about a particular window lives in the builder.

enum class ControlKind {
  CommandButton,
  WebBrowser,
  Timer,
  ImageList,
  CommonDialog,
  Toolbar,
  TextBox,
  RichTextBox,
  Label,
};

enum class ScrollBars { None, Horizontal, Vertical, Both };

inline constexpr int kNoGeometry = -1;
inline constexpr std::uint32_t kDefaultColor = 0xFFFFFFFFu;

struct ControlRow {
  const char* name;
  ControlKind kind;
  const char* container;  // nullptr: the window's client area; else a control's name
  int left = kNoGeometry, top = kNoGeometry, width = kNoGeometry, height = kNoGeometry;
  int tabIndex = -1;
  const char* caption = nullptr;  // caption or start text
  std::uint32_t backColor = kDefaultColor;
  const char* toolTip = nullptr;
  const Picture* cursor = nullptr;
  ScrollBars scrollBars = ScrollBars::None;
  int interval = 0;     // timers, milliseconds
  bool locked = false;  // text fields the user reads but does not type into
};

enum class Check { None, Off, On };

struct MenuRow {
  const char* name;
  const char* parent;              // nullptr: an item of the menu bar
  const char* caption;             // "-" makes a separator
  const char* shortcut = nullptr;  // QKeySequence text: "Ctrl+N", "F1"
  Check check = Check::None;
};

enum class ButtonStyle { Normal, Separator, Grouped };

struct ToolbarButtonRow {
  const char* key;  // nullptr for a separator
  const char* toolTip;
  int image;  // 1-based index into the image list, 0 for none
  ButtonStyle style;
};

struct PaneFont {
  const char* family;
  std::span<const char* const> fallbacks;  // families that show CJK text when the first is missing
  int points;
};

struct WindowDescription {
  const char* name;
  const char* caption;
  int clientWidth, clientHeight;  // twips
  std::span<const Picture* const> icons;
  std::span<const ControlRow> controls;  // in stacking order: the first row lies in front
  std::span<const MenuRow> menus;        // in display order, children after their parent
  const char* toolbarName;
  int toolbarButtonWidth, toolbarButtonHeight;  // pixels
  std::span<const ToolbarButtonRow> toolbarButtons;
  std::span<const Picture> imageList;
  int imageWidth, imageHeight;   // pixels
  std::uint32_t imageMaskColor;  // 0xRRGGBB drawn transparent
  PaneFont paneFont;
};

}  // namespace tavelin::platform
