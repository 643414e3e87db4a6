// New, Open, Save, Save As and the label double-clicks, as sequences of what a user does, each with
// the panes' flags and captions, the window caption, the dialogs shown and the files on disk after.
#include <initializer_list>
#include <vector>

#include "FileCommandsFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

struct Step {
  enum Kind { Type, PutFile, Menu, Toolbar, Click, DblClick } kind;
  const char* what;  // text typed, file name, menu item, toolbar key; unused for label clicks
  int pane = kHtml;  // the pane typed into or whose label is clicked
  // Type: unused. PutFile: the bytes. Others: the file dialog's answer: nullptr when no dialog
  // may be shown, "" when the user closes it without a choice, else a file name in the folder.
  const char* answer = nullptr;
};

Step typeInto(int pane, const char* text) { return {Step::Type, text, pane}; }
Step putFile(const char* name, const char* bytes) { return {Step::PutFile, name, kHtml, bytes}; }
Step menu(const char* item, const char* answer = nullptr) {
  return {Step::Menu, item, kHtml, answer};
}
Step toolbar(const char* key, const char* answer = nullptr) {
  return {Step::Toolbar, key, kHtml, answer};
}
Step click(int pane) { return {Step::Click, nullptr, pane}; }
Step doubleClick(int pane, const char* answer = nullptr) {
  return {Step::DblClick, nullptr, pane, answer};
}

struct PaneAfter {
  const char* text;
  bool dirty;
  const char* file;  // the pane's own file, nullptr while it has none
};
struct FileAfter {
  const char* name;
  const char* bytes;
};

struct Sequence {
  const char* name;
  std::vector<FileAfter> filesBefore;
  std::vector<Step> steps;
  PaneAfter html, css, js;
  const char* windowCaption;          // "<dir>/" stands for the test's folder
  int shown;                          // the pane whose label is highlighted
  std::vector<const char*> dialogs;   // "open", "save html", "save css", "save js", in order
  std::vector<FileAfter> filesAfter;  // every file in the folder
};

void PrintTo(const Sequence& s, std::ostream* os) { *os << s.name; }

constexpr PaneAfter kUntouched{"", false, nullptr};

