// Bold, Italic, Underline, Font and Colour on the HTML pane's selection.
#include "EditCommandsFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

using CharacterFormat = EditCommands;

struct Attribute {
  const char* command;
  bool (*read)(const QTextCharFormat&);
  void (*write)(QTextCharFormat&, bool);
};

const Attribute kAttributes[] = {
    {"mnuTxtBold", [](const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; },
     [](QTextCharFormat& f, bool on) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); }},
    {"mnuTxtItalic", [](const QTextCharFormat& f) { return f.fontItalic(); },
     [](QTextCharFormat& f, bool on) { f.setFontItalic(on); }},
    {"mnuTxtUnderline", [](const QTextCharFormat& f) { return f.fontUnderline(); },
     [](QTextCharFormat& f, bool on) { f.setFontUnderline(on); }},
};

// How much of the selection carries the attribute before the first toggle.
enum class Before { None, Part, All };

TEST_F(CharacterFormat, TogglesFormatAMixedSelectionWholeAndRestoreAUniformOne) {
  struct Case {
    const char* name;
    Before before;
    bool afterFirst, afterSecond;
  };
  const Case cases[] = {
      {"plain selection: on, then back to plain", Before::None, true, false},
      {"formatted selection: off, then back on", Before::All, false, true},
      {"partly formatted selection: all on, then all off", Before::Part, true, false},
  };
  // Characters 2 to 5 of "abcdefgh" are selected; with Before::Part only 2 and 3 carry it.
  constexpr int kFrom = 2, kTo = 6;
  for (const Attribute& attribute : kAttributes) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(attribute.command) + ": " + c.name);
      putHtml(u"abcdefgh"_s);
      if (c.before != Before::None) {
        QTextCursor cursor(html()->document());
        cursor.setPosition(kFrom);
        cursor.setPosition(c.before == Before::All ? kTo : kFrom + 2, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        attribute.write(format, true);
        cursor.mergeCharFormat(format);
      }
      saveHtml();
      select(html(), kFrom, kTo);
      for (bool expected : {c.afterFirst, c.afterSecond}) {
        choose(attribute.command);
        for (int i = 0; i < 8; ++i) {
          SCOPED_TRACE(i);
          const bool selected = i >= kFrom && i < kTo;
          EXPECT_EQ(attribute.read(formatOf(html(), i)), selected && expected);
        }
        EXPECT_TRUE(htmlClean()) << "formatting is no unsaved change";
      }
    }
  }
}

TEST_F(CharacterFormat, ToggleWithoutSelectionFormatsWhatIsTypedNext) {
  givenSavedHtml(u"ab"_s);
  select(html(), 1, 1);
  choose("mnuTxtItalic");
  html()->setFocus();
  type(html(), u"X"_s);
  EXPECT_EQ(htmlText(), u"aXb"_s);
  EXPECT_TRUE(formatOf(html(), 1).fontItalic());
  EXPECT_FALSE(formatOf(html(), 0).fontItalic());
  EXPECT_FALSE(formatOf(html(), 2).fontItalic());
}

