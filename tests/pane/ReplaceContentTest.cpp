// Open and New replace the pane's whole text as one undoable edit, so text typed before either is
// never lost without a way back; every edit raises the change notification exactly once.
// Each case runs with word wrap off (the pane's own layout) and on (the toolkit's).
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>
#include <memory>

#include "PaneFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;
using platform::RichTextPane;

// A page long enough to be laid out in background steps.
QString longPage(int lines) {
  QString page;
  for (int i = 0; i < lines; ++i) page += u"  <li class=\"item%1\">第%1项 entry %1</li>\n"_s.arg(i);
  return page;
}

class ReplaceContent : public PaneFixture, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    PaneFixture::SetUp();
    if (!GetParam()) keepWordWrap();
  }
  QTextCharFormat formatAt(int position) {
    QTextCursor cursor(pane->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
  }
  Qt::Alignment alignmentOf(int paragraph) {
    return pane->document()->findBlockByNumber(paragraph).blockFormat().alignment();
  }
};

INSTANTIATE_TEST_SUITE_P(WordWrap, ReplaceContent, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Off" : "On"; });

TEST_P(ReplaceContent, OpenAndNewOverTypedTextCanBeUndoneAndRedone) {
  const QString page = longPage(500);
  const QString file = writeFile(u"page.html"_s, page);
  struct Case {
    const char* name;
    std::function<void(RichTextPane&)> replace;
    QString after;
  };
  const Case cases[] = {
      {"open", [&](RichTextPane& p) { p.loadFile(file); }, page},
      {"new", [](RichTextPane& p) { p.setText(QString()); }, QString()},
      {"text set by the program", [](RichTextPane& p) { p.setText(u"short\ntext"_s); },
       u"short\ntext"_s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pane->setText(QString());
    type(u"typed, never saved\nsecond line"_s);
    const QString typed = pane->text();
    changes = 0;

    c.replace(*pane);
    EXPECT_EQ(pane->text(), c.after);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pane->textCursor().position(), 0) << "the caret starts at the top";
    ASSERT_TRUE(pane->document()->isUndoAvailable());

    pane->document()->undo();
    EXPECT_EQ(pane->text(), typed) << "one undo brings the typed text back whole";
    ASSERT_TRUE(pane->document()->isRedoAvailable());
    pane->document()->redo();
    EXPECT_EQ(pane->text(), c.after);
    settle();
  }
}

TEST_P(ReplaceContent, AnOpenedPageIsSavedBackCharacterForCharacter) {
  // Non-breaking, ideographic and zero-width spaces, tabs, empty lines, a final line end.
  const QString page = u"<p>a\u00A0b\u3000c\u200Bd</p>\n\n\t<br>\n"_s + longPage(200);
  pane->loadFile(writeFile(u"in.html"_s, page));
  EXPECT_EQ(pane->text(), page);
  const QString saved = dir.filePath(u"out.html"_s);
  pane->saveFile(saved, RichTextPane::PlainText);
  QFile file(saved);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), page.toUtf8());
}

TEST_P(ReplaceContent, NewOnAnUntouchedPaneIsNoEdit) {
  pane->setText(QString());
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(pane->document()->isUndoAvailable());
}

