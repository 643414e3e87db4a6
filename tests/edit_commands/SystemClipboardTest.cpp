// Cut, Copy and Paste through the real system clipboard rather than the fixture's own: what the
// window puts there other programs can read, and what they put there the window pastes.
#include <QClipboard>
#include <QGuiApplication>

#include "EditCommandsFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

class SystemClipboard : public EditCommands {
 protected:
  void SetUp() override {
    EditCommands::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(QGuiApplication::clipboard(), nullptr);
    QGuiApplication::clipboard()->clear();
    // The same window, but talking to the clipboard everyone shares.
    form.reset();
    form = std::make_unique<editor::frmM>(
        platform::Services{dialog, systemClipboard, messageBox, programStarter, clock},
        layoutEngine);
    form->Show();
  }
  platform::QtClipboard systemClipboard;
};

TEST_F(SystemClipboard, CopyThenPasteRoundTrip) {
  givenSavedHtml(u"Hello wörld 你好\nsecond"_s);
  select(html(), 6, 17);  // "wörld 你好\nse"
  choose("mnuEditCopy");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), u"wörld 你好\nse"_s);
  select(html(), 21, 21);  // the end
  choose("mnuEditPaste");
  EXPECT_EQ(htmlText(), u"Hello wörld 你好\nsecondwörld 你好\nse"_s);
  EXPECT_TRUE(htmlUnsaved());
}

TEST_F(SystemClipboard, CutHandsTheTextToOthersAndPasteTakesTheirs) {
  givenSavedHtml(u"Hello world"_s);
  select(html(), 0, 6);
  choose("mnuEditCut");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), u"Hello "_s);
  EXPECT_EQ(htmlText(), u"world"_s);

  QGuiApplication::clipboard()->setText(u"Goodbye "_s);
  select(html(), 0, 0);
  choose("mnuEditPaste");
  EXPECT_EQ(htmlText(), u"Goodbye world"_s);
}

TEST_F(SystemClipboard, PasteOfAClipboardWithoutTextDeletesTheSelection) {
  givenSavedHtml(u"Hello world"_s);
  QGuiApplication::clipboard()->clear();
  select(html(), 5, 11);
  choose("mnuEditPaste");
  EXPECT_EQ(htmlText(), u"Hello"_s);
}

}  // namespace
}  // namespace tavelin::testing
