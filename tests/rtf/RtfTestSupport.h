#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "RtfDocumentChecks.h"
#include "platform/rtf/RtfDocument.h"

namespace tavelin::rtf {
// Failure messages show documents in their readable form.
inline void PrintTo(const Document& document, std::ostream* out) {
  *out << "\n" << checks::describe(document);
}
}  // namespace tavelin::rtf

namespace tavelin::rtf::testing {

// Builds expected formats in one line: Fmt().bold().font("Arial").size(12).
struct Fmt {
  CharFormat format;
  Fmt& bold() { return format.bold = true, *this; }
  Fmt& italic() { return format.italic = true, *this; }
  Fmt& underline() { return format.underline = true, *this; }
  Fmt& strike() { return format.strikeOut = true, *this; }
  Fmt& font(std::string name) { return format.fontName = std::move(name), *this; }
  Fmt& size(double points) { return format.pointSize = points, *this; }
  Fmt& color(std::uint32_t rgb) { return format.color = rgb, *this; }
  operator CharFormat() const { return format; }  // NOLINT: meant to convert
};

inline Run run(std::string text, CharFormat format = {}) {
  return Run{std::move(text), std::move(format)};
}
inline Paragraph para(std::vector<Run> runs, Alignment alignment = Alignment::Left) {
  return Paragraph{alignment, std::move(runs)};
}
inline Document doc(std::vector<Paragraph> paragraphs) { return Document{std::move(paragraphs)}; }
// One paragraph of unformatted text.
inline Document plain(std::string text) { return doc({para({run(std::move(text))})}); }
inline Document empty() { return doc({para({})}); }

// Reads and checks the promises every returned document keeps.
inline Document readChecked(std::string_view rtf) {
  Document document = readRtf(rtf);
  EXPECT_EQ(checks::invariantViolation(document), "") << checks::describe(document);
  return document;
}

struct ReaderCase {
  std::string name;  // the behaviour, or the fault the case would catch
  std::string rtf;
  Document expected;
};

inline void PrintTo(const ReaderCase& c, std::ostream* out) { *out << c.name; }

inline std::string caseName(const ::testing::TestParamInfo<ReaderCase>& info) {
  return info.param.name;
}

// One table of fixtures per area; every table is read by the same test.
class RtfReads : public ::testing::TestWithParam<ReaderCase> {};

}  // namespace tavelin::rtf::testing
