// Closing the window with unsaved text in any pane asks first; No keeps everything, Yes closes.
// A window with nothing unsaved closes without a word, by Exit and by the close box alike.
#include <QApplication>

#include "FileCommandsFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

enum class Unsaved { Nothing, Html, Css, Js, HtmlSaved };
enum class CloseBy { Exit, CloseBox };

struct UnloadCase {
  const char* name;
  Unsaved unsaved;
  CloseBy by;
  bool asked;
  platform::MessageBox::Answer answer;  // when asked
  bool closes;
};
void PrintTo(const UnloadCase& c, std::ostream* os) { *os << c.name; }

using Answer = platform::MessageBox::Answer;

const UnloadCase kUnloadCases[] = {
    {"clean_window_exits_without_a_question", Unsaved::Nothing, CloseBy::Exit, false, Answer::Yes,
     true},
    {"clean_window_closes_by_the_close_box_without_a_question", Unsaved::Nothing, CloseBy::CloseBox,
     false, Answer::Yes, true},
    {"saved_html_exits_without_a_question", Unsaved::HtmlSaved, CloseBy::Exit, false, Answer::Yes,
     true},
    {"unsaved_html_exit_no_keeps_the_window", Unsaved::Html, CloseBy::Exit, true, Answer::No,
     false},
    {"unsaved_html_exit_yes_closes", Unsaved::Html, CloseBy::Exit, true, Answer::Yes, true},
    {"unsaved_html_close_box_no_keeps_the_window", Unsaved::Html, CloseBy::CloseBox, true,
     Answer::No, false},
    {"unsaved_html_close_box_yes_closes", Unsaved::Html, CloseBy::CloseBox, true, Answer::Yes,
     true},
    {"unsaved_css_close_box_no_keeps_the_window", Unsaved::Css, CloseBy::CloseBox, true, Answer::No,
     false},
    {"unsaved_css_exit_yes_closes", Unsaved::Css, CloseBy::Exit, true, Answer::Yes, true},
    {"unsaved_js_exit_no_keeps_the_window", Unsaved::Js, CloseBy::Exit, true, Answer::No, false},
    {"unsaved_js_close_box_yes_closes", Unsaved::Js, CloseBy::CloseBox, true, Answer::Yes, true},
};

class UnloadQuestion : public FileCommands, public ::testing::WithParamInterface<UnloadCase> {
 protected:
  void SetUp() override {
    // The window under test is the only one; closing it must not end the test program.
    quitOnLastWindowClosed_ = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    FileCommands::SetUp();
  }
  void TearDown() override {
    FileCommands::TearDown();
    QApplication::setQuitOnLastWindowClosed(quitOnLastWindowClosed_);
  }

 private:
  bool quitOnLastWindowClosed_ = true;
};

TEST_P(UnloadQuestion, AskedForAnyUnsavedPaneAndNoKeepsEverything) {
  const UnloadCase& c = GetParam();
  switch (c.unsaved) {
    case Unsaved::Nothing:
      break;
    case Unsaved::Html:
      typeAtEnd(kHtml, u"<p>未保存</p>"_s);
      break;
    case Unsaved::Css:
      typeAtEnd(kCss, u"p{}"_s);
      break;
    case Unsaved::Js:
      typeAtEnd(kJs, u"var a;"_s);
      break;
    case Unsaved::HtmlSaved:
      typeAtEnd(kHtml, u"<p>已保存</p>"_s);
      dialog.answerFile(path(u"page.html"_s));
      chooseMenu("mnuFileSaveAs");
      break;
  }
  if (c.asked) messageBox.answer(c.answer);
  const EditorSnapshot before = snapshot();

  if (c.by == CloseBy::Exit)
    chooseMenu("mnuFileExit");
  else
    EXPECT_EQ(mainWindow().close(), c.closes);

  if (c.asked) {
    ASSERT_EQ(messageBox.questions.size(), 1u);
    EXPECT_EQ(messageBox.questions[0].text, u"当前记录尚未保存，确认要退出?"_s);
    EXPECT_EQ(messageBox.questions[0].title, u"提示"_s);
  } else {
    EXPECT_TRUE(messageBox.questions.empty());
  }
  EXPECT_EQ(mainWindow().isVisible(), !c.closes);
  EXPECT_EQ(snapshot(), before);
}

INSTANTIATE_TEST_SUITE_P(FileCommands, UnloadQuestion, ::testing::ValuesIn(kUnloadCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelin::testing