TEST_P(ReplaceContent, UndoAndRedoReachTheUserThroughKeysAndTheContextMenu) {
  const QString file = writeFile(u"page.html"_s, u"<p>opened</p>\n"_s);
  struct Case {
    const char* name;
    std::function<void()> undo;
    std::function<void()> redo;
  };
  auto menuAction = [this](const char* name, const char* caption) {
    std::unique_ptr<QMenu> menu(pane->createStandardContextMenu());
    for (QAction* action : menu->actions()) {
      if (action->objectName() == QLatin1String(name) ||
          action->text().startsWith(QLatin1String(caption))) {
        EXPECT_TRUE(action->isEnabled()) << name << " is offered but disabled";
        action->trigger();
        return;
      }
    }
    ADD_FAILURE() << "no " << name << " in the context menu";
  };
  const Case cases[] = {
      {"Ctrl+Z, Ctrl+Y", [&] { QTest::keyClick(pane.get(), Qt::Key_Z, Qt::ControlModifier); },
       [&] { QTest::keyClick(pane.get(), Qt::Key_Y, Qt::ControlModifier); }},
      {"context menu", [&] { menuAction("edit-undo", "&Undo"); },
       [&] { menuAction("edit-redo", "&Redo"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pane->setText(QString());
    type(u"unsaved"_s);
    pane->loadFile(file);
    changes = 0;
    c.undo();
    EXPECT_EQ(pane->text(), u"unsaved"_s);
    EXPECT_EQ(changes, 1) << "undo changes the text, and says so once";
    c.redo();
    EXPECT_EQ(pane->text(), u"<p>opened</p>\n"_s);
  }
}

TEST_P(ReplaceContent, FormattingOfTheOldTextComesBackWithItAndDoesNotLeakIntoTheNew) {
  pane->setText(u"bold and red\nsecond paragraph"_s);
  select(0, 4);
  pane->setSelBold(true);
  select(9, 12);
  pane->setSelColor(0x000000FFu);  // 0x00BBGGRR: red
  select(0, 0);
  pane->setSelAlignment(RichTextPane::AlignCenter);
  const QString file = writeFile(u"page.html"_s, u"opened text\nmore"_s);

  pane->loadFile(file);
  EXPECT_FALSE(alignmentOf(0) & Qt::AlignHCenter) << "the old first paragraph lent its alignment";
  EXPECT_NE(formatAt(0).fontWeight(), QFont::Bold) << "the old first word lent its weight";

  pane->document()->undo();
  ASSERT_EQ(pane->text(), u"bold and red\nsecond paragraph"_s);
  EXPECT_TRUE(alignmentOf(0) & Qt::AlignHCenter);
  EXPECT_EQ(formatAt(1).fontWeight(), QFont::Bold);
  EXPECT_NE(formatAt(5).fontWeight(), QFont::Bold);
  EXPECT_EQ(formatAt(10).foreground().color(), QColor(Qt::red));

  pane->document()->redo();
  EXPECT_EQ(pane->text(), u"opened text\nmore"_s);
  EXPECT_FALSE(alignmentOf(0) & Qt::AlignHCenter);
}

TEST_P(ReplaceContent, ChangeIsRaisedOncePerEditAndNeverForFormatting) {
  const QString file = writeFile(u"page.html"_s, longPage(300));
  struct Case {
    const char* name;
    std::function<void()> act;
    int expected;
  };
  const Case cases[] = {
      {"a key typed", [&] { type(u"x"_s); }, 1},
      {"a line break typed", [&] { type(u"\n"_s); }, 1},
      {"paste over a selection", [&] { select(0, 3), pane->setSelText(u"two\nlines"_s); }, 1},
      {"cut", [&] { select(0, 8), pane->setSelText(QString()); }, 1},
      {"open", [&] { pane->loadFile(file); }, 1},
      {"new", [&] { pane->setText(QString()); }, 1},
      {"undo", [&] { pane->document()->undo(); }, 1},
      {"bold", [&] { select(0, 8), pane->setSelBold(true); }, 0},
      {"font and size",
       [&] { select(2, 8), pane->setSelFontName(u"Noto Serif"_s), pane->setSelFontSize(20); }, 0},
      {"colour and strike-through",
       [&] { select(2, 8), pane->setSelColor(0xFF), pane->setSelStrikeThru(true); }, 0},
      {"alignment", [&] { select(0, 20), pane->setSelAlignment(RichTextPane::AlignRight); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pane->setText(u"first line\nsecond line\nthird line"_s);
    type(u"!"_s);  // something to undo
    settle();
    changes = 0;
    c.act();
    settle();
    EXPECT_EQ(changes, c.expected);
  }
}

TEST_P(ReplaceContent, SelectionOperationsWorkOnAnOpenedPage) {
  const QString page = longPage(400);
  pane->loadFile(writeFile(u"page.html"_s, page));
  const QTextBlock line = pane->document()->findBlockByNumber(250);
  const int from = line.position() + 2;
  const int to = line.next().position() + 5;
  select(from, to);
  EXPECT_EQ(pane->selText(), page.mid(from, to - from));
  EXPECT_EQ(pane->selLength(), to - from);
  EXPECT_FALSE(pane->selBold());
  pane->setSelBold(true);
  pane->setSelUnderline(true);
  EXPECT_TRUE(pane->selBold());
  EXPECT_TRUE(pane->selUnderline());
  pane->setSelAlignment(RichTextPane::AlignCenter);
  EXPECT_TRUE(alignmentOf(251) & Qt::AlignHCenter);
  EXPECT_FALSE(alignmentOf(252) & Qt::AlignHCenter);

  pane->setSelText(u"REPLACED"_s);
  QString expected = page;
  expected.replace(from, to - from, u"REPLACED"_s);
  EXPECT_EQ(pane->text(), expected);
  pane->document()->undo();
  EXPECT_EQ(pane->text(), page);
}

}  // namespace
}  // namespace tavelin::testing
