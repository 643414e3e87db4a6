#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/rtf/CodePageDecoder.h"
#include "platform/rtf/DocumentBuilder.h"
#include "platform/rtf/RtfDocument.h"
#include "platform/rtf/RtfKeywords.h"
#include "platform/rtf/RtfTokenizer.h"

namespace tavelin::rtf {
namespace {

// Deeper groups are read as part of the group at this depth: the state stack stays small and
// nothing about the input can exhaust the C++ stack, which the reader never recurses on anyway.
constexpr std::size_t kMaxGroupDepth = 1000;
// A \u fallback is a few bytes of the same character in a code page; larger counts are damage.
constexpr int kMaxFallbackLength = 16;
// 1638 points, the largest size word processors offer.
constexpr int kMaxHalfPoints = 3276;
constexpr int kHalfPointsWithoutNumber = 24;
// Real font names are at most 31 characters. Every run carries its font's name, so a bound keeps a
// document with a huge name from costing memory per run.
constexpr std::size_t kMaxFontNameBytes = 128;

constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kLineSeparator = 0x2028;

enum class Destination : std::uint8_t { Text, Ignored, FontTable, ColorTable };

struct CharProps {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool hidden = false;
  std::optional<int> font;  // none: the document's default font
  int halfPoints = 0;       // 0: the pane's default size
  int color = -1;           // index into the colour table; -1: the default colour

  bool operator==(const CharProps&) const = default;
};

// Everything a '}' restores.
struct GroupState {
  Destination destination = Destination::Text;
  Destination unicodeDestination = Destination::Text;  // where \ud inside \upr leads
  int fallbackLength = 1;
  Alignment alignment = Alignment::Left;
  CharProps chars;
};

struct FontEntry {
  std::string name;
  int codePage = 0;  // 0: the document's code page
};

struct PendingFont {
  std::optional<int> number;
  std::optional<int> charset;
  std::optional<int> codePage;
  std::string name;
};

struct PendingColor {
  std::uint32_t rgb = 0;
  bool any = false;
};

void appendUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// A paragraph separator in run text would split the paragraph behind the document's back; it
// becomes a line separator, as \line does.
void replaceParagraphSeparators(std::string& utf8) {
  constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";
  for (std::size_t at = utf8.find(kParagraphSeparator); at != std::string::npos;
       at = utf8.find(kParagraphSeparator, at + 3)) {
    utf8[at + 2] = '\xA8';
  }
}

std::string trimmedFontName(std::string_view name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  name = name.substr(first, name.find_last_not_of(' ') - first + 1);
  if (name.size() > kMaxFontNameBytes) {
    std::size_t cut = kMaxFontNameBytes;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name = name.substr(0, cut);
  }
  return std::string(name);
}

bool switchedOn(const Token& token) { return !token.hasParameter || token.parameter != 0; }

class Reader {
 public:
  explicit Reader(std::string_view input) : tokenizer_(input) { stack_.emplace_back(); }

  Document read() {
    tokenizer_.next();  // the opening brace of "{\rtf", which the root state stands for
    for (;;) {
      const Token token = tokenizer_.next();
      switch (token.kind) {
        case TokenKind::End:
          return finish();
        case TokenKind::GroupOpen:
          openGroup();
          break;
        case TokenKind::GroupClose:
          if (closeGroup()) return finish();
          break;
        case TokenKind::ControlWord:
          controlWord(token);
          break;
        case TokenKind::ControlSymbol:
          controlSymbol(token.symbol);
          break;
        case TokenKind::HexByte:
          bytes(std::string_view(reinterpret_cast<const char*>(&token.byte), 1));
          break;
        case TokenKind::Text:
          bytes(token.text);
          break;
      }
    }
  }

 private:
  GroupState& state() { return stack_.back(); }

  Document finish() {
    flushPending();
    resolveLoneSurrogate();
    return builder_.finish(state().alignment);
  }

  void openGroup() {
    flushPending();
    fallbackToSkip_ = 0;  // a fallback never reaches past a brace
    ignorableNext_ = false;
    if (stack_.size() >= kMaxGroupDepth) {
      ++flatDepth_;
      return;
    }
    GroupState inner = state();
    stack_.push_back(inner);
  }

  // True when this brace closes the document.
  bool closeGroup() {
    flushPending();
    fallbackToSkip_ = 0;
    ignorableNext_ = false;
    if (flatDepth_ > 0) {
      --flatDepth_;
      return false;
    }
    if (state().destination == Destination::FontTable) finishFontEntry();
    if (state().destination == Destination::ColorTable && pendingColor_.any) finishColorEntry();
    if (stack_.size() == 1) return true;
    stack_.pop_back();
    return false;
  }

