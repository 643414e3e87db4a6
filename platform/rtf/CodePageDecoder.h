#pragma once

#include <iconv.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavelin::rtf {

inline constexpr int kDefaultCodePage = 1252;

// The Windows code page a font's \fcharsetN stands for; 0 when the charset names none, so the
// document's code page applies.
int codePageForCharset(int charset);

// The code page the reader uses for a \ansicpgN or \cpgN value: code pages without a converter
// here fall back to 1252, so a damaged number cannot make the reader look up converters by the
// thousand.
int supportedCodePage(int codePage);

// Decodes Windows code-page bytes to UTF-8 through the C library's iconv. Converters are opened
// once per code page and kept for the decoder's life.
class CodePageDecoder {
 public:
  CodePageDecoder() = default;
  ~CodePageDecoder();
  CodePageDecoder(const CodePageDecoder&) = delete;
  CodePageDecoder& operator=(const CodePageDecoder&) = delete;

  // Appends the bytes' UTF-8 form to `out`. A byte that does not decode, such as a lead byte
  // without its second byte, becomes U+FFFD and decoding goes on after it.
  void decode(std::string_view bytes, int codePage, std::string& out);

 private:
  iconv_t converterFor(int codePage);

  std::vector<std::pair<int, iconv_t>> converters_;  // a handful at most
};

}  // namespace tavelin::rtf
