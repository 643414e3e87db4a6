#include "RtfTestSupport.h"

namespace tavelin::rtf::testing {
namespace {

TEST_P(RtfReads, DocumentAsExpected) {
  const ReaderCase& c = GetParam();
  const Document document = readChecked(c.rtf);
  // The readable forms first, for a useful message; then the exact comparison.
  EXPECT_EQ(checks::describe(document), checks::describe(c.expected));
  EXPECT_EQ(document, c.expected);
}

const std::vector<ReaderCase> kTextCases = {
    {"control_word_delimiter_space_is_not_text", R"({\rtf1\ansi Hello world})",
     plain("Hello world")},
    {"source_line_breaks_are_not_text", "{\\rtf1 Hel\r\nlo\n wor\rld}", plain("Hello world")},
    {"par_ends_paragraph_and_adds_none_after_last", R"({\rtf1 One\par Two\par})",
     doc({para({run("One")}), para({run("Two")})})},
    {"last_paragraph_needs_no_par", R"({\rtf1 One\par Two})",
     doc({para({run("One")}), para({run("Two")})})},
    {"empty_paragraphs_between_text_are_kept", R"({\rtf1 A\par\par\par B\par})",
     doc({para({run("A")}), para({}), para({}), para({run("B")})})},
    {"empty_document_has_one_empty_paragraph", R"({\rtf1\ansi})", empty()},
    {"lone_par_is_one_empty_paragraph", R"({\rtf1\par})", empty()},
    {"line_and_tab", R"({\rtf1 a\line b\tab c})", plain("a\u2028b\tc")},
    {"escaped_braces_and_backslash", R"({\rtf1 \{x\}\\y})", plain("{x}\\y")},
    {"nbsp_optional_hyphen_nonbreaking_hyphen", R"({\rtf1 a\~b\-c\_d})", plain("a\u00A0bc\u2011d")},
    {"backslash_before_line_break_is_par", "{\\rtf1 a\\\nb\\\r\nc}",
     doc({para({run("a")}), para({run("b")}), para({run("c")})})},
    {"named_punctuation", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
     plain("\u2014\u2013\u2022\u2018\u2019\u201C\u201D")},
    {"unknown_words_and_their_numbers_are_skipped",
     R"({\rtf1 a\foo12 b\bar-3c\kerning0\lang2052 d})", plain("abcd")},
    {"minus_without_digits_is_text", R"({\rtf1\foo-x})", plain("-x")},
    {"text_after_the_document_is_not_read", R"({\rtf1 in}out)", plain("in")},
};
INSTANTIATE_TEST_SUITE_P(Text, RtfReads, ::testing::ValuesIn(kTextCases), caseName);

const std::vector<ReaderCase> kUnicodeCases = {
    {"u_with_fallback", R"({\rtf1 \u20013?\u25991?})", plain("中文")},
    {"negative_u_adds_65536", R"({\rtf1 \u-255?\u-27?})", plain("！￥")},
    {"surrogate_pair_joins", R"({\rtf1 a\u-10179?\u-8704?b})", plain("a😀b")},
    {"lone_high_surrogate_is_replaced", R"({\rtf1 \u-10179?x})", plain("\uFFFDx")},
    {"lone_low_surrogate_is_replaced", R"({\rtf1 x\u-8704?})", plain("x\uFFFD")},
    {"high_surrogate_at_end_is_replaced", R"({\rtf1 \u55357?})", plain("\uFFFD")},
    {"uc2_skips_a_double_byte_fallback", R"({\rtf1\uc2\u20013\'d6\'d0x})", plain("中x")},
    {"uc0_skips_nothing", R"({\rtf1\uc0\u20013 x\u25991y})", plain("中x文y")},
    {"uc_is_group_scoped", R"({\rtf1{\uc2\u20013??}\u25991?x})", plain("中文x")},
    {"fallback_ends_at_a_brace", R"({\rtf1\uc3\u20013{\b x}y})",
     doc({para({run("中"), run("x", Fmt().bold()), run("y")})})},
    {"fallback_counts_symbols_and_escapes_as_one", R"({\rtf1\uc3\u20013\'3f\~\\y})", plain("中y")},
    {"fallback_counts_a_control_word_as_one", R"({\rtf1\u20013\emdash y})", plain("中y")},
    {"u_without_number_is_skipped", R"({\rtf1 a\u b})", plain("ab")},
};
INSTANTIATE_TEST_SUITE_P(Unicode, RtfReads, ::testing::ValuesIn(kUnicodeCases), caseName);

const std::vector<ReaderCase> kCodePageCases = {
    {"western_1252_is_the_default", R"({\rtf1\ansi caf\'e9 \'fcber \'80 5})",
     plain("café über € 5")},
    {"ansicpg936_decodes_gbk_pairs", R"({\rtf1\ansi\ansicpg936 \'d6\'d0\'ce\'c4})", plain("中文")},
    {"gbk_second_byte_written_literally", R"({\rtf1\ansicpg936 \'81@})", plain("丂")},
    {"gbk_second_byte_escaped_as_backslash_or_brace", R"({\rtf1\ansicpg936 \'81\\\'81\}})",
     plain("乗亇")},
    {"lead_byte_without_second_byte_is_replaced", R"({\rtf1\ansicpg936 \'d6\par x})",
     doc({para({run("\uFFFD")}), para({run("x")})})},
    {"byte_undefined_in_1252_is_replaced", R"({\rtf1\ansi a\'81b})", plain("a\uFFFDb")},
    {"unknown_ansicpg_falls_back_to_1252", R"({\rtf1\ansicpg99999 \'e9})", plain("é")},
    {"chinese_document_with_fcharset134_font",
     R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fnil\fcharset0 Arial;})"
     R"({\f1\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}\f1\fs24 \'d6\'d0\'ce\'c4\f0  ok\par})",
     doc({para(
         {run("中文", Fmt().font("宋体").size(12)), run(" ok", Fmt().font("Arial").size(12))})})},
    {"fcharset0_font_decodes_1252_in_a_936_document",
     R"({\rtf1\ansicpg936{\fonttbl{\f0\fcharset0 Arial;}}\f0 caf\'e9})",
     doc({para({run("café", Fmt().font("Arial"))})})},
    {"font_without_fcharset_uses_the_document_code_page",
     R"({\rtf1\ansicpg1251{\fonttbl{\f0 Courier;}}\f0\'c4})",
     doc({para({run("Д", Fmt().font("Courier"))})})},
    {"cpg_overrides_fcharset", R"({\rtf1{\fonttbl{\f0\fcharset0\cpg1251 X;}}\f0\'c4})",
     doc({para({run("Д", Fmt().font("X"))})})},
    {"shift_jis_second_byte_escaped_as_brace",
     R"({\rtf1{\fonttbl{\f0\fcharset128 MS Gothic;}}\f0\'93\'fa\'96\{})",
     doc({para({run("日本", Fmt().font("MS Gothic"))})})},
};
INSTANTIATE_TEST_SUITE_P(CodePages, RtfReads, ::testing::ValuesIn(kCodePageCases), caseName);

