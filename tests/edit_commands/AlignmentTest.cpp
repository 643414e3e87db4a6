// The three alignment commands: the check mark records the last one chosen, the selected
// paragraphs take its alignment, and the toolbar's pressed button is the toolbar's own business.
#include <QTest>

#include "EditCommandsFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

struct MarkCase {
  const char* name;
  std::vector<const char*> steps;  // menu items ("mnuTxtL") or toolbar keys ("左对齐")
  const char* marks;               // "L", "C" or "R"
  Qt::Alignment alignment;
};

class AlignmentMarks : public EditCommands, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(AlignmentMarks, MarkTheLastAlignmentChosenAndAlignTheParagraph) {
  ASSERT_EQ(alignmentMarks(), QString()) << "no mark at start";
  givenSavedHtml(u"Hello"_s);
  select(html(), 1, 3);
  for (const char* step : GetParam().steps) {
    if (std::string_view(step).starts_with("mnu"))
      choose(step);
    else
      press(step);
  }
  EXPECT_EQ(alignmentMarks(), QString::fromUtf8(GetParam().marks));
  EXPECT_EQ(alignmentOf(html(), 0), GetParam().alignment);
  EXPECT_TRUE(htmlClean());
}

const MarkCase kMarkCases[] = {
    {"Left", {"mnuTxtL"}, "L", Qt::AlignLeft},
    {"Centre", {"mnuTxtC"}, "C", Qt::AlignHCenter},
    {"Right", {"mnuTxtR"}, "R", Qt::AlignRight},
    {"CentreTwiceStaysMarked", {"mnuTxtC", "mnuTxtC"}, "C", Qt::AlignHCenter},
    {"RightAfterCentre", {"mnuTxtC", "mnuTxtR"}, "R", Qt::AlignRight},
    {"LeftAfterRight", {"mnuTxtR", "mnuTxtL"}, "L", Qt::AlignLeft},
    {"BackToCentre", {"mnuTxtC", "mnuTxtL", "mnuTxtR", "mnuTxtC"}, "C", Qt::AlignHCenter},
    {"ToolbarRight", {"右对齐"}, "R", Qt::AlignRight},
    {"MenuAfterToolbar", {"置中", "mnuTxtL"}, "L", Qt::AlignLeft},
    {"ToolbarAfterMenu", {"mnuTxtR", "置中"}, "C", Qt::AlignHCenter},
};

INSTANTIATE_TEST_SUITE_P(Sequences, AlignmentMarks, ::testing::ValuesIn(kMarkCases),
                         [](const auto& info) { return std::string(info.param.name); });

using Alignment = EditCommands;

TEST_F(Alignment, AlignsEverySelectedParagraphAndNoOther) {
  givenSavedHtml(u"one\ntwo\nthree\nfour"_s);
  select(html(), 5, 10);  // from inside "two" to inside "three"
  choose("mnuTxtR");
  const Qt::Alignment expected[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft};
  for (int paragraph = 0; paragraph < 4; ++paragraph) {
    SCOPED_TRACE(paragraph);
    EXPECT_EQ(alignmentOf(html(), paragraph), expected[paragraph]);
  }
  // With only a caret, the caret's paragraph is aligned.
  select(html(), 17, 17);
  choose("mnuTxtC");
  EXPECT_EQ(alignmentOf(html(), 3), Qt::AlignHCenter);
  EXPECT_EQ(alignmentOf(html(), 2), Qt::AlignRight);
  EXPECT_EQ(htmlText(), u"one\ntwo\nthree\nfour"_s);
  EXPECT_TRUE(htmlClean());
}

TEST_F(Alignment, MovingTheCaretIntoAnotherAlignmentLeavesTheMark) {
  givenSavedHtml(u"left\ncentre"_s);
  select(html(), 1, 1);
  choose("mnuTxtL");
  select(html(), 7, 7);
  choose("mnuTxtC");
  ASSERT_EQ(alignmentMarks(), u"C"_s);
  // A click into the left-aligned paragraph, as the user would.
  QTextCursor target(html()->document());
  target.setPosition(2);
  html()->setFocus();
  QTest::mouseClick(html()->viewport(), Qt::LeftButton, {}, html()->cursorRect(target).center());
  ASSERT_EQ(html()->textCursor().block().blockNumber(), 0) << "the click missed the paragraph";
  EXPECT_EQ(alignmentMarks(), u"C"_s);
  QTest::keyClick(html(), Qt::Key_Down);
  QTest::keyClick(html(), Qt::Key_Up);
  EXPECT_EQ(alignmentMarks(), u"C"_s);
}

TEST_F(Alignment, ToolbarGroupKeepsItsPressedButtonWhateverTheMenuChooses) {
  givenSavedHtml(u"Hello"_s);
  QTest::mouseClick(buttonWidget("左对齐"), Qt::LeftButton);
  ASSERT_TRUE(button("左对齐")->isChecked());
  for (const char* item : {"mnuTxtR", "mnuTxtC", "mnuTxtR"}) {
    SCOPED_TRACE(item);
    choose(item);
    EXPECT_TRUE(button("左对齐")->isChecked());
    EXPECT_FALSE(button("置中")->isChecked());
    EXPECT_FALSE(button("右对齐")->isChecked());
  }
  EXPECT_EQ(alignmentMarks(), u"R"_s);
  EXPECT_EQ(alignmentOf(html(), 0), Qt::AlignRight);
}

TEST_F(Alignment, NoToolbarButtonIsPressedByTheMenuFromTheStart) {
  choose("mnuTxtC");
  for (const char* key : {"左对齐", "置中", "右对齐"}) {
    SCOPED_TRACE(key);
    EXPECT_FALSE(button(key)->isChecked());
    EXPECT_FALSE(buttonWidget(key)->isChecked());
  }
}

}  // namespace
}  // namespace tavelin::testing
