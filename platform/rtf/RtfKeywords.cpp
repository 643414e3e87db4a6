#include "platform/rtf/RtfKeywords.h"

#include <unordered_map>
#include <utility>

namespace tavelin::rtf {
namespace {

using Table = std::unordered_map<std::string_view, KeywordInfo>;

// Destinations whose content is data, or text a rich-text control does not show in the body.
// clang-format off
constexpr std::string_view kIgnoredDestinations[] = {
    "stylesheet", "info", "pict", "shppict", "nonshppict", "shp", "shpgrp", "shpinst", "shprslt",
    "do", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
    "footnote", "annotation", "atnid", "atnauthor", "atndate", "atnicn", "atnref", "atntime",
    "atrfstart", "atrfend", "fldinst", "xe", "tc", "tcn", "txe", "rxe", "bkmkstart", "bkmkend",
    "objdata", "objclass", "objname", "objalias", "objsect", "objtopic", "listtable",
    "listoverridetable", "revtbl", "rsidtbl", "filetbl", "generator", "themedata",
    "colorschememapping", "latentstyles", "datastore", "xmlnstbl", "pgdsctbl", "template",
    "userprops", "docvar", "private", "fchars", "lchars", "keycode", "pn", "pntxta", "pntxtb",
    "mmathPr", "wgrffmtfilter", "comment", "author", "operator", "title", "subject", "keywords",
    "company", "doccomm", "hlinkbase", "buptim", "creatim", "printim", "revtim", "ftnsep",
    "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "falt", "panose", "fname", "sp", "sn",
    "sv", "background", "formfield", "datafield",
};
// clang-format on

Table makeTable() {
  Table table{
      {"ansi", {Keyword::Ansi}},
      {"mac", {Keyword::Mac}},
      {"pc", {Keyword::Pc}},
      {"pca", {Keyword::Pca}},
      {"ansicpg", {Keyword::AnsiCodePage}},
      {"deff", {Keyword::DefaultFont}},

      {"fonttbl", {Keyword::FontTable}},
      {"colortbl", {Keyword::ColorTable}},
      {"upr", {Keyword::UnicodePair}},
      {"ud", {Keyword::UnicodeDestination}},

      {"f", {Keyword::Font}},
      {"fcharset", {Keyword::FontCharset}},
      {"cpg", {Keyword::FontCodePage}},
      {"red", {Keyword::Red}},
      {"green", {Keyword::Green}},
      {"blue", {Keyword::Blue}},

      {"b", {Keyword::Bold}},
      {"i", {Keyword::Italic}},
      {"ulnone", {Keyword::UnderlineNone}},
      {"strike", {Keyword::Strike}},
      {"striked", {Keyword::Strike}},
      {"v", {Keyword::Hidden}},
      {"fs", {Keyword::FontSize}},
      {"cf", {Keyword::Color}},
      {"plain", {Keyword::Plain}},

      {"pard", {Keyword::ParagraphDefault}},
      {"ql", {Keyword::AlignLeft}},
      {"qj", {Keyword::AlignLeft}},  // justified and distributed show as left
      {"qd", {Keyword::AlignLeft}},
      {"qc", {Keyword::AlignCenter}},
      {"qr", {Keyword::AlignRight}},

      {"par", {Keyword::ParagraphEnd}},
      {"sect", {Keyword::ParagraphEnd}},
      {"page", {Keyword::ParagraphEnd}},
      {"row", {Keyword::ParagraphEnd}},
      {"nestrow", {Keyword::ParagraphEnd}},
      {"u", {Keyword::UnicodeCharacter}},
      {"uc", {Keyword::UnicodeFallbackLength}},
      {"bin", {Keyword::Binary}},

      {"line", {Keyword::Character, U'\u2028'}},
      {"tab", {Keyword::Character, U'\t'}},
      {"cell", {Keyword::Character, U'\t'}},  // tables show as tab-separated lines
      {"nestcell", {Keyword::Character, U'\t'}},
      {"emdash", {Keyword::Character, U'\u2014'}},
      {"endash", {Keyword::Character, U'\u2013'}},
      {"emspace", {Keyword::Character, U'\u2003'}},
      {"enspace", {Keyword::Character, U'\u2002'}},
      {"qmspace", {Keyword::Character, U'\u2005'}},
      {"bullet", {Keyword::Character, U'\u2022'}},
      {"lquote", {Keyword::Character, U'\u2018'}},
      {"rquote", {Keyword::Character, U'\u2019'}},
      {"ldblquote", {Keyword::Character, U'\u201C'}},
      {"rdblquote", {Keyword::Character, U'\u201D'}},
      {"zwbo", {Keyword::Character, U'\u200B'}},
      {"zwj", {Keyword::Character, U'\u200D'}},
      {"zwnj", {Keyword::Character, U'\u200C'}},
      {"ltrmark", {Keyword::Character, U'\u200E'}},
      {"rtlmark", {Keyword::Character, U'\u200F'}},
  };

  // Every underline style is an underline to the pane.
  for (std::string_view word :
       {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
        "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"}) {
    table.emplace(word, KeywordInfo{Keyword::Underline});
  }

  for (std::string_view word : {"field", "fldrslt", "result", "pntext", "listtext", "object"}) {
    table.emplace(word, KeywordInfo{Keyword::ShownDestination});
  }

  for (std::string_view word : kIgnoredDestinations) {
    table.emplace(word, KeywordInfo{Keyword::IgnoredDestination});
  }
  return table;
}

}  // namespace

KeywordInfo lookupKeyword(std::string_view word) {
  static const Table table = makeTable();
  const auto found = table.find(word);
  return found == table.end() ? KeywordInfo{} : found->second;
}

}  // namespace tavelin::rtf