// Each font's \fcharset decides how the bytes written in that font decode.
struct CharsetCase {
  int charset;
  std::string bytes;
  std::string text;
};

std::vector<ReaderCase> charsetCases() {
  const std::vector<CharsetCase> table = {
      {0, R"(\'e9)", "é"},        {2, R"(\'b7)", "·"},
      {128, R"(\'93\'fa)", "日"}, {129, R"(\'c7\'d1\'b1\'b9)", "한국"},
      {134, R"(\'d6\'d0)", "中"}, {136, R"(\'a4\'a4\'a4\'e5)", "中文"},
      {161, R"(\'e1\'e2)", "αβ"}, {162, R"(\'fe)", "ş"},
      {204, R"(\'c4\'e6)", "Дж"}, {238, R"(\'b3)", "ł"},
  };
  std::vector<ReaderCase> cases;
  for (const CharsetCase& c : table) {
    cases.push_back({"fcharset" + std::to_string(c.charset),
                     R"({\rtf1{\fonttbl{\f3\fcharset)" + std::to_string(c.charset) +
                         R"( Face;}}\f3 )" + c.bytes + "}",
                     doc({para({run(c.text, Fmt().font("Face"))})})});
  }
  return cases;
}
INSTANTIATE_TEST_SUITE_P(Charsets, RtfReads, ::testing::ValuesIn(charsetCases()), caseName);

}  // namespace
}  // namespace tavelin::rtf::testing
