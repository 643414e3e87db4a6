// One key press at the start and at the end of a large page, through the whole path a keystroke
// takes: the key event, the change handling, the layout and a paint of the viewport. The stock
// QTextEdit and QPlainTextEdit run beside the pane to show what the pane's binding adds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextEdit>
#include <map>
#include <memory>

#include "PaneBenchSupport.h"
#include "RichTextEdit.h"

using namespace Qt::StringLiterals;

namespace {

using tavelin::bench::finishLayout;
using tavelin::bench::makeHtmlPage;
using tavelin::bench::paneFont;
using tavelin::bench::showAsPane;
using tavelin::bench::typeKey;

const QString& page(qsizetype bytes) {
  static std::map<qsizetype, QString> pages;
  auto it = pages.find(bytes);
  if (it == pages.end()) it = pages.emplace(bytes, makeHtmlPage(bytes)).first;
  return it->second;
}

enum class Where { Start, End };

template <class Edit>
void placeCaret(Edit& edit, Where where) {
  edit.moveCursor(where == Where::Start ? QTextCursor::Start : QTextCursor::End);
  edit.ensureCursorVisible();
  tavelin::bench::settle();
}

template <class Edit>
void typeInto(benchmark::State& state, Edit& edit, Where where) {
  placeCaret(edit, where);
  finishLayout(*edit.document());
  edit.viewport()->repaint();
  for (auto _ : state) typeKey(edit, *edit.viewport(), Qt::Key_A, u"a"_s);
}

void paneTyping(benchmark::State& state, Where where) {
  tavelin::platform::RichTextEdit pane;
  pane.setPaneFont(paneFont());
  pane.switchWordWrapOff();
  int changes = 0;
  pane.onChange([&] { ++changes; });
  showAsPane(pane);
  pane.setText(page(state.range(0)));
  typeInto(state, pane, where);
  state.counters["changes"] = changes;
}

void stockTyping(benchmark::State& state, Where where) {
  QTextEdit edit;
  edit.setFont(paneFont());
  edit.document()->setDefaultFont(paneFont());
  edit.setLineWrapMode(QTextEdit::NoWrap);
  edit.setAcceptRichText(false);
  showAsPane(edit);
  edit.setPlainText(page(state.range(0)));
  typeInto(state, edit, where);
}

void plainTyping(benchmark::State& state, Where where) {
  QPlainTextEdit edit;
  edit.setFont(paneFont());
  edit.setLineWrapMode(QPlainTextEdit::NoWrap);
  showAsPane(edit);
  edit.setPlainText(page(state.range(0)));
  typeInto(state, edit, where);
}

constexpr qsizetype kOneMb = 1 << 20;
constexpr qsizetype kTenMb = 10 << 20;

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(kOneMb)->Arg(kTenMb)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK_CAPTURE(paneTyping, start, Where::Start)->Apply(sizes);
BENCHMARK_CAPTURE(paneTyping, end, Where::End)->Apply(sizes);
BENCHMARK_CAPTURE(stockTyping, start, Where::Start)->Apply(sizes);
BENCHMARK_CAPTURE(stockTyping, end, Where::End)->Apply(sizes);
BENCHMARK_CAPTURE(plainTyping, start, Where::Start)->Apply(sizes);
BENCHMARK_CAPTURE(plainTyping, end, Where::End)->Apply(sizes);

}  // namespace
