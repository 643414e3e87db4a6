// Bold and Paste on a 1 MB page with a 100 KB selection, through the pane's own operations as the
// window's Bold (a read of the selection's state, then the toggle) and Paste commands call them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "PaneBenchSupport.h"
#include "RichTextEdit.h"

namespace {

using tavelin::bench::makeHtmlPage;
using tavelin::bench::paneFont;
using tavelin::bench::settle;
using tavelin::bench::showAsPane;
using tavelin::platform::RichTextEdit;

constexpr qsizetype kOneMb = 1 << 20;
constexpr int kSelectionStart = 400 * 1024;
constexpr int kSelectionLength = 100 * 1024;

std::unique_ptr<RichTextEdit> pageInPane() {
  auto pane = std::make_unique<RichTextEdit>();
  pane->setPaneFont(paneFont());
  pane->switchWordWrapOff();
  showAsPane(*pane);
  pane->setText(makeHtmlPage(kOneMb));
  settle();
  return pane;
}

void select(RichTextEdit& pane, int from, int length) {
  QTextCursor cursor(pane.document());
  cursor.setPosition(from);
  cursor.setPosition(from + length, QTextCursor::KeepAnchor);
  pane.setTextCursor(cursor);
}

void shown(RichTextEdit& pane) {
  QApplication::processEvents();
  pane.viewport()->repaint();
}

// The Bold command: whether the selection is all bold, then the opposite.
void paneBoldToggle(benchmark::State& state) {
  auto pane = pageInPane();
  select(*pane, kSelectionStart, kSelectionLength);
  for (auto _ : state) {
    pane->setSelBold(!pane->selBold());
    shown(*pane);
  }
}

// The read alone, on a selection that is all bold: every run of it must be looked at.
void paneSelBoldRead(benchmark::State& state) {
  auto pane = pageInPane();
  select(*pane, kSelectionStart, kSelectionLength);
  pane->setSelBold(true);
  for (auto _ : state) benchmark::DoNotOptimize(pane->selBold());
}

// Paste of 100 KB over a 100 KB selection.
void panePaste(benchmark::State& state) {
  auto pane = pageInPane();
  const QString clip = pane->text().mid(kSelectionStart + 7, kSelectionLength);
  for (auto _ : state) {
    state.PauseTiming();
    select(*pane, kSelectionStart, kSelectionLength);
    settle();
    state.ResumeTiming();
    pane->setSelText(clip);
    shown(*pane);
  }
}

void runs(benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->UseRealTime(); }

BENCHMARK(paneBoldToggle)->Apply(runs);
BENCHMARK(paneSelBoldRead)->Apply(runs);
BENCHMARK(panePaste)->Apply(runs);

}  // namespace
