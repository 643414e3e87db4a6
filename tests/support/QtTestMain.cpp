// GoogleTest's main for tests that need a QApplication: the offscreen platform unless a display
// is asked for, and Qt WebEngine's sandbox off only when running as root, where it cannot start.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  // Cache, config and data folders of their own, so tests never touch the user's.
  QStandardPaths::setTestModeEnabled(true);
  QCoreApplication::setApplicationName(QStringLiteral("tavelin-tests"));
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
