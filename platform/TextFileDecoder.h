#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tavelin::platform {

// How a text file was encoded, so that what was read can be told to the user or written back alike.
enum class TextEncoding { Utf8, Utf8WithBom, Utf16LE, Utf16BE, Gb18030 };

struct DecodedText {
  QString text;
  TextEncoding encoding;
};

// Decodes a file's bytes: a BOM decides (UTF-8, UTF-16 LE/BE); else valid UTF-8; else GB18030.
// Returns nothing for content that is not text (NUL bytes or other control characters outside a
// UTF-16 file), so a binary file is refused rather than shown as garbage.
std::optional<DecodedText> decodeTextFile(const QByteArray& bytes);

}  // namespace tavelin::platform
