// Time from process start to the main window shown, and the main process's resident memory once
// idle. Run it several times (scripts/bench-startup.sh does) and read the medians; on the
// offscreen platform or, for a real display server, under Xvfb.
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "QtServices.h"
#include "QtWindow.h"
#include "frmM.h"

namespace {

// Seconds since this process started, from the kernel's own record of its start.
double secondsSinceProcessStart() {
  QFile stat(QStringLiteral("/proc/self/stat"));
  QFile uptime(QStringLiteral("/proc/uptime"));
  if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
  const QByteArray line = stat.readAll();
  // Field 22 (starttime) counts from the field after the command's closing parenthesis.
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  const double startTicks = fields.value(19).toDouble();
  const double now = uptime.readAll().split(' ').value(0).toDouble();
  return now - startTicks / double(sysconf(_SC_CLK_TCK));
}

long residentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  tavelin::platform::QtServices services;
  tavelin::editor::frmM form(services.services());
  form.Show();
  auto& window = static_cast<tavelin::platform::QtWindow&>(form.window()).mainWindow();
  if (!QTest::qWaitForWindowExposed(&window, 10000)) {
    std::fprintf(stderr, "the window was not shown\n");
    return 1;
  }
  const double shown = secondsSinceProcessStart();
  QTimer::singleShot(3000, &app, &QApplication::quit);
  QApplication::exec();
  std::printf("window shown after %.0f ms; idle resident memory %.1f MB\n", shown * 1000,
              double(residentKiB()) / 1024.0);
  return 0;
}
