// The cost of one layout pass over the real main window: the engine's lookups and arithmetic plus
// the widgets' own geometry changes. Run on the offscreen platform.
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "QtServices.h"
#include "QtWindow.h"
#include "frmM.h"
#include "layout/LayoutEngine.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  tavelin::platform::QtServices services;
  tavelin::layout::LayoutEngine engine;
  tavelin::editor::frmM form(services.services(), engine);
  form.Show();
  auto& window = static_cast<tavelin::platform::QtWindow&>(form.window());
  if (!QTest::qWaitForWindowExposed(&window.mainWindow())) return 1;

  const QSize sizes[] = {{1025, 696}, {1400, 900}, {800, 560}, {1200, 800}};
  std::vector<double> passes;
  std::vector<double> resizes;
  QElapsedTimer timer;
  for (int i = 0; i < 400; ++i) {
    const QSize size = sizes[i % 4];
    // A whole resize as the user's drag makes it: the window's own layout, the resize event and
    // the pass it runs.
    timer.start();
    window.mainWindow().resize(size);
    QApplication::processEvents();
    resizes.push_back(double(timer.nsecsElapsed()) / 1e6);
    // The pass alone, at the size the window now has.
    timer.start();
    engine.ResizeForm(window.layoutForm());
    passes.push_back(double(timer.nsecsElapsed()) / 1e6);
  }
  auto median = [](std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  std::printf("one ResizeForm pass on the main window: median %.3f ms, worst %.3f ms\n",
              median(passes), *std::max_element(passes.begin(), passes.end()));
  std::printf("one whole resize (window, event, pass): median %.3f ms\n", median(resizes));
  return 0;
}
