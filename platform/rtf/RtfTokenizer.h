#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tavelin::rtf {

enum class TokenKind : std::uint8_t {
  End,
  GroupOpen,
  GroupClose,
  ControlWord,    // \word or \wordN
  ControlSymbol,  // \ and one non-letter; a backslash before a line break gives '\n'
  HexByte,        // \'hh
  Text,           // a stretch of literal bytes; line breaks are not part of it
};

struct Token {
  TokenKind kind = TokenKind::End;
  std::string_view text;  // ControlWord: its letters; Text: the bytes
  bool hasParameter = false;
  std::int32_t parameter = 0;  // clamped to the 32-bit range
  char symbol = 0;             // ControlSymbol
  std::uint8_t byte = 0;       // HexByte
};

// Splits RTF into tokens without interpreting them. Every call consumes at least one byte until
// End, so a caller's loop is linear in the input whatever the bytes are.
class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view input) : input_(input) {}

  Token next();

  // Passes over the raw data that follows \binN; never beyond the end of the input.
  void skipBinary(std::int64_t count);

 private:
  Token readEscape();
  Token readControlWord();

  std::string_view input_;
  std::size_t pos_ = 0;
};

}  // namespace tavelin::rtf
