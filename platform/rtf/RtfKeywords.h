#pragma once

#include <cstdint>
#include <string_view>

namespace tavelin::rtf {

// What a control word means to the reader. Words not listed are skipped, or, after \*, make their
// group an ignored destination.
enum class Keyword : std::uint8_t {
  Unknown,
  // document code page
  Ansi,
  Mac,
  Pc,
  Pca,
  AnsiCodePage,
  DefaultFont,
  // destinations
  FontTable,
  ColorTable,
  IgnoredDestination,  // text inside is never shown: pictures, headers, field instructions...
  ShownDestination,    // known groups whose text is shown: field results, list text...
  UnicodePair,         // \upr: an ANSI group and a Unicode \ud group for the same content
  UnicodeDestination,  // \ud
  // font and colour table entries
  Font,
  FontCharset,
  FontCodePage,
  Red,
  Green,
  Blue,
  // character format
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  Strike,
  Hidden,
  FontSize,
  Color,
  Plain,
  // paragraph format
  ParagraphDefault,
  AlignLeft,
  AlignCenter,
  AlignRight,
  // text
  ParagraphEnd,
  Character,  // a fixed character, in KeywordInfo::character
  UnicodeCharacter,
  UnicodeFallbackLength,
  Binary,
};

struct KeywordInfo {
  Keyword keyword = Keyword::Unknown;
  char32_t character = 0;  // Keyword::Character only
};

KeywordInfo lookupKeyword(std::string_view word);

}  // namespace tavelin::rtf
