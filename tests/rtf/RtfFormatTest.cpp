#include "RtfTestSupport.h"

namespace tavelin::rtf::testing {
namespace {

constexpr auto kCenter = Alignment::Center;
constexpr auto kRight = Alignment::Right;

const std::string kTables =
    R"({\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss\fcharset0 Arial;}})"
    R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})";

const std::vector<ReaderCase> kCharFormatCases = {
    {"bold_italic_underline_strike_on_and_off",
     R"({\rtf1 \b B\b0 \i I\i0 \ul U\ulnone \strike S\strike0 N})",
     doc({para({run("B", Fmt().bold()), run("I", Fmt().italic()), run("U", Fmt().underline()),
                run("S", Fmt().strike()), run("N")})})},
    {"underline_styles_all_underline_and_ulc_is_a_colour",
     R"({\rtf1\uldb a\ul0 b\ulwave c\ulnone d\ulw e\uld0 f\ulc2 g\ulthdashd h})",
     doc({para({run("a", Fmt().underline()), run("b"), run("c", Fmt().underline()), run("d"),
                run("e", Fmt().underline()), run("fg"), run("h", Fmt().underline())})})},
    {"double_strike", R"({\rtf1\striked1 x\striked0 y})",
     doc({para({run("x", Fmt().strike()), run("y")})})},
    {"closing_brace_restores_the_format_before_its_group", R"({\rtf1 a{\b b{\i\ul c}d}e})",
     doc({para({run("a"), run("b", Fmt().bold()), run("c", Fmt().bold().italic().underline()),
                run("d", Fmt().bold()), run("e")})})},
    {"plain_resets_character_format", R"({\rtf1\b\i\strike\fs40\cf1 x\plain y})",
     doc({para({run("x", Fmt().bold().italic().strike().size(20)), run("y")})})},
    {"font_size_and_colour_from_the_tables",
     R"({\rtf1\deff0)" + kTables + R"(\f1\fs28\cf1 red\cf2 blue\cf0 auto\f0\fs21 times})",
     doc({para({run("red", Fmt().font("Arial").size(14).color(0xFF0000)),
                run("blue", Fmt().font("Arial").size(14).color(0x0000FF)),
                run("auto", Fmt().font("Arial").size(14)),
                run("times", Fmt().font("Times New Roman").size(10.5))})})},
    {"deff_font_applies_without_f", R"({\rtf1\deff1{\fonttbl{\f0 A;}{\f1 B;}}x\plain y})",
     doc({para({run("xy", Fmt().font("B"))})})},
    {"flat_font_table_without_entry_groups",
     R"({\rtf1{\fonttbl\f0\fnil Arial;\f1\fnil Courier New;}\f1 x})",
     doc({para({run("x", Fmt().font("Courier New"))})})},
    {"font_table_entry_subgroups_are_not_the_name",
     R"({\rtf1{\fonttbl{\f0\fnil{\*\panose 02020603050405020304} Arial{\*\falt Helvetica};}}\f0 x})",
     doc({para({run("x", Fmt().font("Arial"))})})},
    {"unknown_font_number_has_no_name", R"({\rtf1{\fonttbl{\f0 A;}}\f7 x})", plain("x")},
    {"colour_entry_zero_with_components_is_a_colour",
     R"({\rtf1{\colortbl\red1\green2\blue3;}\cf0 x\cf9 y})",
     doc({para({run("x", Fmt().color(0x010203)), run("y")})})},
    {"words_that_change_nothing_do_not_split_runs", R"({\rtf1 a\b0 b{}c\i0\lang1033 d{\ul0 e}})",
     plain("abcde")},
    {"hidden_text_is_not_shown", R"({\rtf1 a{\v hidden}b\v c\v0 d})", plain("abd")},
};
INSTANTIATE_TEST_SUITE_P(CharFormat, RtfReads, ::testing::ValuesIn(kCharFormatCases), caseName);

