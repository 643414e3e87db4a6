// Open and Save of a 10 MB page through the pane's own loadFile and saveFile, including the paint
// that shows the opened page. QPlainTextEdit and the stock QTextEdit open the same file in the same
// run for scale: neither keeps an undo step for the text it replaced, which the pane does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "PaneBenchSupport.h"
#include "RichTextEdit.h"
#include "TextFileDecoder.h"

using namespace Qt::StringLiterals;

namespace {

using tavelin::bench::makeHtmlPage;
using tavelin::bench::paneFont;
using tavelin::bench::settle;
using tavelin::bench::showAsPane;
using tavelin::platform::RichTextEdit;

constexpr qsizetype kTenMb = 10 << 20;

// One page on disk for the whole run.
const QString& pageFile() {
  static QTemporaryDir dir;
  static const QString path = [] {
    const QString file = dir.filePath(u"page.html"_s);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(makeHtmlPage(kTenMb).toUtf8()) < 0)
      qFatal("cannot write the benchmark page");
    return file;
  }();
  return path;
}

QString scratchFile() {
  static QTemporaryDir dir;
  return dir.filePath(u"saved.html"_s);
}

std::unique_ptr<RichTextEdit> shownPane() {
  auto pane = std::make_unique<RichTextEdit>();
  pane->setPaneFont(paneFont());
  pane->switchWordWrapOff();
  showAsPane(*pane);
  return pane;
}

void shown(QWidget& viewport) {
  QApplication::processEvents();
  viewport.repaint();
}

// Into an empty pane, as after starting the program.
void paneOpen(benchmark::State& state) {
  const QString& file = pageFile();
  for (auto _ : state) {
    state.PauseTiming();
    auto pane = shownPane();
    state.ResumeTiming();
    pane->loadFile(file);
    shown(*pane->viewport());
    state.PauseTiming();
    pane.reset();
    settle();
    state.ResumeTiming();
  }
}

// Over the same page already open: the old text goes into the undo step.
void paneOpenOverPage(benchmark::State& state) {
  const QString& file = pageFile();
  auto pane = shownPane();
  pane->loadFile(file);
  settle();
  for (auto _ : state) {
    pane->loadFile(file);
    shown(*pane->viewport());
  }
}

// Undo of an Open over a page: the page before comes back.
void paneUndoOpen(benchmark::State& state) {
  const QString& file = pageFile();
  auto pane = shownPane();
  pane->loadFile(file);
  for (auto _ : state) {
    state.PauseTiming();
    pane->loadFile(file);
    settle();
    state.ResumeTiming();
    pane->document()->undo();
    shown(*pane->viewport());
  }
}

// What a reader of formatted files will do through the pane's content replacement: one edit
// that removes the old page and writes paragraphs of formatted runs through a cursor.
void paneFormattedFill(benchmark::State& state) {
  const QStringList lines = makeHtmlPage(kTenMb).split(u'\n');
  QTextCharFormat plain;
  plain.setFont(paneFont());
  QTextCharFormat bold = plain;
  bold.setFontWeight(QFont::Bold);
  QTextCharFormat red = plain;
  red.setForeground(Qt::red);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  auto pane = shownPane();
  for (auto _ : state) {
    QTextCursor cursor(pane->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) cursor.insertBlock(i % 10 == 0 ? centred : QTextBlockFormat(), plain);
      const QString& line = lines[i];
      const qsizetype third = line.size() / 3;
      cursor.insertText(line.left(third), bold);
      cursor.insertText(line.mid(third, third), plain);
      cursor.insertText(line.mid(2 * third), red);
    }
    cursor.endEditBlock();
    shown(*pane->viewport());
  }
}

// The same file read, decoded and set into a stock widget, for comparison: QPlainTextEdit, and
// QTextEdit without an undo step.
template <class Edit, auto NoWrap>
void stockWidgetOpen(benchmark::State& state) {
  const QString& file = pageFile();
  for (auto _ : state) {
    state.PauseTiming();
    auto edit = std::make_unique<Edit>();
    edit->setFont(paneFont());
    edit->setLineWrapMode(NoWrap);
    showAsPane(*edit);
    state.ResumeTiming();
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) state.SkipWithError("cannot read the page");
    const auto decoded = tavelin::platform::decodeTextFile(in.readAll());
    edit->setPlainText(decoded->text);
    shown(*edit->viewport());
    state.PauseTiming();
    edit.reset();
    settle();
    state.ResumeTiming();
  }
}

void plainOpen(benchmark::State& state) {
  stockWidgetOpen<QPlainTextEdit, QPlainTextEdit::NoWrap>(state);
}

void stockOpen(benchmark::State& state) { stockWidgetOpen<QTextEdit, QTextEdit::NoWrap>(state); }

void paneSave(benchmark::State& state) {
  auto pane = shownPane();
  pane->loadFile(pageFile());
  settle();
  const QString target = scratchFile();
  for (auto _ : state) pane->saveFile(target, tavelin::platform::RichTextPane::PlainText);
}

void plainSave(benchmark::State& state) {
  QPlainTextEdit edit;
  edit.setPlainText(makeHtmlPage(kTenMb));
  const QString target = scratchFile();
  for (auto _ : state) {
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) state.SkipWithError("cannot write");
    out.write(edit.toPlainText().toUtf8());
    out.commit();
  }
}

void runs(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
}

BENCHMARK(paneOpen)->Apply(runs);
BENCHMARK(paneOpenOverPage)->Apply(runs);
BENCHMARK(paneUndoOpen)->Apply(runs);
BENCHMARK(paneFormattedFill)->Apply(runs);
BENCHMARK(plainOpen)->Apply(runs);
BENCHMARK(stockOpen)->Apply(runs);
BENCHMARK(paneSave)->Apply(runs);
BENCHMARK(plainSave)->Apply(runs);

}  // namespace
