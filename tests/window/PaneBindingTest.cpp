// The code pane's file and format operations on a real pane and real files.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <csignal>

#include "PlatformFailure.h"
#include "QtPrinting.h"
#include "RichTextEdit.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;
using platform::PlatformFailure;
using platform::RichTextEdit;
using platform::RichTextPane;

class PaneBinding : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return dir.filePath(name); }
  void write(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
  }
  QByteArray read(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }
  // Selects characters [from, to) of the pane.
  void select(int from, int to) {
    QTextCursor cursor(pane.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    pane.setTextCursor(cursor);
  }
  QTextCharFormat formatAt(int position) {
    QTextCursor cursor(pane.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
  }

  QTemporaryDir dir;
  RichTextEdit pane;
};

TEST_F(PaneBinding, SavedTextIsUtf8WithoutBomAndLoadsBackTheSame) {
  const QString text = u"<p>你好，世界</p>\n<b>第二行</b>\té\n"_s;
  pane.setText(text);
  pane.saveFile(path(u"page.html"_s), RichTextPane::PlainText);
  EXPECT_EQ(read(path(u"page.html"_s)), text.toUtf8());

  RichTextEdit other;
  other.loadFile(path(u"page.html"_s));
  EXPECT_EQ(other.text(), text);
}

TEST_F(PaneBinding, TextFilesAreDecodedByTheirEncoding) {
  const QString text = u"中文网页 <html> ü"_s;
  QStringEncoder gb18030("GB18030");
  ASSERT_TRUE(gb18030.isValid());
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"UTF-8", text.toUtf8()},
      {"UTF-8 with BOM", QByteArray("\xEF\xBB\xBF") + text.toUtf8()},
      {"UTF-16 LE with BOM",
       QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)(text)},
      {"UTF-16 BE with BOM",
       QStringEncoder(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom)(text)},
      {"GB18030", gb18030(text)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    write(path(u"in.txt"_s), c.bytes);
    pane.loadFile(path(u"in.txt"_s));
    EXPECT_EQ(pane.text(), text);
  }
}

