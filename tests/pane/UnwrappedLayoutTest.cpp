// The unwrapped layout the pane uses once word wrap is off: after every kind of edit its
// paragraphs must sit where the toolkit's own layout puts them, clicks and keys must land where
// the text is, aligned paragraphs must follow the viewport, and printing must still work.
#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <functional>
#include <memory>

#include "PaneFixture.h"
#include "PrinterDevice.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;
using platform::RichTextPane;

// Latin and Chinese lines, tabs and an empty line: lines whose heights and widths differ.
QString mixedPage(int lines) {
  QString page;
  for (int i = 0; i < lines; ++i) {
    if (i % 7 == 3)
      page += u"\n"_s;
    else if (i % 3 == 0)
      page += u"  <p>第%1段 中文内容 text</p>\n"_s.arg(i);
    else
      page += u"\t<div class=\"c%1\">%2</div>\n"_s.arg(i).arg(QString(u'w').repeated(i % 40));
  }
  return page;
}

class UnwrappedLayout : public PaneFixture {
 protected:
  QTextDocument& doc() { return *pane->document(); }

  // Every paragraph where the toolkit's own layout, given the same text and formats without
  // wrapping, puts it: as tall, directly below the one before, and the document as tall as they
  // are together and as wide as its widest line. The sizes are read before any paragraph is
  // looked at, since looking lays out a paragraph that was only estimated.
  void expectGeometryOfTheToolkit() {
    settle();
    auto* ours = layout();
    ASSERT_NE(ours, nullptr);
    const QSizeF size = ours->documentSize();
    std::unique_ptr<QTextDocument> reference(doc().clone());
    reference->setDefaultFont(doc().defaultFont());
    reference->setDocumentMargin(doc().documentMargin());
    QTextOption option = reference->defaultTextOption();
    option.setWrapMode(QTextOption::NoWrap);
    reference->setDefaultTextOption(option);
    reference->setPageSize(QSizeF(0, -1));
    QAbstractTextDocumentLayout* toolkit = reference->documentLayout();

    qreal expectedTop = doc().documentMargin();
    QTextBlock theirs = reference->firstBlock();
    int wrong = 0;
    for (QTextBlock block = doc().firstBlock(); block.isValid() && wrong < 5;
         block = block.next(), theirs = theirs.next()) {
      const QRectF rect = ours->blockBoundingRect(block);
      const QRectF expected = toolkit->blockBoundingRect(theirs);
      if (std::abs(rect.top() - expectedTop) >= 0.5 ||
          std::abs(rect.height() - expected.height()) > 1) {
        ++wrong;
        ADD_FAILURE() << "paragraph " << block.blockNumber() << " at " << rect.top() << " height "
                      << rect.height() << ", expected at " << expectedTop << " height "
                      << expected.height();
      }
      expectedTop += rect.height();
    }
    EXPECT_NEAR(size.height(), expectedTop + doc().documentMargin(), 0.5);
    EXPECT_NEAR(size.width(), toolkit->documentSize().width(), 2);
  }

  // The middle of the caret's place at a character, in document coordinates.
  QPointF placeOf(int position) {
    const QTextBlock block = doc().findBlock(position);
    const QRectF rect = layout()->blockBoundingRect(block);
    const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
    return QPointF(rect.left() + line.cursorToX(position - block.position()),
                   rect.top() + line.y() + line.height() / 2);
  }

  // The viewport's point showing a document point.
  QPoint onScreen(const QPointF& point) {
    return (point -
            QPointF(pane->horizontalScrollBar()->value(), pane->verticalScrollBar()->value()))
        .toPoint();
  }
};