// clang-format off
const Sequence kSequences[] = {
    {"new_with_unsaved_text_asks_nothing_empties_and_marks_the_html_pane",
     {},
     {typeInto(kHtml, "<p>草稿</p>"), typeInto(kCss, "p{}"), menu("mnuFileNew")},
     {"", true, nullptr}, {"p{}", true, nullptr}, kUntouched,
     "Tavelin", kHtml, {}, {}},
    {"new_keeps_the_file_of_the_last_save_as_for_the_next_save",
     {},
     {typeInto(kHtml, "<p>一</p>"), menu("mnuFileSaveAs", "a.html"), menu("mnuFileNew"),
      typeInto(kHtml, "<p>二</p>"), menu("mnuFileSave")},
     {"<p>二</p>", false, "a.html"}, kUntouched, kUntouched,
     "Tavelin", kHtml, {"save html"}, {{"a.html", "<p>二</p>"}}},
    {"open_loads_the_file_marks_the_pane_unsaved_and_shows_the_path",
     {{"opened.html", "<p>原文</p>"}},
     {typeInto(kHtml, "<p>丢掉</p>"), menu("mnuFileOpen", "opened.html")},
     {"<p>原文</p>", true, nullptr}, kUntouched, kUntouched,
     "<dir>/opened.html", kHtml, {"open"}, {{"opened.html", "<p>原文</p>"}}},
    {"cancelled_open_changes_nothing",
     {},
     {typeInto(kHtml, "<p>留下</p>"), menu("mnuFileOpen", "")},
     {"<p>留下</p>", true, nullptr}, kUntouched, kUntouched,
     "Tavelin 2.0", kHtml, {"open"}, {}},
    {"open_then_save_without_a_file_runs_save_as_and_leaves_the_opened_file",
     {{"opened.html", "<p>原文</p>"}},
     {menu("mnuFileOpen", "opened.html"), typeInto(kHtml, "<p>加</p>"),
      menu("mnuFileSave", "a.html")},
     {"<p>原文</p><p>加</p>", false, "a.html"}, kUntouched, kUntouched,
     "<dir>/a.html", kHtml, {"open", "save html"},
     {{"a.html", "<p>原文</p><p>加</p>"}, {"opened.html", "<p>原文</p>"}}},
    {"open_then_save_after_an_earlier_save_as_writes_the_save_as_file",
     {{"opened.html", "<p>原文</p>"}},
     {typeInto(kHtml, "<p>旧</p>"), menu("mnuFileSaveAs", "a.html"),
      menu("mnuFileOpen", "opened.html"), menu("mnuFileSave")},
     {"<p>原文</p>", false, "a.html"}, kUntouched, kUntouched,
     "<dir>/opened.html", kHtml, {"save html", "open"},
     {{"a.html", "<p>原文</p>"}, {"opened.html", "<p>原文</p>"}}},
    {"cancelled_save_as_keeps_the_pane_unsaved",
     {},
     {typeInto(kHtml, "<p>未存</p>"), menu("mnuFileSaveAs", "")},
     {"<p>未存</p>", true, nullptr}, kUntouched, kUntouched,
     "Tavelin 2.0", kHtml, {"save html"}, {}},
    {"save_whose_save_as_is_cancelled_keeps_the_pane_unsaved",
     {},
     {typeInto(kHtml, "<p>未存</p>"), menu("mnuFileSave", "")},
     {"<p>未存</p>", true, nullptr}, kUntouched, kUntouched,
     "Tavelin 2.0", kHtml, {"save html"}, {}},
    {"save_of_a_clean_pane_with_a_file_writes_it_again",
     {},
     {typeInto(kHtml, "<p>内容</p>"), menu("mnuFileSaveAs", "a.html"),
      putFile("a.html", "changed by another program"), menu("mnuFileSave")},
     {"<p>内容</p>", false, "a.html"}, kUntouched, kUntouched,
     "<dir>/a.html", kHtml, {"save html"}, {{"a.html", "<p>内容</p>"}}},
    {"save_of_a_clean_pane_without_a_file_runs_save_as",
     {},
     {menu("mnuFileSave", "a.html")},
     {"", false, "a.html"}, kUntouched, kUntouched,
     "<dir>/a.html", kHtml, {"save html"}, {{"a.html", ""}}},
    {"save_as_onto_an_existing_file_replaces_it_without_a_question",
     {{"a.html", "很长很长的旧内容，比新内容长得多"}},
     {typeInto(kHtml, "<p>新</p>"), menu("mnuFileSaveAs", "a.html")},
     {"<p>新</p>", false, "a.html"}, kUntouched, kUntouched,
     "<dir>/a.html", kHtml, {"save html"}, {{"a.html", "<p>新</p>"}}},
    {"save_as_keeps_the_name_as_typed_without_adding_an_extension",
     {},
     {typeInto(kHtml, "x"), menu("mnuFileSaveAs", "page")},
     {"x", false, "page"}, kUntouched, kUntouched,
     "<dir>/page", kHtml, {"save html"}, {{"page", "x"}}},
    {"html_save_as_leaves_the_css_and_js_panes_alone",
     {},
     {typeInto(kHtml, "<p>页</p>"), typeInto(kCss, "p{}"), typeInto(kJs, "var a;"),
      menu("mnuFileSaveAs", "a.html")},
     {"<p>页</p>", false, "a.html"}, {"p{}", true, nullptr}, {"var a;", true, nullptr},
     "<dir>/a.html", kHtml, {"save html"}, {{"a.html", "<p>页</p>"}}},
    {"double_click_on_label4_shows_the_css_pane_then_saves_it",
     {},
     {typeInto(kHtml, "<p>页</p>"), typeInto(kCss, "body{}"), doubleClick(kCss, "style.css")},
     {"<p>页</p>", true, nullptr}, {"body{}", false, "style.css"}, kUntouched,
     "<dir>/style.css", kCss, {"save css"}, {{"style.css", "body{}"}}},
    {"a_css_pane_with_a_file_saves_on_double_click_without_asking",
     {},
     {typeInto(kCss, "a{}"), doubleClick(kCss, "style.css"), typeInto(kCss, "b{}"),
      doubleClick(kCss)},
     kUntouched, {"a{}b{}", false, "style.css"}, kUntouched,
     "<dir>/style.css", kCss, {"save css"}, {{"style.css", "a{}b{}"}}},
    {"save_as_of_the_js_pane_sets_the_window_caption_to_its_path",
     {},
     {typeInto(kJs, "var 变量 = 1;"), doubleClick(kJs, "code.js")},
     kUntouched, kUntouched, {"var 变量 = 1;", false, "code.js"},
     "<dir>/code.js", kJs, {"save js"}, {{"code.js", "var 变量 = 1;"}}},
    {"cancelled_js_save_as_keeps_the_js_pane_unsaved",
     {},
     {typeInto(kJs, "let b;"), doubleClick(kJs, "")},
     kUntouched, kUntouched, {"let b;", true, nullptr},
     "Tavelin 2.0", kJs, {"save js"}, {}},
    {"double_click_on_label1_shows_and_saves_the_html_pane",
     {},
     {typeInto(kHtml, "<p>页</p>"), click(kCss), doubleClick(kHtml, "a.html")},
     {"<p>页</p>", false, "a.html"}, kUntouched, kUntouched,
     "<dir>/a.html", kHtml, {"save html"}, {{"a.html", "<p>页</p>"}}},
    {"toolbar_open_and_save_run_the_same_commands_as_the_menu",
     {{"opened.html", "<p>原文</p>"}},
     {toolbar("打开", "opened.html"), toolbar("保存", "a.html")},
     {"<p>原文</p>", false, "a.html"}, kUntouched, kUntouched,
     "<dir>/a.html", kHtml, {"open", "save html"},
     {{"a.html", "<p>原文</p>"}, {"opened.html", "<p>原文</p>"}}},
    {"toolbar_new_empties_the_html_pane",
     {},
     {typeInto(kHtml, "<p>草稿</p>"), toolbar("新建")},
     {"", true, nullptr}, kUntouched, kUntouched,
     "Tavelin", kHtml, {}, {}},
};
// clang-format on

