#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "RtfTestSupport.h"

namespace tavelin::rtf::testing {
namespace {

// Inputs kept because they once broke the reader, or once the fuzzer made it crash: each one
// either reads into a well-formed document or is refused as not RTF.
TEST(RtfRegressions, EveryKeptInputReadsOrIsRefused) {
  const std::filesystem::path folder = TAVELIN_RTF_REGRESSIONS_DIR;
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    ++files;
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    try {
      readChecked(bytes);
      EXPECT_TRUE(looksLikeRtf(bytes));
    } catch (const NotRtf&) {
      EXPECT_FALSE(looksLikeRtf(bytes));
    }
  }
  EXPECT_GT(files, 0u) << "no inputs in " << folder;
}

}  // namespace
}  // namespace tavelin::rtf::testing
