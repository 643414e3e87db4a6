#include "platform/rtf/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace tavelin::rtf {
namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

Token make(TokenKind kind) {
  Token token;
  token.kind = kind;
  return token;
}

Token symbolToken(char symbol) {
  Token token = make(TokenKind::ControlSymbol);
  token.symbol = symbol;
  return token;
}

bool endsText(char c) { return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n'; }

}  // namespace

Token RtfTokenizer::next() {
  while (pos_ < input_.size()) {
    const char c = input_[pos_];
    switch (c) {
      case '{':
        ++pos_;
        return make(TokenKind::GroupOpen);
      case '}':
        ++pos_;
        return make(TokenKind::GroupClose);
      case '\r':
      case '\n':
        // Writers break long lines anywhere; the breaks carry no meaning.
        ++pos_;
        continue;
      case '\\':
        return readEscape();
      default: {
        const std::size_t start = pos_;
        while (pos_ < input_.size() && !endsText(input_[pos_])) ++pos_;
        Token token = make(TokenKind::Text);
        token.text = input_.substr(start, pos_ - start);
        return token;
      }
    }
  }
  return Token{};
}

Token RtfTokenizer::readEscape() {
  ++pos_;  // the backslash
  if (pos_ >= input_.size()) return Token{};
  const char c = input_[pos_];
  if (isLetter(c)) return readControlWord();
  ++pos_;
  if (c == '\'') {
    const int high = pos_ < input_.size() ? hexValue(input_[pos_]) : -1;
    const int low = pos_ + 1 < input_.size() ? hexValue(input_[pos_ + 1]) : -1;
    if (high >= 0 && low >= 0) {
      pos_ += 2;
      Token token = make(TokenKind::HexByte);
      token.byte = static_cast<std::uint8_t>(high * 16 + low);
      return token;
    }
    // A damaged escape: drop the one hex digit it has, keep whatever follows as it is.
    if (high >= 0) ++pos_;
    return symbolToken('\'');
  }
  return symbolToken(c == '\r' ? '\n' : c);
}

Token RtfTokenizer::readControlWord() {
  Token token = make(TokenKind::ControlWord);
  const std::size_t start = pos_;
  while (pos_ < input_.size() && isLetter(input_[pos_])) ++pos_;
  token.text = input_.substr(start, pos_ - start);

  bool negative = false;
  if (pos_ + 1 < input_.size() && input_[pos_] == '-' && isDigit(input_[pos_ + 1])) {
    negative = true;
    ++pos_;
  }
  if (pos_ < input_.size() && isDigit(input_[pos_])) {
    // Every digit is consumed, however many there are, but the value saturates.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    while (pos_ < input_.size() && isDigit(input_[pos_])) {
      value = std::min(kLimit, value * 10 + (input_[pos_] - '0'));
      ++pos_;
    }
    if (negative) value = -value;
    token.hasParameter = true;
    token.parameter = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
  }
  if (pos_ < input_.size() && input_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
  return token;
}

void RtfTokenizer::skipBinary(std::int64_t count) {
  if (count <= 0) return;
  const auto remaining = static_cast<std::int64_t>(input_.size() - pos_);
  pos_ += static_cast<std::size_t>(std::min(count, remaining));
}

}  // namespace tavelin::rtf