TEST_F(CharacterFormat, FontAppliesAllSixValuesOfTheDialogToTheSelection) {
  struct Case {
    const char* name;
    ScriptedDialog::FontChoice font;
    bool formattedBefore;  // the selection carries bold, italic, underline, strike-through
  };
  const Case cases[] = {
      {"every attribute on a plain selection",
       {u"DejaVu Serif"_s, 20.0f, true, true, true, true},
       false},
      {"every attribute off a formatted selection",
       {u"DejaVu Sans Mono"_s, 9.5f, false, false, false, false},
       true},
      {"a mix", {u"Noto Sans"_s, 14.0f, true, false, true, false}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    putHtml(u"Hello world"_s);
    select(html(), 6, 11);
    if (c.formattedBefore) {
      QTextCharFormat format;
      format.setFontWeight(QFont::Bold);
      format.setFontItalic(true);
      format.setFontUnderline(true);
      format.setFontStrikeOut(true);
      html()->textCursor().mergeCharFormat(format);
    }
    saveHtml();
    const size_t shownBefore = dialog.shown().size();
    dialog.answerFont(c.font);
    choose("mnuTxtFont");
    ASSERT_EQ(dialog.shown().size(), shownBefore + 1);
    EXPECT_EQ(dialog.shown().back().kind, u"font"_s);
    EXPECT_EQ(dialog.shown().back().flags, 3);
    for (int i = 6; i < 11; ++i) {
      SCOPED_TRACE(i);
      const QFont font = formatOf(html(), i).font();
      EXPECT_EQ(font.families().value(0), c.font.name);
      EXPECT_EQ(font.pointSizeF(), qreal(c.font.size));
      EXPECT_EQ(font.bold(), c.font.bold);
      EXPECT_EQ(font.italic(), c.font.italic);
      EXPECT_EQ(font.underline(), c.font.underline);
      EXPECT_EQ(font.strikeOut(), c.font.strikethru);
    }
    for (int i = 0; i < 6; ++i) {
      SCOPED_TRACE(i);
      const QFont font = formatOf(html(), i).font();
      EXPECT_EQ(font.families().value(0), u"微软雅黑"_s);
      EXPECT_EQ(font.pointSizeF(), 12.0);
      EXPECT_FALSE(font.bold() || font.italic() || font.underline() || font.strikeOut());
    }
    EXPECT_TRUE(htmlClean());
  }
}

TEST_F(CharacterFormat, FontDialogGetsFlagsThreeEvenAfterPrintSetOthers) {
  givenSavedHtml(u"Hello"_s);
  dialog.cancelPrinter();
  choose("mnuFilePrint");
  ASSERT_NE(dialog.shown().back().flags, 3);
  dialog.cancelFont();
  choose("mnuTxtFont");
  EXPECT_EQ(dialog.shown().back().kind, u"font"_s);
  EXPECT_EQ(dialog.shown().back().flags, 3);
}

TEST_F(CharacterFormat, ColourAppliesTheDialogsColourToTheSelection) {
  struct Case {
    std::uint32_t bgr;
    QColor expected;
  };
  const Case cases[] = {
      {0x000000FFu, QColor(255, 0, 0)},     {0x0000FF00u, QColor(0, 255, 0)},
      {0x00FF0000u, QColor(0, 0, 255)},     {0x00336699u, QColor(0x99, 0x66, 0x33)},
      {0x00FFFFFFu, QColor(255, 255, 255)}, {0x00000000u, QColor(0, 0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bgr);
    givenSavedHtml(u"Hello world"_s);
    select(html(), 0, 5);
    dialog.answerColor(c.bgr);
    choose("mnuTxtColor");
    EXPECT_EQ(dialog.shown().back().kind, u"color"_s);
    for (int i = 0; i < 11; ++i) {
      SCOPED_TRACE(i);
      const QTextCharFormat format = formatOf(html(), i);
      if (i < 5) {
        EXPECT_EQ(format.foreground().color(), c.expected);
      } else {
        EXPECT_FALSE(format.hasProperty(QTextFormat::ForegroundBrush)) << "outside the selection";
      }
    }
    EXPECT_TRUE(htmlClean());
  }
}

// A cancelled dialog still holds the values of the last confirmed one; applying them anyway
// would format text the user never chose to format.
TEST_F(CharacterFormat, CancelledFontOrColourDialogChangesNothing) {
  struct Case {
    const char* command;
    void (*confirm)(ScriptedDialog&);
    void (*cancel)(ScriptedDialog&);
  };
  const Case cases[] = {
      {"mnuTxtFont",
       [](ScriptedDialog& d) {
         d.answerFont({u"DejaVu Serif"_s, 30.0f, true, true, true, true});
       },
       [](ScriptedDialog& d) { d.cancelFont(); }},
      {"mnuTxtColor", [](ScriptedDialog& d) { d.answerColor(0x000000FFu); },
       [](ScriptedDialog& d) { d.cancelColor(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    givenSavedHtml(u"Hello world"_s);
    select(html(), 0, 5);
    c.confirm(dialog);
    choose(c.command);
    select(html(), 6, 11);
    const QString before = html()->toHtml();
    c.cancel(dialog);
    choose(c.command);
    EXPECT_EQ(dialog.shown().back().kind,
              c.command == std::string_view("mnuTxtFont") ? u"font"_s : u"color"_s);
    EXPECT_EQ(html()->toHtml(), before);
    EXPECT_TRUE(htmlClean());
  }
  EXPECT_TRUE(dialog.allAnswersUsed());
}

}  // namespace
}  // namespace tavelin::testing