  void controlWord(const Token& token) {
    const KeywordInfo info = lookupKeyword(token.text);
    flushPending();
    if (info.keyword == Keyword::Binary) {
      // The data is skipped wherever it stands; it counts as one fallback character.
      tokenizer_.skipBinary(token.hasParameter ? token.parameter : 0);
      ignorableNext_ = false;
      if (fallbackToSkip_ > 0) --fallbackToSkip_;
      return;
    }
    if (fallbackToSkip_ > 0) {
      --fallbackToSkip_;
      return;
    }
    const bool ignorable = std::exchange(ignorableNext_, false);
    GroupState& s = state();
    if (s.destination == Destination::Ignored) {
      if (info.keyword == Keyword::UnicodeDestination) s.destination = s.unicodeDestination;
      return;
    }
    const int parameter = token.parameter;
    switch (info.keyword) {
      case Keyword::Unknown:
        if (ignorable) ignoreGroup();
        return;
      case Keyword::Ansi:
        documentCodePage_ = 1252;
        return;
      case Keyword::Mac:
        documentCodePage_ = 10000;
        return;
      case Keyword::Pc:
        documentCodePage_ = 437;
        return;
      case Keyword::Pca:
        documentCodePage_ = 850;
        return;
      case Keyword::AnsiCodePage:
        if (token.hasParameter) documentCodePage_ = supportedCodePage(parameter);
        return;
      case Keyword::DefaultFont:
        defaultFont_ = token.hasParameter ? parameter : 0;
        ++tablesVersion_;
        return;
      case Keyword::FontTable:
        s.destination = Destination::FontTable;
        pendingFont_ = {};
        return;
      case Keyword::ColorTable:
        s.destination = Destination::ColorTable;
        colors_.clear();
        pendingColor_ = {};
        ++tablesVersion_;
        return;
      case Keyword::IgnoredDestination:
        ignoreGroup();
        return;
      case Keyword::ShownDestination:
      case Keyword::UnicodeDestination:
        return;
      case Keyword::UnicodePair:
        // The ANSI form that follows is skipped; \ud brings back what was being read.
        s.unicodeDestination = s.destination;
        s.destination = Destination::Ignored;
        return;
      case Keyword::Font:
        if (s.destination == Destination::FontTable) {
          finishFontEntry();
          pendingFont_.number = token.hasParameter ? parameter : 0;
        } else {
          s.chars.font = token.hasParameter ? parameter : 0;
        }
        return;
      case Keyword::FontCharset:
        if (s.destination == Destination::FontTable && token.hasParameter) {
          pendingFont_.charset = parameter;
        }
        return;
      case Keyword::FontCodePage:
        if (s.destination == Destination::FontTable && token.hasParameter) {
          pendingFont_.codePage = parameter;
        }
        return;
      case Keyword::Red:
      case Keyword::Green:
      case Keyword::Blue:
        if (s.destination == Destination::ColorTable) setColorComponent(info.keyword, parameter);
        return;
      case Keyword::Bold:
        s.chars.bold = switchedOn(token);
        return;
      case Keyword::Italic:
        s.chars.italic = switchedOn(token);
        return;
      case Keyword::Underline:
        s.chars.underline = switchedOn(token);
        return;
      case Keyword::UnderlineNone:
        s.chars.underline = false;
        return;
      case Keyword::Strike:
        s.chars.strikeOut = switchedOn(token);
        return;
      case Keyword::Hidden:
        s.chars.hidden = switchedOn(token);
        return;
      case Keyword::FontSize:
        s.chars.halfPoints = !token.hasParameter ? kHalfPointsWithoutNumber
                             : parameter <= 0    ? 0
                                                 : std::min(parameter, kMaxHalfPoints);
        return;
      case Keyword::Color:
        s.chars.color = !token.hasParameter ? 0 : std::max(parameter, -1);
        return;
      case Keyword::Plain:
        s.chars = CharProps{};
        return;
      case Keyword::ParagraphDefault:
      case Keyword::AlignLeft:
        s.alignment = Alignment::Left;
        return;
      case Keyword::AlignCenter:
        s.alignment = Alignment::Center;
        return;
      case Keyword::AlignRight:
        s.alignment = Alignment::Right;
        return;
      case Keyword::ParagraphEnd:
        endParagraph();
        return;
      case Keyword::Character:
        emitCharacter(info.character);
        return;
      case Keyword::UnicodeCharacter:
        if (token.hasParameter) {
          emitUnicode(parameter);
          fallbackToSkip_ = s.fallbackLength;
        }
        return;
      case Keyword::UnicodeFallbackLength:
        s.fallbackLength = std::clamp(token.hasParameter ? parameter : 1, 0, kMaxFallbackLength);
        return;
      case Keyword::Binary:
        return;  // handled above
    }
  }

