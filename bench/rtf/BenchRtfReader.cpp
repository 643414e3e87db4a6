#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "platform/rtf/RtfDocument.h"

namespace {

constexpr std::size_t kTargetBytes = 5 * 1024 * 1024;

// A document like a long rich-text file: fonts for Latin and Chinese text, colours, sizes, nested
// groups, CJK both as GBK \'hh pairs and as \uN with fallbacks, tabs, line breaks, paragraphs.
std::string mixedDocument() {
  std::string rtf =
      R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;})"
      R"({\f1\fnil\fcharset134 \'cb\'ce\'cc\'e5;}{\f2\fmodern\fcharset0 Courier New;}})"
      R"({\colortbl ;\red255\green0\blue0;\red0\green128\blue0;\red0\green0\blue255;})"
      R"({\*\generator Tavelin bench;}\viewkind4\uc1)"
      "\n";
  for (unsigned i = 0; rtf.size() < kTargetBytes; ++i) {
    rtf += i % 7 == 0 ? R"(\pard\qc)" : i % 5 == 0 ? R"(\pard\qr)" : R"(\pard)";
    rtf += R"(\f0\fs20 Paragraph )" + std::to_string(i) +
           R"( of plain Latin text with {\b bold}, {\i italic}, {\ul underlined} and )"
           R"({\strike struck} words, then {\cf1 red}, {\cf2\fs28 green} and {\cf3 blue}.\tab )"
           R"({\f1\fs24 \'d6\'d0\'ce\'c4\'ce\'c4\'b1\'be\'b2\'e2\'ca\'d4} and )"
           R"(\u20013?\u25991?\u-10179?\u-8704? caf\'e9 na\'efve\line)"
           R"({\f2 code(\{ x \}) \\ path} {\*\bkmkstart b)" +
           std::to_string(i) +
           R"(}{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}})"
           "\\par\n";
  }
  rtf += "}";
  return rtf;
}

// Pathological shapes, to show the time stays linear: deep nesting, a large picture.
std::string deepNesting() {
  const std::size_t depth = kTargetBytes / 2;
  return "{\\rtf1 " + std::string(depth, '{') + "x" + std::string(depth, '}') + "}";
}

std::string largePicture() {
  std::string rtf = "{\\rtf1 before{\\pict\\pngblip ";
  while (rtf.size() < kTargetBytes) rtf += "89504e470d0a1a0a0000000d49484452\n";
  return rtf + "}after}";
}

void readDocument(benchmark::State& state, const std::string& rtf) {
  std::size_t paragraphs = 0;
  for (auto _ : state) {
    const auto document = tavelin::rtf::readRtf(rtf);
    paragraphs = document.paragraphs.size();
    benchmark::DoNotOptimize(paragraphs);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
  state.counters["input_MB"] = static_cast<double>(rtf.size()) / (1024.0 * 1024.0);
  state.counters["paragraphs"] = static_cast<double>(paragraphs);
}

void BM_ReadMixed5MB(benchmark::State& state) {
  static const std::string rtf = mixedDocument();
  readDocument(state, rtf);
}
BENCHMARK(BM_ReadMixed5MB)->Unit(benchmark::kMillisecond);

void BM_ReadDeepNesting5MB(benchmark::State& state) {
  static const std::string rtf = deepNesting();
  readDocument(state, rtf);
}
BENCHMARK(BM_ReadDeepNesting5MB)->Unit(benchmark::kMillisecond);

void BM_ReadLargePicture5MB(benchmark::State& state) {
  static const std::string rtf = largePicture();
  readDocument(state, rtf);
}
BENCHMARK(BM_ReadLargePicture5MB)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident memory: %.1f MiB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  return 0;
}
