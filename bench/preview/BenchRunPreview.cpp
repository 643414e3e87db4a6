// Run as the user feels it: from the click on the Run button until the browser view has loaded the
// page, on a small and a large page, with the engine already warm from an earlier Run.
//
// Each size runs 7 repetitions of 5 Runs; the report gives the median (and mean, spread and
// minimum) of the repetitions' averages.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <algorithm>
#include <memory>
#include <vector>

#include "CommonDialog.h"
#include "QtWindow.h"
#include "Services.h"
#include "frmM.h"
#include "layout/LayoutEngine.h"

namespace {

using namespace Qt::StringLiterals;
using namespace tavelin;

// Run opens no dialog; a failure must not stop the benchmark on a modal box nobody can close.
class NoDialogs : public platform::CommonDialog {
 public:
  bool ShowOpen() override { return false; }
  bool ShowSave() override { return false; }
  bool ShowFont() override { return false; }
  bool ShowColor() override { return false; }
  platform::PrinterDevice* ShowPrinter() override { return nullptr; }
};
class NoClipboard : public platform::Clipboard {
 public:
  QString text() const override { return {}; }
  void setText(const QString&) override {}
};
class RecordedFailures : public platform::MessageBox {
 public:
  Answer askYesNo(const QString&, const QString&) override { return Yes; }
  void reportFailure(const QString& text, const QString&) override { last = text; }
  QString last;
};
class NoPrograms : public platform::ProgramStarter {
 public:
  void shell(const QString&) override {}
};
class SystemTime : public platform::Clock {
 public:
  QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A page of about `bytes` UTF-8 bytes as people write one: a head with style, then sections of
// headings, paragraphs with Chinese and English text, lists and a table.
QString makePage(qsizetype bytes) {
  QString page =
      u"<!DOCTYPE html>\n<html>\n<head>\n<title>预览页面</title>\n"
      u"<style>body{font-family:sans-serif} .note{color:#336}</style>\n</head>\n<body>\n"_s;
  const QString tail = u"</body>\n</html>\n"_s;
  for (int section = 1; page.toUtf8().size() + tail.toUtf8().size() < bytes; ++section) {
    QString block = u"<h2>第%1节 Section %1</h2>\n"_s.arg(section);
    block +=
        u"<p class=\"note\">这是一个用来预览的段落，含有中文和 English words, "
        u"<b>bold</b> and <a href=\"#s%1\">a link</a>.</p>\n"_s.arg(section);
    block += u"<ul>\n  <li>第一项 item one</li>\n  <li>第二项 item two</li>\n</ul>\n"_s;
    block += u"<table><tr><td>%1</td><td>单元格 cell</td></tr></table>\n"_s.arg(section);
    page += block;
  }
  return page + tail;
}

struct Editor {
  NoDialogs dialog;
  NoClipboard clipboard;
  RecordedFailures messageBox;
  NoPrograms programStarter;
  SystemTime clock;
  layout::LayoutEngine layoutEngine;
  std::unique_ptr<editor::frmM> form;
  QPushButton* run = nullptr;

  Editor() {
    form = std::make_unique<editor::frmM>(
        platform::Services{dialog, clipboard, messageBox, programStarter, clock}, layoutEngine);
    form->Show();
    QWidget& window = static_cast<platform::QtWindow&>(form->window()).mainWindow();
    (void)QTest::qWaitForWindowExposed(&window);
    run = window.findChild<QPushButton*>(u"Command1"_s);
  }
  QWebEngineView* browser() {
    QWidget& window = static_cast<platform::QtWindow&>(form->window()).mainWindow();
    return window.findChild<QWebEngineView*>(u"WebBrowser1"_s);
  }
  // Clicks Run and waits for the page; false when it did not load within the time allowed.
  bool runAndWait() {
    QEventLoop loop;
    bool loaded = false;
    QMetaObject::Connection finished;
    const auto listen = [&] {
      if (QWebEngineView* view = browser(); view && !finished)
        finished = QObject::connect(view, &QWebEngineView::loadFinished, &loop, [&](bool ok) {
          loaded = ok;
          loop.quit();
        });
    };
    listen();  // the view may exist from an earlier Run
    QTest::mouseClick(run, Qt::LeftButton);
    listen();  // or be made by this one; its page cannot finish before the loop runs
    if (!finished) return false;
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(finished);
    return loaded;
  }
};

// Made in main once the application exists, and gone before it.
Editor* theEditor = nullptr;

void BM_RunToLoadFinished(benchmark::State& state) {
  Editor& editor = *theEditor;
  const QString page = makePage(state.range(0));
  editor.form->window().pane("RichTextBox1").setText(page);
  if (!editor.run || !editor.runAndWait()) {  // warm: the engine and this page once
    state.SkipWithError("the preview did not load");
    return;
  }
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    const bool loaded = editor.runAndWait();
    state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    if (!loaded) {
      state.SkipWithError(editor.messageBox.last.isEmpty() ? "the preview did not load"
                                                           : qPrintable(editor.messageBox.last));
      return;
    }
  }
  state.SetBytesProcessed(state.iterations() * page.toUtf8().size());
  state.counters["page_bytes"] = double(page.toUtf8().size());
}
BENCHMARK(BM_RunToLoadFinished)
    ->Arg(10 * 1024)
    ->Arg(1024 * 1024)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", [](const std::vector<double>& v) {
      return *std::min_element(v.begin(), v.end());
    });

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  // A cache folder of its own: the preview file never lands in the user's.
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setApplicationName(u"tavelin-bench"_s);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  {
    Editor editor;
    theEditor = &editor;
    benchmark::RunSpecifiedBenchmarks();
    theEditor = nullptr;
  }
  benchmark::Shutdown();
  return 0;
}