  void controlSymbol(char symbol) {
    if (symbol == '\\' || symbol == '{' || symbol == '}') {
      // Escaped bytes stay bytes: in a double-byte code page they can be a character's second half.
      bytes(std::string_view(&symbol, 1));
      return;
    }
    flushPending();
    if (fallbackToSkip_ > 0) {
      --fallbackToSkip_;
      ignorableNext_ = false;
      return;
    }
    if (symbol == '*') {
      ignorableNext_ = true;
      return;
    }
    ignorableNext_ = false;
    switch (symbol) {
      case '~':
        emitCharacter(0x00A0);  // no-break space
        return;
      case '_':
        emitCharacter(0x2011);  // non-breaking hyphen
        return;
      case '\n':
        endParagraph();  // a backslash before a line break is \par
        return;
      default:
        return;  // \- optional hyphen, index and formula symbols, damaged \' escapes
    }
  }

  void bytes(std::string_view chunk) {
    ignorableNext_ = false;
    if (fallbackToSkip_ > 0) {
      const auto skipped = std::min(static_cast<std::size_t>(fallbackToSkip_), chunk.size());
      chunk.remove_prefix(skipped);
      fallbackToSkip_ -= static_cast<int>(skipped);
    }
    if (chunk.empty()) return;
    const GroupState& s = state();
    switch (s.destination) {
      case Destination::Ignored:
        return;
      case Destination::ColorTable:
        for (char c : chunk) {
          if (c == ';') finishColorEntry();
        }
        return;
      case Destination::FontTable:
        for (auto end = chunk.find(';'); end != std::string_view::npos; end = chunk.find(';')) {
          appendPending(chunk.substr(0, end));
          flushPending();
          finishFontEntry();
          chunk.remove_prefix(end + 1);
        }
        appendPending(chunk);
        return;
      case Destination::Text:
        if (!s.chars.hidden) appendPending(chunk);
        return;
    }
  }

  void appendPending(std::string_view chunk) {
    if (chunk.empty()) return;
    resolveLoneSurrogate();
    for (char c : chunk) {
      // Control characters carry no text; a tab is the one that shows.
      if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') pending_.push_back(c);
    }
  }

  // Decodes the bytes read since the last control word. Every control word and brace flushes first,
  // so the bytes share one format and one code page, and a double-byte character written as two
  // \'hh escapes stays whole.
  void flushPending() {
    if (pending_.empty()) return;
    const GroupState& s = state();
    if (s.destination == Destination::Text) {
      decoded_.clear();
      decoder_.decode(pending_, codePageOf(s.chars.font), decoded_);
      replaceParagraphSeparators(decoded_);
      builder_.appendText(decoded_, currentFormat());
    } else if (s.destination == Destination::FontTable) {
      decoder_.decode(pending_, effective(pendingFontCodePage()), pendingFont_.name);
    }
    pending_.clear();
  }

  void emitUnicode(int value) {
    if (value < 0 && value >= -32768) value += 65536;
    const char32_t c = value < 0 || value > 0xFFFF ? kReplacementCharacter : char32_t(value);
    if (c >= 0xD800 && c <= 0xDBFF) {
      resolveLoneSurrogate();
      highSurrogate_ = c;
      return;
    }
    if (c >= 0xDC00 && c <= 0xDFFF) {
      if (highSurrogate_ == 0) {
        emitCharacter(kReplacementCharacter);
        return;
      }
      const char32_t combined = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (c - 0xDC00);
      highSurrogate_ = 0;
      emitCharacter(combined);
      return;
    }
    emitCharacter(c);
  }

  void resolveLoneSurrogate() {
    if (highSurrogate_ == 0) return;
    highSurrogate_ = 0;
    emitCharacter(kReplacementCharacter);
  }

