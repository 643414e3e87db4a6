// Cut, Copy and Paste: always on the HTML pane, whichever pane is shown, and the HTML pane's
// unsaved mark following the text changes they make.
#include <QTest>

#include "EditCommandsFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

// The label of the pane shown while the commands run.
class CommandsWithOtherPaneShown : public EditCommands,
                                   public ::testing::WithParamInterface<const char*> {};

TEST_P(CommandsWithOtherPaneShown, ActOnTheHtmlPaneAndOnlyCutAndPasteMarkItUnsaved) {
  givenSavedHtml(u"Hello world"_s);
  QTest::mouseClick(widget(GetParam()), Qt::LeftButton);
  auto* shown =
      widget<QTextEdit>(GetParam() == std::string_view("Label4") ? "RichTextBox2" : "RichTextBox3");
  ASSERT_GT(shown->height(), 0) << "the label click did not show its pane";
  ASSERT_EQ(html()->height(), 0);
  shown->setFocus();
  select(html(), 6, 11);

  choose("mnuEditCopy");
  EXPECT_EQ(clipboard.text(), u"world"_s);
  EXPECT_TRUE(htmlClean());

  choose("mnuTxtBold");
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(formatOf(html(), i).fontWeight() >= QFont::Bold, i >= 6);
  }
  choose("mnuTxtR");
  EXPECT_EQ(alignmentOf(html(), 0), Qt::AlignRight);
  choose("mnuTxtC");
  EXPECT_EQ(alignmentOf(html(), 0), Qt::AlignHCenter);
  choose("mnuTxtL");
  EXPECT_EQ(alignmentOf(html(), 0), Qt::AlignLeft);
  EXPECT_TRUE(htmlClean()) << "formatting never reaches a file, so it is no unsaved change";

  choose("mnuEditCut");
  EXPECT_EQ(clipboard.text(), u"world"_s);
  EXPECT_EQ(htmlText(), u"Hello "_s);
  EXPECT_TRUE(htmlUnsaved());

  choose("mnuFileSave");
  ASSERT_TRUE(htmlClean());
  clipboard.setText(u"there"_s);
  choose("mnuEditPaste");
  EXPECT_EQ(htmlText(), u"Hello there"_s);
  EXPECT_TRUE(htmlUnsaved());

  // The shown pane is neither touched nor marked, and stays the one shown.
  EXPECT_TRUE(shown->toPlainText().isEmpty());
  EXPECT_EQ(form->blnCssDirty, editor::vbFalse);
  EXPECT_EQ(form->blnJsDirty, editor::vbFalse);
  EXPECT_EQ(caption("Label4"), u"CSS代码编辑区"_s);
  EXPECT_EQ(caption("Label5"), u"JS代码编辑区"_s);
  EXPECT_GT(shown->height(), 0);
  EXPECT_EQ(html()->height(), 0);
}

INSTANTIATE_TEST_SUITE_P(CssOrJs, CommandsWithOtherPaneShown, ::testing::Values("Label4", "Label5"),
                         [](const auto& info) {
                           return std::string(info.param) == "Label4" ? "CssShown" : "JsShown";
                         });

using ClipboardCommands = EditCommands;

TEST_F(ClipboardCommands, CopyAndCutWithNothingSelectedPutAnEmptyText) {
  for (const char* command : {"mnuEditCopy", "mnuEditCut"}) {
    SCOPED_TRACE(command);
    givenSavedHtml(u"Hello world"_s);
    select(html(), 4, 4);
    clipboard.setText(u"older"_s);
    choose(command);
    EXPECT_EQ(clipboard.text(), QString());
    EXPECT_EQ(htmlText(), u"Hello world"_s);
    EXPECT_TRUE(htmlClean());
  }
}

TEST_F(ClipboardCommands, CutAndPasteReplaceTheSelectionAcrossLines) {
  givenSavedHtml(u"one\ntwo\nthree"_s);
  select(html(), 2, 9);  // "e\ntwo\nt"
  choose("mnuEditCut");
  EXPECT_EQ(clipboard.text(), u"e\ntwo\nt"_s) << "line ends are put as line ends";
  EXPECT_EQ(htmlText(), u"onhree"_s);
  select(html(), 0, 2);
  choose("mnuEditPaste");
  EXPECT_EQ(htmlText(), u"e\ntwo\nthree"_s);
  EXPECT_TRUE(htmlUnsaved());
}

TEST_F(ClipboardCommands, PasteInsertsAtTheCaretWithoutASelection) {
  struct Case {
    const char* name;
    QString clipboard, expected;
  };
  const Case cases[] = {
      {"a word", u","_s, u"Hello, world"_s},
      {"lines", u"\nnew line\n"_s, u"Hello\nnew line\n world"_s},
      // Text copied on Windows ends its lines with CR LF; each pair is one line end here.
      {"CR LF line ends", u"\r\none\r\n"_s, u"Hello\none\n world"_s},
      {"a tab", u"\t"_s, u"Hello\t world"_s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    givenSavedHtml(u"Hello world"_s);
    select(html(), 5, 5);
    clipboard.setText(c.clipboard);
    choose("mnuEditPaste");
    EXPECT_EQ(htmlText(), c.expected);
    EXPECT_TRUE(htmlUnsaved());
    EXPECT_EQ(clipboard.text(), c.clipboard) << "paste leaves the clipboard as it was";
  }
}

// A page's source may hold characters that look like others; what is pasted is what is saved.
TEST_F(ClipboardCommands, PastedTextIsSavedCharacterForCharacter) {
  givenSavedHtml(u"<p>price:"_s);
  select(html(), 9, 9);
  const QString pasted = u"10\u00A0€ \u3000全角 \u200B</p>"_s;
  clipboard.setText(pasted);
  choose("mnuEditPaste");
  choose("mnuFileSave");
  EXPECT_EQ(readFile(path(u"page.html"_s)), u"<p>price:"_s + pasted)
      << "a non-breaking space must not be saved as an ordinary one";
}

TEST_F(ClipboardCommands, PasteOfAnEmptyClipboardDeletesTheSelectionOnly) {
  struct Case {
    const char* name;
    int from, to;
    QString expected;
    bool changes;
  };
  const Case cases[] = {
      {"a selection is deleted", 0, 6, u"world"_s, true},
      {"without a selection nothing changes", 6, 6, u"Hello world"_s, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    givenSavedHtml(u"Hello world"_s);
    select(html(), c.from, c.to);
    clipboard.setText(QString());
    choose("mnuEditPaste");
    EXPECT_EQ(htmlText(), c.expected);
    if (c.changes) {
      EXPECT_TRUE(htmlUnsaved());
    } else {
      EXPECT_TRUE(htmlClean());
    }
  }
}

}  // namespace
}  // namespace tavelin::testing