TEST_F(PaneBinding, WhatCannotBeLoadedIsReportedAndThePaneKeepsItsText) {
  write(path(u"binary.bin"_s), QByteArray("PK\x03\x04\x00\x00\x10\x00garbage", 18));
  QDir(dir.path()).mkdir(u"folder"_s);
  struct Case {
    const char* name;
    QString file;
    QString reason;  // part of the reason given
  };
  const Case cases[] = {
      {"binary content", path(u"binary.bin"_s), u"not a text file"_s},
      {"missing file", path(u"missing.html"_s), u"No such file"_s},
      {"a folder", path(u"folder"_s), u""_s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pane.setText(u"keep me"_s);
    try {
      pane.loadFile(c.file);
      ADD_FAILURE() << "loaded";
    } catch (const PlatformFailure& failure) {
      EXPECT_EQ(failure.file(), c.file);
      EXPECT_TRUE(failure.reason().contains(c.reason)) << failure.reason().toStdString();
      EXPECT_TRUE(failure.describe().contains(c.file));
    }
    EXPECT_EQ(pane.text(), u"keep me"_s);
  }
}

TEST_F(PaneBinding, FailedSaveLeavesTheOldFileAsItWas) {
  write(path(u"plain"_s), "a regular file");
  write(path(u"old.html"_s), "old contents");
  pane.setText(u"new contents, much longer than the limit allows"_s.repeated(400));

  // Into a path below a regular file: the folder cannot exist.
  EXPECT_THROW(pane.saveFile(path(u"plain/page.html"_s), RichTextPane::PlainText), PlatformFailure);
  // Onto a disk that fills up halfway through the write.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool failed = false;
  try {
    pane.saveFile(path(u"old.html"_s), RichTextPane::PlainText);
  } catch (const PlatformFailure& failure) {
    failed = true;
    EXPECT_EQ(failure.file(), path(u"old.html"_s));
    EXPECT_FALSE(failure.reason().isEmpty());
  }
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_TRUE(failed) << "a write past the disk's end was reported as done";
  EXPECT_EQ(read(path(u"old.html"_s)), "old contents");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";

  // Where nobody may write, for a user other than root.
  if (geteuid() != 0) {
    QDir(dir.path()).mkdir(u"locked"_s);
    QFile::setPermissions(path(u"locked"_s), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_THROW(pane.saveFile(path(u"locked/page.html"_s), RichTextPane::PlainText),
                 PlatformFailure);
  }
}

TEST_F(PaneBinding, PartlyFormattedSelectionReadsAsNotFormatted) {
  pane.setText(u"bold plain"_s);
  select(0, 4);
  pane.setSelBold(true);
  pane.setSelItalic(true);
  pane.setSelUnderline(true);
  EXPECT_TRUE(pane.selBold() && pane.selItalic() && pane.selUnderline());
  select(2, 8);  // half formatted
  EXPECT_FALSE(pane.selBold());
  EXPECT_FALSE(pane.selItalic());
  EXPECT_FALSE(pane.selUnderline());
  pane.setSelBold(true);
  EXPECT_TRUE(pane.selBold());
  EXPECT_EQ(formatAt(7).fontWeight(), QFont::Bold);
  EXPECT_NE(formatAt(9).fontWeight(), QFont::Bold) << "outside the selection";
  EXPECT_EQ(pane.text(), u"bold plain"_s) << "formatting changes no character";
}

TEST_F(PaneBinding, SelectionTakesFontColourAndStrikeThrough) {
  pane.setText(u"abcdef"_s);
  select(1, 3);
  pane.setSelFontName(u"Noto Serif"_s);
  pane.setSelFontSize(20.5f);
  pane.setSelColor(0x00336699u);  // 0x00BBGGRR
  pane.setSelStrikeThru(true);
  const QTextCharFormat f = formatAt(1);
  EXPECT_EQ(f.fontFamilies().toStringList().value(0), u"Noto Serif"_s);
  EXPECT_DOUBLE_EQ(f.fontPointSize(), 20.5);
  EXPECT_EQ(f.foreground().color(), QColor(0x99, 0x66, 0x33));
  EXPECT_TRUE(f.fontStrikeOut());
  EXPECT_FALSE(formatAt(4).fontStrikeOut());
  // No font chosen (an empty name or a zero size) keeps what the selection has.
  pane.setSelFontName(QString());
  pane.setSelFontSize(0);
  EXPECT_EQ(formatAt(1).fontFamilies().toStringList().value(0), u"Noto Serif"_s);
  EXPECT_DOUBLE_EQ(formatAt(1).fontPointSize(), 20.5);
}

TEST_F(PaneBinding, AlignmentGoesToTheSelectedParagraphsOnly) {
  pane.setText(u"one\ntwo\nthree"_s);
  struct Case {
    RichTextPane::Alignment alignment;
    Qt::Alignment expected;
  };
  for (const Case c : {Case{RichTextPane::AlignRight, Qt::AlignRight},
                       Case{RichTextPane::AlignCenter, Qt::AlignHCenter},
                       Case{RichTextPane::AlignLeft, Qt::AlignLeft}}) {
    SCOPED_TRACE(int(c.alignment));
    select(5, 9);  // from "two" into "three"
    pane.setSelAlignment(c.alignment);
    const QTextBlock first = pane.document()->firstBlock();
    EXPECT_FALSE(first.blockFormat().alignment() & (Qt::AlignRight | Qt::AlignHCenter));
    EXPECT_TRUE(first.next().blockFormat().alignment() & c.expected);
    EXPECT_TRUE(first.next().next().blockFormat().alignment() & c.expected);
  }
  EXPECT_THROW(pane.setSelAlignment(RichTextPane::Alignment(7)), PlatformFailure);
}

TEST_F(PaneBinding, SelectedTextReadsAsPlainTextAndWritesOverTheSelection) {
  pane.setText(u"line one\nline two"_s);
  select(5, 13);
  EXPECT_EQ(pane.selText(), u"one\nline"_s);
  EXPECT_EQ(pane.selLength(), 8);
  pane.setSelText(u"1\n"_s);
  EXPECT_EQ(pane.text(), u"line 1\n two"_s);
  EXPECT_EQ(pane.selLength(), 0);
  pane.setSelText(u"X"_s);  // at the caret
  EXPECT_EQ(pane.text(), u"line 1\nX two"_s);
}

}  // namespace
}  // namespace tavelin::testing
