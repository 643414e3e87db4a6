// View, Toolbar hides and shows the toolbar with the clock field on it; the four shortcut keys
// reach their commands from whichever control has the focus, toolbar shown or not.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "EditCommandsFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

using ViewToolbar = EditCommands;

TEST_F(ViewToolbar, TwiceHidesThenShowsTheToolbarAndClockFieldWithItsMark) {
  struct Step {
    bool shown;
  };
  QWidget* clock = widget("Text2");
  QWidget* run = widget("Command1");
  const QRect runGeometry = run->geometry();
  const QRect htmlGeometry = html()->geometry();
  ASSERT_TRUE(toolbar()->isVisible() && clock->isVisible());
  for (const Step step : {Step{false}, Step{true}}) {
    SCOPED_TRACE(step.shown ? "shown again" : "hidden");
    choose("mnuViewToolbar");
    EXPECT_EQ(menu("mnuViewToolbar")->isChecked(), step.shown);
    EXPECT_EQ(toolbar()->isVisible(), step.shown);
    EXPECT_EQ(clock->isVisible(), step.shown);
    EXPECT_TRUE(run->isVisible());
    EXPECT_EQ(run->geometry(), runGeometry) << "the command moves no other control";
    EXPECT_EQ(html()->geometry(), htmlGeometry);
  }
}

// The control that holds the focus when a shortcut key is pressed.
struct FocusCase {
  const char* name;
  const char* control;
  const char* paneLabel;  // clicked first so that its pane is the one seen; nullptr: none
  bool toolbarShown;
};

class ShortcutKeys : public EditCommands, public ::testing::WithParamInterface<FocusCase> {
 protected:
  void SetUp() override {
    EditCommands::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow()));
    if (!GetParam().toolbarShown) choose("mnuViewToolbar");
    if (GetParam().paneLabel) QTest::mouseClick(widget(GetParam().paneLabel), Qt::LeftButton);
    focused = widget(GetParam().control);
    focused->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return focused->hasFocus(); }))
        << "focus is on "
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                        : "nothing");
  }
  QWidget* focused = nullptr;
};

TEST_P(ShortcutKeys, RunNewOpenSaveAndSaveAs) {
  struct Key {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    void (*arrange)(EditCommands&);
    const char* dialogKind;  // the dialog the command shows; nullptr: none
    void (*check)(EditCommands&);
  };
  const Key keys[] = {
      {"Ctrl+N runs New", Qt::Key_N, Qt::ControlModifier,
       [](EditCommands& t) { t.putHtml(u"old page"_s); }, nullptr,
       [](EditCommands& t) {
         EXPECT_TRUE(t.htmlText().isEmpty());
         EXPECT_EQ(t.windowCaption(), u"Tavelin"_s);
       }},
      {"F1 runs Open", Qt::Key_F1, Qt::NoModifier,
       [](EditCommands& t) {
         EditCommands::writeFile(t.path(u"opened.html"_s), "<p>opened</p>");
         t.dialog.answerFile(t.path(u"opened.html"_s));
       },
       "open",
       [](EditCommands& t) {
         EXPECT_EQ(t.htmlText(), u"<p>opened</p>"_s);
         EXPECT_EQ(t.dialog.shown().back().title, u"打开"_s);
       }},
      // The pane has no file yet, so Save asks for one.
      {"F2 runs Save", Qt::Key_F2, Qt::NoModifier,
       [](EditCommands& t) {
         t.putHtml(u"saved by F2"_s);
         t.dialog.answerFile(t.path(u"f2.html"_s));
       },
       "save",
       [](EditCommands& t) {
         EXPECT_EQ(EditCommands::readFile(t.path(u"f2.html"_s)), u"saved by F2"_s);
         EXPECT_TRUE(t.htmlClean());
       }},
      // Save As asks although the pane now has a file.
      {"F3 runs Save As", Qt::Key_F3, Qt::NoModifier,
       [](EditCommands& t) {
         t.putHtml(u"saved by F3"_s);
         t.dialog.answerFile(t.path(u"f3.html"_s));
       },
       "save",
       [](EditCommands& t) {
         EXPECT_EQ(EditCommands::readFile(t.path(u"f3.html"_s)), u"saved by F3"_s);
         EXPECT_EQ(t.form->strHtmlFile, t.path(u"f3.html"_s));
         EXPECT_EQ(EditCommands::readFile(t.path(u"f2.html"_s)), u"saved by F2"_s);
       }},
  };
  for (const Key& key : keys) {
    SCOPED_TRACE(key.name);
    key.arrange(*this);
    const size_t shownBefore = dialog.shown().size();
    QTest::keyClick(QApplication::focusWidget(), key.key, key.modifiers);
    ASSERT_EQ(dialog.shown().size(), shownBefore + (key.dialogKind ? 1 : 0));
    if (key.dialogKind) {
      EXPECT_EQ(dialog.shown().back().kind, QString::fromUtf8(key.dialogKind));
    }
    key.check(*this);
    EXPECT_EQ(QApplication::focusWidget(), focused) << "the key moved the focus";
  }
  EXPECT_TRUE(dialog.allAnswersUsed());
  EXPECT_EQ(toolbar()->isVisible(), GetParam().toolbarShown);
}

// The clock field lies on the toolbar and cannot hold the focus while it is hidden; the Run
// button takes its place then.
const FocusCase kFocusCases[] = {
    {"HtmlPane", "RichTextBox1", nullptr, true},
    {"CssPane", "RichTextBox2", "Label4", true},
    {"ClockField", "Text2", nullptr, true},
    {"HtmlPaneToolbarHidden", "RichTextBox1", nullptr, false},
    {"JsPaneToolbarHidden", "RichTextBox3", "Label5", false},
    {"RunButtonToolbarHidden", "Command1", nullptr, false},
};

INSTANTIATE_TEST_SUITE_P(Focus, ShortcutKeys, ::testing::ValuesIn(kFocusCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelin::testing
