#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A neutral rich-text document read from RTF. It knows no toolkit: the pane turns it into its own
// document type, so the reader can be tested and fuzzed on its own.
namespace tavelin::rtf {

struct CharFormat {
  std::string fontName;  // empty: the pane's default font
  double pointSize = 0;  // 0: the pane's default size
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::optional<std::uint32_t> color;  // 0xRRGGBB; none: the default colour

  bool operator==(const CharFormat&) const = default;
};

struct Run {
  std::string text;  // UTF-8; never empty, never holds a paragraph break (\line is U+2028)
  CharFormat format;

  bool operator==(const Run&) const = default;
};

enum class Alignment { Left, Center, Right };

struct Paragraph {
  Alignment alignment = Alignment::Left;
  std::vector<Run> runs;  // adjacent runs always differ in format

  bool operator==(const Paragraph&) const = default;
};

// Always holds at least one paragraph. A \par ends its paragraph, so a document whose text ends
// with \par has no empty paragraph after it: files written by rich-text controls, which end every
// paragraph with \par, keep their paragraph count when read back.
struct Document {
  std::vector<Paragraph> paragraphs;

  bool operator==(const Document&) const = default;
};

// Thrown by readRtf for content that is not RTF at all.
class NotRtf : public std::runtime_error {
 public:
  NotRtf();
};

// True when the content starts with "{\rtf", the way rich-text controls tell RTF from plain text.
bool looksLikeRtf(std::string_view bytes);

// Reads everything that can be read from an RTF document, however damaged; never recurses on the
// input and runs in time linear in its size. Throws NotRtf when looksLikeRtf is false.
Document readRtf(std::string_view bytes);

}  // namespace tavelin::rtf
