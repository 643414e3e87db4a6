#include "platform/rtf/CodePageDecoder.h"

#include <algorithm>
#include <cerrno>
#include <initializer_list>

namespace tavelin::rtf {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// The iconv names to try for a code page, best first; null when there is none. Windows' own
// variants come first: CP932 keeps 0x5C a backslash where plain Shift_JIS makes it a yen sign.
struct IconvNames {
  const char* first = nullptr;
  const char* second = nullptr;
};

IconvNames iconvNames(int codePage) {
  switch (codePage) {
    case 437:
      return {"CP437"};
    case 850:
      return {"CP850"};
    case 852:
      return {"CP852"};
    case 866:
      return {"CP866"};
    case 874:
      return {"CP874"};
    case 932:
      return {"CP932", "SHIFT_JIS"};
    case 936:
      return {"CP936", "GBK"};
    case 949:
      return {"CP949", "UHC"};
    case 950:
      return {"CP950", "BIG5"};
    case 1250:
      return {"CP1250"};
    case 1251:
      return {"CP1251"};
    case 1252:
      return {"CP1252"};
    case 1253:
      return {"CP1253"};
    case 1254:
      return {"CP1254"};
    case 1255:
      return {"CP1255"};
    case 1256:
      return {"CP1256"};
    case 1257:
      return {"CP1257"};
    case 1258:
      return {"CP1258"};
    case 1361:
      return {"JOHAB"};
    case 10000:
      return {"MACINTOSH"};
    case 20936:
      return {"GB2312"};
    case 54936:
      return {"GB18030"};
    case 65001:
      return {"UTF-8"};
    default:
      return {};
  }
}

bool isAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Length of the well-formed UTF-8 sequence starting `bytes`; 0 when there is none. The C library's
// converter lets through values past U+10FFFF, which would reach the document as malformed text.
std::size_t wellFormedUtf8Length(std::string_view bytes) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;   // bounds of the second byte exclude overlong forms, surrogates and
  unsigned char high = 0xBF;  // values past U+10FFFF
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() < length || at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((at(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

void appendValidUtf8(std::string_view bytes, std::string& out) {
  while (!bytes.empty()) {
    const std::size_t length = wellFormedUtf8Length(bytes);
    if (length == 0) {
      out.append(kReplacement);
      bytes.remove_prefix(1);
    } else {
      out.append(bytes.substr(0, length));
      bytes.remove_prefix(length);
    }
  }
}

}  // namespace

int codePageForCharset(int charset) {
  switch (charset) {
    case 0:
      return 1252;  // ANSI
    case 2:
      return 1252;  // symbol fonts: their bytes are glyph numbers, shown as Latin-1
    case 77:
      return 10000;  // Mac Roman
    case 128:
      return 932;  // Shift_JIS
    case 129:
      return 949;  // Hangul
    case 130:
      return 1361;  // Johab
    case 134:
      return 936;  // GB2312 / GBK
    case 136:
      return 950;  // Big5
    case 161:
      return 1253;  // Greek
    case 162:
      return 1254;  // Turkish
    case 163:
      return 1258;  // Vietnamese
    case 177:
      return 1255;  // Hebrew
    case 178:
      return 1256;  // Arabic
    case 186:
      return 1257;  // Baltic
    case 204:
      return 1251;  // Cyrillic
    case 222:
      return 874;  // Thai
    case 238:
      return 1250;  // Central European
    case 255:
      return 437;  // OEM
    default:
      return 0;  // DEFAULT_CHARSET and unknown values: the document's code page
  }
}

int supportedCodePage(int codePage) {
  return iconvNames(codePage).first != nullptr ? codePage : kDefaultCodePage;
}

CodePageDecoder::~CodePageDecoder() {
  for (auto& [codePage, converter] : converters_) {
    if (converter != kNoConverter) iconv_close(converter);
  }
}

iconv_t CodePageDecoder::converterFor(int codePage) {
  codePage = supportedCodePage(codePage);
  for (const auto& [known, converter] : converters_) {
    if (known == codePage) return converter;
  }
  iconv_t converter = kNoConverter;
  const IconvNames names = iconvNames(codePage);
  for (const char* name : {names.first, names.second}) {
    if (name == nullptr) break;
    converter = iconv_open("UTF-8", name);
    if (converter != kNoConverter) break;
  }
  if (converter == kNoConverter && codePage != kDefaultCodePage) {
    converter = converterFor(kDefaultCodePage);
    converters_.emplace_back(codePage, kNoConverter);  // the 1252 entry owns the handle
    return converter;
  }
  converters_.emplace_back(codePage, converter);
  return converter;
}

void CodePageDecoder::decode(std::string_view bytes, int codePage, std::string& out) {
  if (isAscii(bytes)) {
    out.append(bytes);
    return;
  }
  if (codePage == 65001) {
    appendValidUtf8(bytes, out);
    return;
  }
  iconv_t converter = converterFor(codePage);
  if (converter == kNoConverter) {
    for (char c : bytes) {
      if (static_cast<unsigned char>(c) < 0x80) {
        out.push_back(c);
      } else {
        out.append(kReplacement);
      }
    }
    return;
  }

  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(bytes.data());  // iconv's signature; it does not write the input
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    const std::size_t before = out.size();
    out.resize(before + inLeft * 4 + 16);
    char* outPtr = out.data() + before;
    std::size_t outLeft = out.size() - before;
    const std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    out.resize(static_cast<std::size_t>(outPtr - out.data()));
    if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // EILSEQ or EINVAL: this byte starts nothing that decodes; the next one may.
    out.append(kReplacement);
    ++in;
    --inLeft;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
  }
}

}  // namespace tavelin::rtf