// What each kind of dialog must be shown with: its title and exactly its filter, and no flags.
struct DialogSettings {
  const char* kind;
  const char* title;
  const char* filter;
};
DialogSettings settingsOf(const QString& shown) {
  if (shown == u"open")
    return {"open", "打开",
            "html超文本文件|*.html|Text文本文件|*.txt|Word文本文件|*.doc|RTF文本文件|*.rtf|"
            "C语言文件|*.C|HTML源文件|*.html|CSS源文件|*.css|JS源文件|*.js|INF文件|*.inf|"
            "INI文本文件|*.ini|ASM文本文件|*.asm|log文件|*.log|BAT源文件|*.bat|所有文件|*.*"};
  if (shown == u"save html") return {"save", "另存为", "html超文本文件(*.html)|*.html"};
  if (shown == u"save css") return {"save", "另存为", "CSS文件(*.css)|*.css"};
  if (shown == u"save js") return {"save", "另存为", "js文件(*.js)|*.js"};
  ADD_FAILURE() << "unknown dialog " << shown.toStdString();
  return {"", "", ""};
}

class PaneStateMachine : public FileCommands, public ::testing::WithParamInterface<Sequence> {
 protected:
  void run(const Step& step) {
    if (step.kind != Step::Type && step.kind != Step::PutFile && step.answer) {
      if (*step.answer)
        dialog.answerFile(path(QString::fromUtf8(step.answer)));
      else
        dialog.cancelFile();
    }
    switch (step.kind) {
      case Step::Type:
        typeAtEnd(step.pane, QString::fromUtf8(step.what));
        break;
      case Step::PutFile:
        writeFile(path(QString::fromUtf8(step.what)), step.answer);
        break;
      case Step::Menu:
        chooseMenu(step.what);
        break;
      case Step::Toolbar:
        pressToolbar(step.what);
        break;
      case Step::Click:
        QTest::mouseClick(widget(kPanes[step.pane].label), Qt::LeftButton);
        break;
      case Step::DblClick:
        doubleClickLabel(step.pane);
        break;
    }
  }
  QString inFolder(const char* text) {
    return QString::fromUtf8(text).replace(u"<dir>"_s, dir.path());
  }
};

