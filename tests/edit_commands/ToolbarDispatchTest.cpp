// Every toolbar button reaches its command by its key, keys match only whole, the alignment
// buttons form a group, and a command that fails from the toolbar says so like from its menu.
#include <QFileInfo>
#include <QTest>

#include "EditCommandsFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

struct KeyCase {
  const char* name;
  const char* key;
  void (*arrange)(EditCommands&);  // runs on "Hello world", saved, with "Hello" selected
  void (*check)(EditCommands&);
};

void expectDialog(EditCommands& t, const char* kind) {
  ASSERT_FALSE(t.dialog.shown().empty());
  EXPECT_EQ(t.dialog.shown().back().kind, QString::fromUtf8(kind));
}

void expectSelection(EditCommands& t, bool (*attribute)(const QTextCharFormat&)) {
  for (int i = 0; i < 11; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(attribute(EditCommands::formatOf(t.html(), i)), i < 5);
  }
  EXPECT_TRUE(t.htmlClean());
}

void expectAligned(EditCommands& t, const QString& marks, Qt::Alignment alignment) {
  EXPECT_EQ(t.alignmentMarks(), marks);
  EXPECT_EQ(EditCommands::alignmentOf(t.html(), 0), alignment);
}

const KeyCase kKeyCases[] = {
    {"New", "新建", [](EditCommands&) {},
     [](EditCommands& t) {
       EXPECT_TRUE(t.htmlText().isEmpty());
       EXPECT_EQ(t.windowCaption(), u"Tavelin"_s);
     }},
    {"Open", "打开", [](EditCommands& t) { t.dialog.cancelFile(); },
     [](EditCommands& t) {
       expectDialog(t, "open");
       EXPECT_EQ(t.htmlText(), u"Hello world"_s);
     }},
    // The pane has its file from the save that made it clean, so Save writes without asking.
    {"Save", "保存", [](EditCommands& t) { t.putHtml(u"changed"_s); },
     [](EditCommands& t) {
       EXPECT_EQ(EditCommands::readFile(t.path(u"page.html"_s)), u"changed"_s);
       EXPECT_TRUE(t.htmlClean());
     }},
    {"Print", "打印", [](EditCommands& t) { t.dialog.cancelPrinter(); },
     [](EditCommands& t) { expectDialog(t, "printer"); }},
    {"Cut", "剪切", [](EditCommands&) {},
     [](EditCommands& t) {
       EXPECT_EQ(t.clipboard.text(), u"Hello"_s);
       EXPECT_EQ(t.htmlText(), u" world"_s);
       EXPECT_TRUE(t.htmlUnsaved());
     }},
    {"Copy", "复制", [](EditCommands&) {},
     [](EditCommands& t) {
       EXPECT_EQ(t.clipboard.text(), u"Hello"_s);
       EXPECT_EQ(t.htmlText(), u"Hello world"_s);
       EXPECT_TRUE(t.htmlClean());
     }},
    {"Paste", "粘贴", [](EditCommands& t) { t.clipboard.setText(u"Goodbye"_s); },
     [](EditCommands& t) {
       EXPECT_EQ(t.htmlText(), u"Goodbye world"_s);
       EXPECT_TRUE(t.htmlUnsaved());
     }},
    {"Font", "字体",
     [](EditCommands& t) {
       t.dialog.answerFont({u"DejaVu Serif"_s, 18.0f, false, false, false, true});
     },
     [](EditCommands& t) {
       expectDialog(t, "font");
       EXPECT_EQ(t.dialog.shown().back().flags, 3);
       expectSelection(t, [](const QTextCharFormat& f) { return f.fontStrikeOut(); });
       EXPECT_EQ(EditCommands::formatOf(t.html(), 0).fontPointSize(), 18.0);
     }},
    {"Colour", "字体颜色", [](EditCommands& t) { t.dialog.answerColor(0x00FF0000u); },
     [](EditCommands& t) {
       expectDialog(t, "color");
       expectSelection(
           t, [](const QTextCharFormat& f) { return f.foreground().color() == QColor(0, 0, 255); });
     }},
    {"Bold", "粗体", [](EditCommands&) {},
     [](EditCommands& t) {
       expectSelection(t, [](const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; });
     }},
    {"Italic", "斜体", [](EditCommands&) {},
     [](EditCommands& t) {
       expectSelection(t, [](const QTextCharFormat& f) { return f.fontItalic(); });
     }},
    {"Underline", "下划线", [](EditCommands&) {},
     [](EditCommands& t) {
       expectSelection(t, [](const QTextCharFormat& f) { return f.fontUnderline(); });
     }},
    // Left is checked against a centred paragraph, or nothing would show it ran.
    {"Left", "左对齐", [](EditCommands& t) { t.choose("mnuTxtC"); },
     [](EditCommands& t) { expectAligned(t, u"L"_s, Qt::AlignLeft); }},
    {"Centre", "置中", [](EditCommands&) {},
     [](EditCommands& t) { expectAligned(t, u"C"_s, Qt::AlignHCenter); }},
    {"Right", "右对齐", [](EditCommands&) {},
     [](EditCommands& t) { expectAligned(t, u"R"_s, Qt::AlignRight); }},
};

