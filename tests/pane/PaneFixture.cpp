#include "PaneFixture.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTest>
#include <QTextCursor>

namespace tavelin::testing {

void PaneFixture::SetUp() {
  ASSERT_TRUE(dir.isValid());
  build(true);
}

void PaneFixture::TearDown() { pane.reset(); }

void PaneFixture::keepWordWrap() { build(false); }

void PaneFixture::build(bool wordWrapOff) {
  pane = std::make_unique<platform::RichTextEdit>();
  QFont font;
  font.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC"),
                    QStringLiteral("Droid Sans Fallback")});
  font.setPointSize(12);
  pane->setPaneFont(font);
  pane->resize(481, 625);
  pane->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
  if (wordWrapOff) pane->switchWordWrapOff();
  changes = 0;
  pane->onChange([this] { ++changes; });
}

QString PaneFixture::writeFile(const QString& name, const QString& text) {
  const QString path = dir.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(text.toUtf8());
  return path;
}

void PaneFixture::select(int from, int to) {
  QTextCursor cursor(pane->document());
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  pane->setTextCursor(cursor);
}

void PaneFixture::type(const QString& text) {
  for (QChar ch : text) {
    const int key = ch == u'\n' ? int(Qt::Key_Return) : 0;
    const QString typed = ch == u'\n' ? QStringLiteral("\r") : QString(ch);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
    QApplication::sendEvent(pane.get(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
    QApplication::sendEvent(pane.get(), &release);
  }
}

void PaneFixture::settle() {
  if (auto* unwrapped = layout()) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return unwrapped->layoutIsFinished(); }, 10000))
        << "background layout never finished";
  }
  QApplication::processEvents();
}

platform::UnwrappedDocumentLayout* PaneFixture::layout() {
  return qobject_cast<platform::UnwrappedDocumentLayout*>(pane->document()->documentLayout());
}

}  // namespace tavelin::testing