TEST_F(UnwrappedLayout, ParagraphsSitWhereTheToolkitPutsThemAfterEveryKindOfEdit) {
  struct Step {
    const char* name;
    std::function<void()> edit;
  };
  const Step steps[] = {
      {"a long page opened", [&] { pane->loadFile(writeFile(u"p.html"_s, mixedPage(600))); }},
      {"keys typed at the start", [&] { type(u"<!-- 注释 -->"_s); }},
      {"keys typed at the end",
       [&] { pane->moveCursor(QTextCursor::End), type(u"tail 尾部\nlast"_s); }},
      {"a line broken in the middle",
       [&] {
         select(doc().findBlockByNumber(300).position() + 4,
                doc().findBlockByNumber(300).position() + 4),
             type(u"\n"_s);
       }},
      {"lines joined by a cut across them",
       [&] {
         select(doc().findBlockByNumber(100).position() + 3,
                doc().findBlockByNumber(104).position() + 2),
             pane->setSelText(QString());
       }},
      {"a 300-line paste in the middle",
       [&] {
         select(doc().findBlockByNumber(200).position(), doc().findBlockByNumber(200).position()),
             pane->setSelText(mixedPage(300));
       }},
      {"a larger font on 200 lines",
       [&] {
         select(doc().findBlockByNumber(50).position(), doc().findBlockByNumber(250).position()),
             pane->setSelFontSize(24);
       }},
      {"a larger font on 200 lines, then lines above it cut before it is laid out",
       [&] {
         select(doc().findBlockByNumber(300).position(), doc().findBlockByNumber(500).position()),
             pane->setSelFontSize(20);
         select(0, doc().findBlockByNumber(40).position()), pane->setSelText(QString());
       }},
      {"a larger font on two lines",
       [&] {
         select(doc().findBlockByNumber(5).position(), doc().findBlockByNumber(6).position() + 3),
             pane->setSelFontSize(30);
       }},
      {"undo of all of it",
       [&] {
         while (doc().isUndoAvailable()) doc().undo();
       }},
      {"redo of all of it",
       [&] {
         while (doc().isRedoAvailable()) doc().redo();
       }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.edit();
    expectGeometryOfTheToolkit();
  }
}

TEST_F(UnwrappedLayout, HitTestFindsTheCharacterWhoseCaretPlaceIsAsked) {
  pane->setText(mixedPage(120) + u"left\ncentred line\nright aligned line\n"_s);
  for (auto [paragraph, alignment] :
       {std::pair{121, RichTextPane::AlignCenter}, std::pair{122, RichTextPane::AlignRight}}) {
    const int at = doc().findBlockByNumber(paragraph).position();
    select(at, at);
    pane->setSelAlignment(alignment);
  }
  settle();
  int checked = 0;
  for (QTextBlock block = doc().firstBlock(); block.isValid(); block = block.next()) {
    for (int i = 0; i < block.length(); i += 5) {
      const int position = block.position() + i;
      ASSERT_EQ(layout()->hitTest(placeOf(position), Qt::FuzzyHit), position)
          << "paragraph " << block.blockNumber() << " character " << i;
      ++checked;
    }
  }
  EXPECT_GT(checked, 400);
  // Beside the text: nothing exact, the nearest character when fuzzy.
  const QTextBlock last = doc().lastBlock().previous();
  const QRectF rect = layout()->blockBoundingRect(last);
  EXPECT_EQ(layout()->hitTest(rect.topRight() + QPointF(50, 2), Qt::ExactHit), -1);
  EXPECT_EQ(layout()->hitTest(rect.topRight() + QPointF(50, 2), Qt::FuzzyHit),
            last.position() + last.length() - 1);
  EXPECT_EQ(layout()->hitTest(QPointF(0, layout()->documentSize().height() + 100), Qt::FuzzyHit),
            doc().characterCount() - 1);
}

TEST_F(UnwrappedLayout, ClicksAndKeysMoveTheCaretToWhereTheTextIsShown) {
  pane->loadFile(writeFile(u"p.html"_s, mixedPage(2000)));
  // Far down, where the text was only estimated until laid out.
  const int far = doc().findBlockByNumber(1500).position() + 5;
  select(far, far);
  pane->ensureCursorVisible();
  QApplication::processEvents();
  // Partly: the lines laid out on the way may widen the text enough for the horizontal scroll
  // bar to appear and cover the bottom line, as with the toolkit's own layout.
  EXPECT_TRUE(pane->viewport()->rect().intersects(pane->cursorRect())) << "caret scrolled to";

  const QPointF target = placeOf(doc().findBlockByNumber(1502).position() + 3);
  QTest::mouseClick(pane->viewport(), Qt::LeftButton, Qt::NoModifier, onScreen(target));
  EXPECT_EQ(pane->textCursor().position(), doc().findBlockByNumber(1502).position() + 3);

  QTest::keyClick(pane.get(), Qt::Key_Down);
  EXPECT_EQ(pane->textCursor().blockNumber(), 1503);
  QTest::keyClick(pane.get(), Qt::Key_Up);
  QTest::keyClick(pane.get(), Qt::Key_Up);
  EXPECT_EQ(pane->textCursor().blockNumber(), 1501);
  QTest::keyClick(pane.get(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(pane->textCursor().position(), doc().characterCount() - 1);
  QApplication::processEvents();
  EXPECT_TRUE(pane->viewport()->rect().intersects(pane->cursorRect()));
  QTest::keyClick(pane.get(), Qt::Key_PageUp);
  EXPECT_LT(pane->textCursor().blockNumber(), doc().blockCount() - 10);
}

TEST_F(UnwrappedLayout, ScrollWidthFollowsTheWidestLineBothWays) {
  pane->setText(u"short\nlines\nonly"_s);
  settle();
  EXPECT_EQ(pane->horizontalScrollBar()->maximum(), 0);
  // Typed in the middle, so that deleting it later leaves no paragraph that held it.
  select(6, 6);
  type(QString(u'm').repeated(300) + u"\n"_s);
  settle();
  EXPECT_GT(pane->horizontalScrollBar()->maximum(), 0);

  select(6, doc().findBlockByNumber(2).position());
  pane->setSelText(QString());
  ASSERT_EQ(pane->text(), u"short\nlines\nonly"_s);
  // The search for the new widest line runs after a pause.
  EXPECT_TRUE(QTest::qWaitFor([&] { return pane->horizontalScrollBar()->maximum() == 0; }, 2000));
}

TEST_F(UnwrappedLayout, AlignedParagraphsFollowTheViewportWidth) {
  pane->setText(u"left\ncentred\nright\n"_s + QString(u'n').repeated(150));
  struct Row {
    int paragraph;
    RichTextPane::Alignment alignment;
  };
  for (const Row row : {Row{1, RichTextPane::AlignCenter}, Row{2, RichTextPane::AlignRight},
                        Row{3, RichTextPane::AlignRight}}) {
    const int at = doc().findBlockByNumber(row.paragraph).position();
    select(at, at);
    pane->setSelAlignment(row.alignment);
  }
  for (int width : {481, 700}) {
    SCOPED_TRACE(width);
    pane->resize(width, 625);
    settle();
    const qreal room = pane->viewport()->width() - 2 * doc().documentMargin();
    auto lineOf = [&](int paragraph) {
      const QTextBlock block = doc().findBlockByNumber(paragraph);
      layout()->blockBoundingRect(block);
      return block.layout()->lineAt(0);
    };
    const QTextLine centred = lineOf(1);
    EXPECT_NEAR(centred.x(), (room - centred.naturalTextWidth()) / 2, 1);
    const QTextLine right = lineOf(2);
    EXPECT_NEAR(right.x() + right.naturalTextWidth(), room, 1);
    EXPECT_EQ(lineOf(3).x(), 0) << "a line wider than the view starts at its left edge";
    EXPECT_EQ(lineOf(0).x(), 0);
  }
}

TEST_F(UnwrappedLayout, BackgroundLayoutKeepsTheViewOnTheSameText) {
  pane->loadFile(writeFile(u"p.html"_s, mixedPage(3000)));
  settle();
  // A larger font on most of the page is laid out in background steps, which make the
  // paragraphs above the view taller one step at a time while the view stays far below them.
  select(doc().findBlockByNumber(10).position(), doc().findBlockByNumber(2900).position());
  pane->setSelFontSize(28);
  ASSERT_FALSE(layout()->layoutIsFinished()) << "the layout under test already ran";
  const QTextBlock top = doc().findBlockByNumber(2000);
  pane->verticalScrollBar()->setValue(int(layout()->blockTop(top)) + 3);

  settle();
  const int after = pane->verticalScrollBar()->value();
  EXPECT_EQ(layout()->blockAt(after).blockNumber(), top.blockNumber());
  EXPECT_NEAR(after - layout()->blockTop(top), 3, 1);
  expectGeometryOfTheToolkit();
}

TEST_F(UnwrappedLayout, OnlyRecentlyPaintedParagraphsKeepTheirGlyphs) {
  auto shapedParagraphs = [&] {
    int kept = 0;
    for (QTextBlock block = doc().firstBlock(); block.isValid(); block = block.next())
      kept += block.layout()->cacheEnabled() ? 1 : 0;
    return kept;
  };
  pane->loadFile(writeFile(u"p.html"_s, mixedPage(3000)));
  // Scrolled through from top to bottom, then the text cut away and typed again while painting.
  for (int round = 0; round < 2; ++round) {
    QScrollBar* bar = pane->verticalScrollBar();
    for (int y = 0; y <= bar->maximum(); y += pane->viewport()->height()) {
      bar->setValue(y);
      pane->viewport()->repaint();
    }
    QApplication::processEvents();
    EXPECT_GT(shapedParagraphs(), 20);
    EXPECT_LT(shapedParagraphs(), 400) << "every paragraph ever painted kept its glyphs";
    select(doc().findBlockByNumber(5).position(), doc().findBlockByNumber(2990).position());
    pane->setSelText(QString());
    pane->viewport()->repaint();
    doc().undo();
  }
  expectGeometryOfTheToolkit();
}

TEST_F(UnwrappedLayout, SwitchingWordWrapOffKeepsTextAndUndoAndIsNoEdit) {
  keepWordWrap();
  type(u"typed\ntext"_s);
  changes = 0;
  pane->switchWordWrapOff();
  EXPECT_TRUE(pane->wordWrapIsOff());
  EXPECT_NE(layout(), nullptr);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(pane->text(), u"typed\ntext"_s);
  pane->document()->undo();
  EXPECT_NE(pane->text(), u"typed\ntext"_s);
  expectGeometryOfTheToolkit();
}

TEST_F(UnwrappedLayout, PrintingAnOpenedPagePrintsTheTextAndTheSelection) {
  const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is needed to read the print";
  pane->loadFile(writeFile(u"p.html"_s, u"alpha line\nbravo line\ncharlie line\n"_s));
  auto printed = [&](const QString& name) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(name + u".pdf"_s));
    platform::PrinterDevice device(printer);
    pane->selPrint(device);
    QProcess reader;
    reader.start(pdftotext, {printer.outputFileName(), u"-"_s});
    EXPECT_TRUE(reader.waitForFinished(30000));
    return QString::fromUtf8(reader.readAllStandardOutput());
  };
  const QString whole = printed(u"whole"_s);
  EXPECT_TRUE(whole.contains(u"alpha"_s) && whole.contains(u"bravo"_s) &&
              whole.contains(u"charlie"_s))
      << whole.toStdString();
  select(11, 21);
  const QString selection = printed(u"selection"_s);
  EXPECT_TRUE(selection.contains(u"bravo"_s)) << selection.toStdString();
  EXPECT_FALSE(selection.contains(u"alpha"_s) || selection.contains(u"charlie"_s));
}

}  // namespace
}  // namespace tavelin::testing