class ToolbarKeys : public EditCommands, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ToolbarKeys, ButtonRunsItsCommand) {
  givenSavedHtml(u"Hello world"_s);
  select(html(), 0, 5);
  GetParam().arrange(*this);
  const size_t shownBefore = dialog.shown().size();
  const bool expectsDialog = !dialog.allAnswersUsed();
  press(GetParam().key);
  EXPECT_EQ(dialog.shown().size(), shownBefore + (expectsDialog ? 1 : 0));
  GetParam().check(*this);
  EXPECT_TRUE(dialog.allAnswersUsed());
}

INSTANTIATE_TEST_SUITE_P(EveryKey, ToolbarKeys, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

using ToolbarDispatch = EditCommands;

TEST_F(ToolbarDispatch, KeysMatchOnlyAsWholeStrings) {
  givenSavedHtml(u"Hello world"_s);
  select(html(), 0, 5);
  clipboard.setText(u"clip"_s);
  const QString before = html()->toHtml();
  const size_t shownBefore = dialog.shown().size();
  const QString captionBefore = windowCaption();
  const char* keys[] = {"",           "粗",       "粗体 ", " 粗体", "字体颜",
                        "字体颜色色", "新建新建", "Bold",  "-"};
  for (const char* key : keys) {
    SCOPED_TRACE(key);
    form->tbToolBar_ButtonClick(QString::fromUtf8(key));
    EXPECT_EQ(html()->toHtml(), before);
    EXPECT_EQ(html()->textCursor().selectedText(), u"Hello"_s);
    EXPECT_EQ(dialog.shown().size(), shownBefore);
    EXPECT_EQ(alignmentMarks(), QString());
    EXPECT_EQ(clipboard.text(), u"clip"_s);
    EXPECT_EQ(windowCaption(), captionBefore);
    EXPECT_TRUE(htmlClean());
  }
}

TEST_F(ToolbarDispatch, ClickOnAGroupedButtonPressesItReleasesTheOthersAndRunsTheCommand) {
  givenSavedHtml(u"one\ntwo"_s);
  const char* group[] = {"左对齐", "置中", "右对齐"};
  struct Click {
    int paragraph;  // where the caret is when the button is clicked
    const char* key;
    const char* marks;
    Qt::Alignment alignment;
  };
  const Click clicks[] = {
      {0, "置中", "C", Qt::AlignHCenter},
      {1, "右对齐", "R", Qt::AlignRight},
      // A pressed button clicked again stays pressed, and its click still runs the command.
      {0, "右对齐", "R", Qt::AlignRight},
      {0, "左对齐", "L", Qt::AlignLeft},
  };
  for (const Click& click : clicks) {
    SCOPED_TRACE(std::string(click.key) + " in paragraph " + std::to_string(click.paragraph));
    select(html(), click.paragraph * 4 + 1, click.paragraph * 4 + 1);
    QTest::mouseClick(buttonWidget(click.key), Qt::LeftButton);
    for (const char* key : group) {
      SCOPED_TRACE(key);
      const bool pressed = std::string_view(key) == click.key;
      EXPECT_EQ(button(key)->isChecked(), pressed);
      EXPECT_EQ(buttonWidget(key)->isChecked(), pressed);
    }
    EXPECT_EQ(alignmentMarks(), QString::fromUtf8(click.marks));
    EXPECT_EQ(alignmentOf(html(), click.paragraph), click.alignment);
  }
}

TEST_F(ToolbarDispatch, NormalButtonsSpringBack) {
  givenSavedHtml(u"Hello"_s);
  select(html(), 0, 5);
  for (const char* key : {"粗体", "复制"}) {
    SCOPED_TRACE(key);
    QTest::mouseClick(buttonWidget(key), Qt::LeftButton);
    EXPECT_FALSE(buttonWidget(key)->isChecked());
    EXPECT_FALSE(buttonWidget(key)->isDown());
  }
  EXPECT_EQ(clipboard.text(), u"Hello"_s);
  EXPECT_TRUE(formatOf(html(), 0).fontWeight() >= QFont::Bold);
}

// A save that did not happen must never look done, whether it was asked for by the toolbar
// button or by the menu item.
TEST_F(ToolbarDispatch, FailingSaveIsReportedFromTheToolbarLikeFromTheMenu) {
  writeFile(path(u"plain"_s), "not a folder");
  const QString unwritable = path(u"plain/page.html"_s);
  struct Source {
    const char* name;
    void (*run)(EditCommands&);
  };
  const Source sources[] = {
      {"toolbar 保存", [](EditCommands& t) { t.press("保存"); }},
      {"menu mnuFileSave", [](EditCommands& t) { t.choose("mnuFileSave"); }},
  };
  putHtml(u"unsaved text"_s);
  for (const Source& source : sources) {
    SCOPED_TRACE(source.name);
    messageBox.failures.clear();
    dialog.answerFile(unwritable);
    source.run(*this);
    ASSERT_EQ(messageBox.failures.size(), 1u);
    EXPECT_TRUE(messageBox.failures.front().text.contains(unwritable))
        << messageBox.failures.front().text.toStdString();
    EXPECT_TRUE(htmlUnsaved());
    EXPECT_EQ(form->blnHtmlHasFile, editor::vbFalse);
    EXPECT_TRUE(form->strHtmlFile.isEmpty());
    EXPECT_EQ(windowCaption(), u"Tavelin 2.0"_s);
    EXPECT_FALSE(QFileInfo::exists(unwritable));
  }
  messageBox.failures.clear();
}

}  // namespace
}  // namespace tavelin::testing