const std::vector<ReaderCase> kParagraphFormatCases = {
    {"left_centre_right_and_justified_as_left", R"({\rtf1\qc C\par\qr R\par\qj J\par\ql L})",
     doc({para({run("C")}, kCenter), para({run("R")}, kRight), para({run("J")}),
          para({run("L")})})},
    {"alignment_carries_over_to_the_next_paragraph", R"({\rtf1\qr A\par B})",
     doc({para({run("A")}, kRight), para({run("B")}, kRight)})},
    {"pard_resets_alignment", R"({\rtf1\qc A\par\pard B})",
     doc({para({run("A")}, kCenter), para({run("B")})})},
    {"alignment_at_the_par_decides", R"({\rtf1 A\qc\par})", doc({para({run("A")}, kCenter)})},
    {"alignment_of_the_last_paragraph_without_par", R"({\rtf1 A\par\qr B})",
     doc({para({run("A")}), para({run("B")}, kRight)})},
    {"alignment_is_group_scoped", R"({\rtf1{\pard\qc Title\par}Body})",
     doc({para({run("Title")}, kCenter), para({run("Body")})})},
    {"empty_centred_paragraph", R"({\rtf1\qc\par\par x})",
     doc({para({}, kCenter), para({}, kCenter), para({run("x")}, kCenter)})},
};
INSTANTIATE_TEST_SUITE_P(ParagraphFormat, RtfReads, ::testing::ValuesIn(kParagraphFormatCases),
                         caseName);

const std::vector<ReaderCase> kDestinationCases = {
    {"info_and_stylesheet_are_not_text",
     R"({\rtf1{\info{\title T}{\author X}}{\stylesheet{\s0\b Normal;}{\*\cs1 Char;}}Body})",
     plain("Body")},
    {"unknown_starred_destination_is_skipped_with_its_subgroups",
     R"({\rtf1{\*\generator Riched20 10.0;}{\*\unknownthing {\par nested} text\par}Body})",
     plain("Body")},
    {"starred_known_word_is_read", R"({\rtf1{\*\fldrslt x}})", plain("x")},
    {"picture_hex_data_is_skipped", R"({\rtf1 a{\pict\pngblip\picw10 89504e470d0a}b})",
     plain("ab")},
    {"binary_data_with_braces_is_skipped", std::string(R"({\rtf1 a{\pict\bin5 }{\\x}b})"),
     plain("ab")},
    {"binary_outside_a_picture_is_skipped", std::string(R"({\rtf1 a\bin3 xyzb})"), plain("ab")},
    {"field_result_is_shown_and_instruction_is_not",
     R"({\rtf1{\field{\*\fldinst HYPERLINK "http://example.org/"}{\fldrslt {\ul link}}} after})",
     doc({para({run("link", Fmt().underline()), run(" after")})})},
    {"unstarred_fldinst_is_skipped_too", R"({\rtf1{\field{\fldinst PAGE}{\fldrslt 3}}})",
     plain("3")},
    {"header_footer_and_footnote_are_not_body_text",
     R"({\rtf1{\header\pard\qc Head\par}{\footer Foot}Body{\footnote\chftn Note}\par})",
     plain("Body")},
    {"upr_reads_the_unicode_form", R"({\rtf1{\upr{ansi text}{\*\ud{\u20013?}}}})", plain("中")},
    {"ud_inside_an_ignored_group_stays_ignored", R"({\rtf1{\pict{\*\ud x}}y})", plain("y")},
    {"list_text_is_shown", R"({\rtf1{\pntext\f0 1.\tab}{\*\pn\pnlvlbody{\pntxta .}}Item})",
     plain("1.\tItem")},
    {"shapes_are_skipped", R"({\rtf1 a{\shp{\*\shpinst{\sp{\sn fillColor}{\sv 255}}}}b})",
     plain("ab")},
    {"table_cells_become_tabs_and_rows_paragraphs",
     R"({\rtf1\trowd\cellx100\cellx200 a\cell b\cell\row c})",
     doc({para({run("a\tb\t")}), para({run("c")})})},
};
INSTANTIATE_TEST_SUITE_P(Destinations, RtfReads, ::testing::ValuesIn(kDestinationCases), caseName);

}  // namespace
}  // namespace tavelin::rtf::testing
