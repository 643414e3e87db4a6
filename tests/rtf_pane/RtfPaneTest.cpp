// RTF files arrive in the pane as formatted text, and leave it again as plain text.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include "PlatformFailure.h"
#include "QtPrinting.h"
#include "RichTextEdit.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;
using platform::RichTextEdit;
using platform::RichTextPane;

class RtfInThePane : public ::testing::Test {
 protected:
  void load(const QByteArray& rtf) {
    QFile file(dir.filePath(u"doc.rtf"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(rtf);
    file.close();
    pane.loadFile(file.fileName());
  }
  // Selects the first occurrence of text in the pane.
  void select(const QString& text) {
    const int at = pane.text().indexOf(text);
    ASSERT_GE(at, 0) << text.toStdString();
    QTextCursor cursor(pane.document());
    cursor.setPosition(at);
    cursor.setPosition(at + int(text.size()), QTextCursor::KeepAnchor);
    pane.setTextCursor(cursor);
  }
  QTextCharFormat formatOf(const QString& text) {
    select(text);
    QTextCursor cursor = pane.textCursor();
    cursor.setPosition(cursor.selectionStart() + 1);
    return cursor.charFormat();
  }

  QTemporaryDir dir;
  RichTextEdit pane;
};

const QByteArray kFormatted =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New "
    "Roman;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;}"
    "\\pard\\qc\\f1\\fs40 Title\\par"
    "\\pard\\f0\\fs24 plain {\\b bold} {\\i italic} {\\ul under} {\\strike gone} "
    "{\\cf1 red} caf\\'e9\\par"
    "\\pard\\qr right\\line next\\par}";

TEST_F(RtfInThePane, TextAndFormatsReadBackThroughThePane) {
  load(kFormatted);
  EXPECT_EQ(pane.text(), u"Title\nplain bold italic under gone red café\nright\nnext"_s);
  struct Case {
    QString text;
    bool bold, italic, underline;
  };
  for (const Case& c :
       {Case{u"bold"_s, true, false, false}, Case{u"italic"_s, false, true, false},
        Case{u"under"_s, false, false, true}, Case{u"plain"_s, false, false, false}}) {
    SCOPED_TRACE(c.text.toStdString());
    select(c.text);
    EXPECT_EQ(pane.selBold(), c.bold);
    EXPECT_EQ(pane.selItalic(), c.italic);
    EXPECT_EQ(pane.selUnderline(), c.underline);
  }
  EXPECT_TRUE(formatOf(u"gone"_s).fontStrikeOut());
  EXPECT_EQ(formatOf(u"red"_s).foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(formatOf(u"Title"_s).fontFamilies().toStringList().value(0), u"Times New Roman"_s);
  EXPECT_DOUBLE_EQ(formatOf(u"Title"_s).fontPointSize(), 20);
  EXPECT_DOUBLE_EQ(formatOf(u"plain"_s).fontPointSize(), 12);

  const QTextBlock title = pane.document()->firstBlock();
  EXPECT_TRUE(title.blockFormat().alignment() & Qt::AlignHCenter);
  EXPECT_TRUE(title.next().blockFormat().alignment() & Qt::AlignLeft);
  EXPECT_TRUE(title.next().next().blockFormat().alignment() & Qt::AlignRight);
}

TEST_F(RtfInThePane, ChineseDocumentDecodesByItsCodePage) {
  // "中文网页" in GBK, and 中 once more as a Unicode escape with a negative number's twin.
  load(
      "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
      "\\f0 \\'d6\\'d0\\'ce\\'c4\\'cd\\'f8\\'d2\\'b3 \\u20013?\\u-24067?\\par}");
  EXPECT_TRUE(pane.text().startsWith(u"中文网页 中"_s));
  EXPECT_EQ(pane.text().at(6), QChar(char16_t(65536 - 24067)));
  EXPECT_EQ(formatOf(u"中文"_s).fontFamilies().toStringList().value(0), u"宋体"_s);
}

TEST_F(RtfInThePane, SaveWritesThePlainTextOfWhatWasLoaded) {
  load(kFormatted);
  const QString saved = dir.filePath(u"out.html"_s);
  pane.saveFile(saved, RichTextPane::PlainText);
  QFile file(saved);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_EQ(text, u"Title\nplain bold italic under gone red café\nright\nnext"_s);
  EXPECT_FALSE(text.contains(u'\\') || text.contains(u'{'));
}

TEST_F(RtfInThePane, DamagedRtfShowsWhatCanBeRead) {
  load("{\\rtf1\\ansi {\\b half a docu");
  EXPECT_EQ(pane.text(), u"half a docu"_s);
}

TEST_F(RtfInThePane, BinaryFileWithTheSignatureIsRefusedAndThePaneKeepsItsText) {
  pane.setText(u"keep me"_s);
  static const char kBinary[] = "{\\rtf1 \x00\x01\x02\xff binary";
  EXPECT_THROW(load(QByteArray(kBinary, sizeof kBinary - 1)), platform::PlatformFailure);
  EXPECT_EQ(pane.text(), u"keep me"_s);
}

}  // namespace
}  // namespace tavelin::testing
