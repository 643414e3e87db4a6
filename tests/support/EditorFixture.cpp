#include "EditorFixture.h"

#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <QToolBar>

namespace tavelin::testing {

void EditorFixture::SetUp() {
  ASSERT_TRUE(dir.isValid());
  form = std::make_unique<editor::frmM>(services(), layoutEngine);
  form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow()));
}

void EditorFixture::TearDown() {
  EXPECT_TRUE(messageBox.failures.empty())
      << "unexpected failure report: "
      << (messageBox.failures.empty() ? "" : messageBox.failures.front().text.toStdString());
  // Closing would ask about unsaved text; the test is over, so let the window go unasked.
  form.reset();
}

QString EditorFixture::readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<unreadable>");
  return QString::fromUtf8(file.readAll());
}

void EditorFixture::writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

void EditorFixture::type(QWidget* target, const QString& text) {
  // Key events that carry their text, as an input method delivers CJK characters; QTest's own
  // key clicks know only the keys of an ASCII keyboard.
  for (QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &release);
  }
}

void EditorFixture::doubleClick(QWidget* target) {
  QTest::mousePress(target, Qt::LeftButton);
  QTest::mouseRelease(target, Qt::LeftButton);
  QTest::mouseDClick(target, Qt::LeftButton);
  QTest::mouseRelease(target, Qt::LeftButton);
}

QAction* EditorFixture::menuAction(const char* name) {
  auto* action = mainWindow().findChild<QAction*>(QString::fromUtf8(name));
  EXPECT_NE(action, nullptr) << "no menu item " << name;
  return action;
}

QAction* EditorFixture::toolbarAction(const QString& key) {
  if (auto* toolbar = widget<QToolBar>("tbToolBar"))
    for (QAction* action : toolbar->actions())
      if (!action->isSeparator() && action->data().toString() == key) return action;
  ADD_FAILURE() << "no toolbar button " << key.toStdString();
  return nullptr;
}

}  // namespace tavelin::testing