  void emitCharacter(char32_t c) {
    resolveLoneSurrogate();
    if (c < 0x20 && c != '\t') return;
    if (c == 0x2029) c = kLineSeparator;
    const GroupState& s = state();
    if (s.destination == Destination::Text) {
      if (s.chars.hidden) return;
      decoded_.clear();
      appendUtf8(c, decoded_);
      builder_.appendText(decoded_, currentFormat());
    } else if (s.destination == Destination::FontTable) {
      appendUtf8(c, pendingFont_.name);
    }
  }

  void endParagraph() {
    if (state().destination != Destination::Text) return;
    resolveLoneSurrogate();
    builder_.endParagraph(state().alignment);
  }

  void ignoreGroup() {
    state().destination = Destination::Ignored;
    state().unicodeDestination = Destination::Ignored;
  }

  int effective(int codePage) const { return codePage != 0 ? codePage : documentCodePage_; }

  int pendingFontCodePage() const {
    if (pendingFont_.codePage) return supportedCodePage(*pendingFont_.codePage);
    if (pendingFont_.charset) return codePageForCharset(*pendingFont_.charset);
    return 0;
  }

  int codePageOf(std::optional<int> font) const {
    const auto found = fonts_.find(font.value_or(defaultFont_));
    return effective(found == fonts_.end() ? 0 : found->second.codePage);
  }

  void finishFontEntry() {
    flushPending();
    if (pendingFont_.number) {
      fonts_[*pendingFont_.number] =
          FontEntry{trimmedFontName(pendingFont_.name), pendingFontCodePage()};
      ++tablesVersion_;
    }
    pendingFont_ = {};
  }

  void setColorComponent(Keyword component, int value) {
    const auto level = static_cast<std::uint32_t>(std::clamp(value, 0, 255));
    const int shift = component == Keyword::Red ? 16 : component == Keyword::Green ? 8 : 0;
    pendingColor_.rgb = (pendingColor_.rgb & ~(0xFFu << shift)) | (level << shift);
    pendingColor_.any = true;
  }

  void finishColorEntry() {
    // An entry without components is "auto": the default colour.
    colors_.push_back(pendingColor_.any ? std::optional(pendingColor_.rgb) : std::nullopt);
    pendingColor_ = {};
    ++tablesVersion_;
  }

  const CharFormat& currentFormat() {
    const CharProps& props = state().chars;
    if (formatValid_ && props == formatProps_ && formatVersion_ == tablesVersion_) return format_;
    const auto font = fonts_.find(props.font.value_or(defaultFont_));
    format_.fontName = font == fonts_.end() ? std::string() : font->second.name;
    format_.pointSize = props.halfPoints / 2.0;
    format_.bold = props.bold;
    format_.italic = props.italic;
    format_.underline = props.underline;
    format_.strikeOut = props.strikeOut;
    const bool known = props.color >= 0 && static_cast<std::size_t>(props.color) < colors_.size();
    format_.color = known ? colors_[static_cast<std::size_t>(props.color)] : std::nullopt;
    formatProps_ = props;
    formatVersion_ = tablesVersion_;
    formatValid_ = true;
    return format_;
  }

  RtfTokenizer tokenizer_;
  CodePageDecoder decoder_;
  DocumentBuilder builder_;

  std::vector<GroupState> stack_;  // back() is the innermost group; front() is the document
  std::size_t flatDepth_ = 0;      // open groups beyond kMaxGroupDepth
  int fallbackToSkip_ = 0;         // characters of a \u fallback still to drop
  bool ignorableNext_ = false;     // \* seen: an unknown word next makes its group ignored
  char32_t highSurrogate_ = 0;     // first half of a \u pair, waiting for its second

  int documentCodePage_ = kDefaultCodePage;
  int defaultFont_ = 0;
  std::unordered_map<int, FontEntry> fonts_;
  std::vector<std::optional<std::uint32_t>> colors_;
  PendingFont pendingFont_;
  PendingColor pendingColor_;
  unsigned tablesVersion_ = 0;  // changes whenever a resolved format could change

  std::string pending_;  // bytes not yet decoded
  std::string decoded_;  // scratch

  CharFormat format_;  // currentFormat()'s cache
  CharProps formatProps_;
  unsigned formatVersion_ = 0;
  bool formatValid_ = false;
};

}  // namespace

NotRtf::NotRtf()
    : std::runtime_error("The content is not an RTF document: it does not start with \"{\\rtf\".") {
}

bool looksLikeRtf(std::string_view bytes) { return bytes.starts_with("{\\rtf"); }

Document readRtf(std::string_view bytes) {
  if (!looksLikeRtf(bytes)) throw NotRtf();
  return Reader(bytes).read();
}

}  // namespace tavelin::rtf
