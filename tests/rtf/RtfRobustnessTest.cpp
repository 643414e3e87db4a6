#include <string>

#include "RtfTestSupport.h"

namespace tavelin::rtf::testing {
namespace {

const std::vector<ReaderCase> kDamagedCases = {
    {"truncated_text", R"({\rtf1 abc)", plain("abc")},
    {"truncated_inside_a_group_keeps_its_format", R"({\rtf1 a{\b bold)",
     doc({para({run("a"), run("bold", Fmt().bold())})})},
    {"truncated_after_backslash", "{\\rtf1 ab\\", plain("ab")},
    {"truncated_hex_escape", "{\\rtf1 ab\\'4", plain("ab")},
    {"damaged_hex_escape_keeps_what_follows", R"({\rtf1 a\'zzb\'4x})", plain("azzbx")},
    {"truncated_font_table", R"({\rtf1{\fonttbl{\f0 Ari)", empty()},
    {"truncated_in_binary_data", R"({\rtf1 a\bin100 xy)", plain("a")},
    {"extra_closing_braces_end_the_document", R"({\rtf1 a}}}b)", plain("a")},
    {"only_the_opening", "{\\rtf", empty()},
    {"huge_font_size_is_clamped", R"({\rtf1\fs99999999999999999999 a})",
     doc({para({run("a", Fmt().size(1638))})})},
    {"negative_font_size_is_the_default", R"({\rtf1\fs-5 a})", plain("a")},
    {"huge_uc_is_clamped_to_16", R"({\rtf1\uc99999999999\u20013 abcdefghijklmnopqrstu})",
     plain("中qrstu")},
    {"u_beyond_16_bits_is_replaced", R"({\rtf1\u99999999999 xy\u-99999 xz})",
     plain("\uFFFDy\uFFFDz")},
    {"huge_binary_length_stops_at_the_end", R"({\rtf1 a\bin99999999999 bc})", plain("a")},
    {"negative_binary_length_skips_nothing", R"({\rtf1 a\bin-5 bc})", plain("abc")},
    {"huge_colour_index_is_the_default", R"({\rtf1{\colortbl;\red1;}\cf99999999999 a})",
     plain("a")},
    {"colour_components_are_clamped", R"({\rtf1{\colortbl;\red999\green-5\blue256;}\cf1 a})",
     doc({para({run("a", Fmt().color(0xFF00FF))})})},
    {"control_characters_and_nul_are_dropped",
     std::string("{\\rtf1 a") + '\0' + "b\x01\\'00c\\'0d\\u0?d\\u13?e\tf}", plain("abcde\tf")},
    {"decoded_paragraph_separator_becomes_line_separator",
     R"({\rtf1\ansicpg65001 a\'e2\'80\'a9b\u8233?c})", plain("a\u2028b\u2028c")},
    {"utf8_code_page_replaces_malformed_sequences",
     "{\\rtf1\\ansicpg65001 a\xF4\x9C\x98\xA3"
     "b\xC0\xAF"
     "c\xED\xA0\x80"
     "d\xE4\xB8\xAD"
     "e}",
     plain("a\uFFFD\uFFFD\uFFFD\uFFFDb\uFFFD\uFFFDc\uFFFD\uFFFD\uFFFDd中e")},
    {"very_long_font_name_is_cut_on_a_character_boundary",
     R"({\rtf1{\fonttbl{\f0 )" + std::string(127, 'x') + R"(\u20013?tail;}}\f0 a})",
     doc({para({run("a", Fmt().font(std::string(127, 'x')))})})},
};
INSTANTIATE_TEST_SUITE_P(Damaged, RtfReads, ::testing::ValuesIn(kDamagedCases), caseName);

TEST(RtfNotRtf, ContentNotStartingWithRtfGroupThrows) {
  const std::vector<std::string> inputs = {"",
                                           "hello",
                                           "{\\rt",
                                           " {\\rtf1}",
                                           "\xEF\xBB\xBF{\\rtf1 x}",
                                           "{\\RTF1 x}",
                                           "\\rtf1 x}",
                                           std::string("\0{\\rtf1}", 8)};
  for (const std::string& input : inputs) {
    SCOPED_TRACE(::testing::PrintToString(input));
    EXPECT_FALSE(looksLikeRtf(input));
    try {
      readRtf(input);
      ADD_FAILURE() << "no NotRtf";
    } catch (const NotRtf& error) {
      EXPECT_NE(std::string(error.what()).find("not an RTF document"), std::string::npos);
    }
  }
  EXPECT_TRUE(looksLikeRtf("{\\rtf"));
  EXPECT_TRUE(looksLikeRtf("{\\rtf1\\ansi x}"));
}

// Beyond the depth bound groups are read as part of their parent: the text stays, the stack is not
// recursed on, and closing all groups again leaves the document's own format.
TEST(RtfDeepNesting, ReadsTextBeyondTheDepthBound) {
  for (const std::size_t depth : {999u, 1000u, 1001u, 100000u}) {
    SCOPED_TRACE(depth);
    const std::string rtf =
        "{\\rtf1 " + std::string(depth, '{') + "\\b x" + std::string(depth, '}') + " y}";
    EXPECT_EQ(readChecked(rtf), doc({para({run("x", Fmt().bold()), run(" y")})}));
  }
}

TEST(RtfDeepNesting, UnclosedAndIgnoredDepthsReturn) {
  const std::string unclosed = "{\\rtf1 " + std::string(200000, '{') + "deep";
  EXPECT_EQ(readChecked(unclosed), plain("deep"));
  std::string ignored = "{\\rtf1 a";
  for (int i = 0; i < 50000; ++i) ignored += "{\\*\\x ";
  ignored += "hidden" + std::string(50000, '}') + "b}";
  EXPECT_EQ(readChecked(ignored), plain("ab"));
}

// Every prefix of a document that uses most of the format is a truncated file: each one reads
// without failing and gives a well-formed document.
TEST(RtfTruncation, EveryPrefixOfARichDocumentReads) {
  const std::string rtf =
      R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset134 \'cb\'ce\'cc\'e5;})"
      R"({\f1\fswiss\fcharset0 Arial;}}{\colortbl ;\red255\green0\blue0;})"
      R"({\*\generator Riched20;}\viewkind4\uc1\pard\qc\cf1\b\f0\fs32 \'d6\'d0\'ce\'c4\b0\par)"
      R"(\pard\cf0\f1\fs20 caf\'e9 {\i\ul italic}\tab\u-10179?\u-8704?\line)"
      R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}{\pict\bin3 {}}\uc2\u20013\'d6\'d0\par})";
  ASSERT_FALSE(readChecked(rtf).paragraphs.empty());
  for (std::size_t length = 5; length <= rtf.size(); ++length) {
    SCOPED_TRACE(length);
    const Document document = readChecked(std::string_view(rtf).substr(0, length));
    EXPECT_FALSE(document.paragraphs.empty());
  }
}

}  // namespace
}  // namespace tavelin::rtf::testing
