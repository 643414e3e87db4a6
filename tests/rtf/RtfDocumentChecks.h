#pragma once

// Shared by the tests and the fuzz target: a readable form of a document for failure messages, and
// the promises every document the reader returns keeps, whatever the input was.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/rtf/RtfDocument.h"

namespace tavelin::rtf::checks {

// Length of the well-formed UTF-8 sequence at the start of `s` and its code point; 0 when malformed
// (overlong forms, surrogates, values past U+10FFFF, cut-off sequences).
inline std::size_t utf8Sequence(std::string_view s, char32_t& c) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  if (lead < 0x80) {
    c = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    c = lead & 0x07;
  } else {
    return 0;
  }
  if (s.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i) & 0x3F);
  }
  const char32_t minimum = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

// Empty when `text` is valid UTF-8 that may stand in a run; else what is wrong with it.
inline std::string textProblem(std::string_view text) {
  while (!text.empty()) {
    char32_t c = 0;
    const std::size_t length = utf8Sequence(text, c);
    if (length == 0) return "malformed UTF-8";
    if (c < 0x20 && c != '\t') return "control character " + std::to_string(c);
    if (c == 0x2029) return "paragraph separator";
    text.remove_prefix(length);
  }
  return {};
}

// Empty when the document keeps every promise of RtfDocument.h; else the first broken one.
inline std::string invariantViolation(const Document& document) {
  if (document.paragraphs.empty()) return "no paragraph";
  for (std::size_t p = 0; p < document.paragraphs.size(); ++p) {
    const auto& runs = document.paragraphs[p].runs;
    const std::string where = "paragraph " + std::to_string(p);
    for (std::size_t r = 0; r < runs.size(); ++r) {
      const Run& run = runs[r];
      const std::string at = where + " run " + std::to_string(r) + ": ";
      if (run.text.empty()) return at + "empty run";
      if (auto problem = textProblem(run.text); !problem.empty()) return at + "text: " + problem;
      if (auto problem = textProblem(run.format.fontName); !problem.empty()) {
        return at + "font name: " + problem;
      }
      if (run.format.fontName.size() > 128) return at + "font name too long";
      if (!(run.format.pointSize >= 0 && run.format.pointSize <= 1638)) return at + "point size";
      if (run.format.color && *run.format.color > 0xFFFFFF) return at + "colour out of range";
      if (r > 0 && runs[r - 1].format == run.format) return at + "not merged with the run before";
    }
  }
  return {};
}

inline std::string describe(const CharFormat& f) {
  std::string out;
  const auto add = [&](const std::string& part) { out += (out.empty() ? "" : ",") + part; };
  if (f.bold) add("b");
  if (f.italic) add("i");
  if (f.underline) add("u");
  if (f.strikeOut) add("s");
  if (!f.fontName.empty()) add("font=" + f.fontName);
  char buffer[32];
  if (f.pointSize != 0) {
    std::snprintf(buffer, sizeof buffer, "%gpt", f.pointSize);
    add(buffer);
  }
  if (f.color) {
    std::snprintf(buffer, sizeof buffer, "#%06X", static_cast<unsigned>(*f.color));
    add(buffer);
  }
  return "{" + out + "}";
}

inline std::string describe(const Document& document) {
  std::string out;
  for (const Paragraph& paragraph : document.paragraphs) {
    out += paragraph.alignment == Alignment::Center  ? "[center]"
           : paragraph.alignment == Alignment::Right ? "[right]"
                                                     : "[left]";
    for (const Run& run : paragraph.runs) {
      out += " \"";
      for (char c : run.text) {
        if (c == '\t') {
          out += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20) {
          out += "\\x" + std::to_string(static_cast<int>(c));
        } else {
          out += c;
        }
      }
      out += "\"" + describe(run.format);
    }
    out += "\n";
  }
  return out;
}

}  // namespace tavelin::rtf::checks
