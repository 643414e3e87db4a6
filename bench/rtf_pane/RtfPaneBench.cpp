// Reading a 5 MB RTF file into the code pane: the reader and the pane's document together, as Open
// does it. Prints the time of each of five loads and the process's peak resident memory.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "RichTextEdit.h"
#include "RtfIntoDocument.h"
#include "platform/rtf/RtfDocument.h"

namespace {

QByteArray fiveMegabytesOfRtf() {
  std::string rtf = R"({\rtf1\ansi\ansicpg936\deff0{\fonttbl{\f0\fswiss\fcharset0 Arial;})"
                    R"({\f1\fnil\fcharset134 \'cb\'ce\'cc\'e5;}}{\colortbl ;\red255\green0\blue0;})"
                    "\n";
  for (unsigned i = 0; rtf.size() < 5u * 1024 * 1024; ++i) {
    rtf += i % 7 == 0 ? R"(\pard\qc)" : R"(\pard)";
    rtf += R"(\f0\fs20 Paragraph )" + std::to_string(i) +
           R"( with {\b bold}, {\i italic}, {\ul underlined} and {\cf1 red} words,\tab )"
           R"({\f1\fs24 \'d6\'d0\'ce\'c4\'b2\'e2\'ca\'d4} \u20013?\u25991? caf\'e9\line more\par)"
           "\n";
  }
  rtf += "}";
  return QByteArray::fromStdString(rtf);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("big.rtf"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(fiveMegabytesOfRtf());
  file.close();

  {
    QElapsedTimer timer;
    timer.start();
    const QByteArray bytes = fiveMegabytesOfRtf();
    const auto document =
        tavelin::rtf::readRtf(std::string_view(bytes.constData(), size_t(bytes.size())));
    std::printf("the reader alone: %.0f ms, %zu paragraphs\n", double(timer.nsecsElapsed()) / 1e6,
                document.paragraphs.size());
    timer.start();
    QTextDocument plainDocument;
    QTextCursor cursor(&plainDocument);
    tavelin::platform::insertRtf(cursor, document, QTextCharFormat());
    std::printf("into a document without a view: %.0f ms\n", double(timer.nsecsElapsed()) / 1e6);
  }
  tavelin::platform::RichTextEdit pane;
  pane.resize(481, 625);
  pane.show();
  std::vector<double> times;
  for (int i = 0; i < 5; ++i) {
    QElapsedTimer timer;
    timer.start();
    pane.loadFile(path);
    QApplication::processEvents();
    times.push_back(double(timer.nsecsElapsed()) / 1e6);
    std::printf("load %d: %.0f ms\n", i + 1, times.back());
  }
  std::sort(times.begin(), times.end());
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("5 MB RTF into the pane: median %.0f ms; %d characters; peak resident %.0f MB\n",
              times[times.size() / 2], pane.document()->characterCount(),
              double(usage.ru_maxrss) / 1024.0);
  return 0;
}
