#include "TextFileDecoder.h"

#include <QStringDecoder>

namespace tavelin::platform {
namespace {

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> prefix) {
  if (bytes.size() < qsizetype(prefix.size())) return false;
  qsizetype i = 0;
  for (unsigned char c : prefix)
    if (static_cast<unsigned char>(bytes[i++]) != c) return false;
  return true;
}

// Text files hold printable characters and white space; a NUL or most other C0 controls mean
// binary content. Form feed, vertical tab and escape do turn up in real text files.
bool looksBinary(QByteArrayView bytes) {
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x20 || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == 0x1B)
      continue;
    return true;
  }
  return false;
}

bool hasBinaryCharacters(const QString& text) {
  for (QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c >= 0x20 || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == 0x1B)
      continue;
    return true;
  }
  return false;
}

std::optional<QString> decodeStrictly(QStringConverter::Encoding encoding, QByteArrayView bytes) {
  QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

}  // namespace

std::optional<DecodedText> decodeTextFile(const QByteArray& bytes) {
  const QByteArrayView view(bytes);
  if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
    auto text = decodeStrictly(QStringConverter::Utf8, view.sliced(3));
    if (!text || hasBinaryCharacters(*text)) return std::nullopt;
    return DecodedText{*text, TextEncoding::Utf8WithBom};
  }
  const bool le = startsWith(bytes, {0xFF, 0xFE});
  if (le || startsWith(bytes, {0xFE, 0xFF})) {
    auto text =
        decodeStrictly(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, view.sliced(2));
    if (!text || hasBinaryCharacters(*text)) return std::nullopt;
    return DecodedText{*text, le ? TextEncoding::Utf16LE : TextEncoding::Utf16BE};
  }
  if (looksBinary(view)) return std::nullopt;
  if (auto text = decodeStrictly(QStringConverter::Utf8, view))
    return DecodedText{*text, TextEncoding::Utf8};
  // Not UTF-8: the files this editor meets otherwise are mostly GBK/GB2312, of which GB18030 is
  // the superset. It maps every byte sequence, so this never fails.
  QStringDecoder gb("GB18030");
  if (!gb.isValid()) return std::nullopt;
  return DecodedText{gb.decode(view), TextEncoding::Gb18030};
}

}  // namespace tavelin::platform
