#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "RtfDocumentChecks.h"
#include "platform/rtf/RtfDocument.h"

// Any input either reads into a document that keeps the model's promises or is refused as not RTF;
// a broken promise stops the run like a crash, so the fuzzer keeps the input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const tavelin::rtf::Document document = tavelin::rtf::readRtf(bytes);
    const std::string violation = tavelin::rtf::checks::invariantViolation(document);
    if (!violation.empty()) {
      std::fprintf(stderr, "broken document: %s\n", violation.c_str());
      std::abort();
    }
    if (!tavelin::rtf::looksLikeRtf(bytes)) std::abort();
  } catch (const tavelin::rtf::NotRtf&) {
    if (tavelin::rtf::looksLikeRtf(bytes)) std::abort();
  }
  return 0;
}