TEST_P(PaneStateMachine, FlagsCaptionsDialogsAndFilesFollowTheUser) {
  const Sequence& s = GetParam();
  for (const FileAfter& f : s.filesBefore) writeFile(path(QString::fromUtf8(f.name)), f.bytes);
  for (const Step& step : s.steps) run(step);

  const PaneAfter* expected[] = {&s.html, &s.css, &s.js};
  const QString* files[] = {&form->strHtmlFile, &form->strCssFile, &form->strJsFile};
  const editor::Boolean* hasFile[] = {&form->blnHtmlHasFile, &form->blnCssHasFile,
                                      &form->blnJsHasFile};
  const editor::Boolean* dirty[] = {&form->blnHtmlDirty, &form->blnCssDirty, &form->blnJsDirty};
  for (int i : {kHtml, kCss, kJs}) {
    SCOPED_TRACE(kPanes[i].box);
    const PaneAfter& want = *expected[i];
    EXPECT_EQ(pane(i)->toPlainText(), QString::fromUtf8(want.text));
    EXPECT_EQ(*dirty[i], want.dirty ? editor::vbTrue : editor::vbFalse);
    EXPECT_EQ(caption(i),
              QString::fromUtf8(kPanes[i].clean) + (want.dirty ? u"(未保存)"_s : u""_s));
    EXPECT_EQ(*hasFile[i], want.file ? editor::vbTrue : editor::vbFalse);
    EXPECT_EQ(*files[i], want.file ? path(QString::fromUtf8(want.file)) : QString());
    const bool shown = i == s.shown;
    EXPECT_EQ(form->window().label(kPanes[i].label).backColor(), shown ? 0x80000003u : 0x8000000Fu);
    if (s.shown != kHtml) {
      EXPECT_EQ(pane(i)->height(), shown ? 625 : 0);
    }
  }
  EXPECT_EQ(windowCaption(), inFolder(s.windowCaption));

  ASSERT_EQ(dialog.shown().size(), s.dialogs.size());
  for (size_t i = 0; i < s.dialogs.size(); ++i) {
    SCOPED_TRACE(s.dialogs[i]);
    const DialogSettings want = settingsOf(QString::fromUtf8(s.dialogs[i]));
    const ScriptedDialog::Shown& got = dialog.shown()[i];
    EXPECT_EQ(got.kind, QString::fromUtf8(want.kind));
    EXPECT_EQ(got.title, QString::fromUtf8(want.title));
    EXPECT_EQ(got.filter, QString::fromUtf8(want.filter));
    EXPECT_EQ(got.flags, 0);
  }
  EXPECT_TRUE(dialog.allAnswersUsed());

  std::map<QString, QByteArray> wantFiles;
  for (const FileAfter& f : s.filesAfter) wantFiles[QString::fromUtf8(f.name)] = f.bytes;
  EXPECT_EQ(filesOnDisk(), wantFiles);
  // No file command asks the user anything of its own.
  EXPECT_TRUE(messageBox.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(FileCommands, PaneStateMachine, ::testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Undo ----

// New and Open replace the whole text as one edit, so one undo brings back what was there.
struct UndoCase {
  const char* name;
  void (*replace)(FileCommands&);
};
void PrintTo(const UndoCase& c, std::ostream* os) { *os << c.name; }

class ReplacingIsUndoable : public FileCommands, public ::testing::WithParamInterface<UndoCase> {};

const UndoCase kUndoCases[] = {
    {"new", [](FileCommands& t) { t.chooseMenu("mnuFileNew"); }},
    {"open",
     [](FileCommands& t) {
       t.writeFile(t.path(u"opened.html"_s), "<p>打开的</p>\n<p>两行</p>");
       t.dialog.answerFile(t.path(u"opened.html"_s));
       t.chooseMenu("mnuFileOpen");
     }},
};

TEST_P(ReplacingIsUndoable, OneUndoBringsBackThePreviousText) {
  putHtml(u"<p>第一段</p>\n<p>第二段</p>"_s);
  typeAtEnd(kHtml, u"<p>打的字</p>"_s);
  const QString before = pane(kHtml)->toPlainText();

  GetParam().replace(*this);
  ASSERT_NE(pane(kHtml)->toPlainText(), before);

  QTest::keyClick(pane(kHtml), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(pane(kHtml)->toPlainText(), before);
}

INSTANTIATE_TEST_SUITE_P(FileCommands, ReplacingIsUndoable, ::testing::ValuesIn(kUndoCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelin::testing
