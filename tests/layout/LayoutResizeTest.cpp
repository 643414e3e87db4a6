// How a recorded form's controls follow its inner size.
#include <gtest/gtest.h>

#include <vector>

#include "FakeForm.h"
#include "LayoutTestSupport.h"
#include "layout/LayoutEngine.h"

namespace tavelin::layout::testing {
namespace {

class LayoutScaling : public ::testing::TestWithParam<ResizeCase> {
 protected:
  LayoutEngine engine;
  FakeForm form{"frmM", 600, 600};
};

TEST_P(LayoutScaling, PutsTheControlAtItsRecordedGeometryScaled) {
  const ResizeCase& c = GetParam();
  const FakeControl& control = runResizeCase(engine, form, c);
  EXPECT_EQ(boxOf(control), c.expected);
  EXPECT_EQ(control.moveCalls, c.expectedMoves);
}

INSTANTIATE_TEST_SUITE_P(
    Nominal, LayoutScaling,
    ::testing::Values(
        scaled("width 600 to 900 is 150 percent", FakeControl::box("Command1", 123, 40, 200, 100),
               900, 600, {184, 40, 300, 100}),
        scaled("605 is still 100 percent", FakeControl::box("Command1", 123, 40, 200, 100), 605,
               600, {123, 40, 200, 100}),
        scaled("percentages move in whole steps", FakeControl::box("Command1", 100, 0, 200, 0),
               1199, 600, {199, 0, 398, 0}),
        scaled("height scales top and height only", FakeControl::box("Command1", 123, 40, 200, 100),
               600, 1200, {123, 80, 200, 200}),
        scaled("negative top truncates toward zero", FakeControl::box("Text2", 10, -150, 100, 600),
               600, 594, {10, -148, 100, 594}),
        scaled("product beyond 32 bits still scales",
               FakeControl::box("Wide", 2000000000, 0, 10, 10), 606, 600, {2020000000, 0, 10, 10}),
        scaled("shrunk to nothing", FakeControl::box("Command1", 123, 40, 200, 100), 0, 0,
               {0, 0, 0, 0})),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Hidden, LayoutScaling,
    ::testing::Values(scaled("hidden control stays hidden at its scaled place",
                             FakeControl::box("Picture1", 120 - 75000, 10, 50, 50), 900, 600,
                             {180 - 75000, 10, 75, 50}),
                      scaled("offset is subtracted after scaling, never scaled",
                             FakeControl::box("Picture1", 120 - 75000, 10, 50, 50), 300, 600,
                             {60 - 75000, 10, 25, 50}),
                      scaled("small negative left counts as hidden",
                             FakeControl::box("Shape1", -100, 0, 50, 50), 1200, 600,
                             {75000 - 200, 0, 100, 50}),
                      scaled("left below minus 75000 stays out of sight",
                             FakeControl::box("Shape1", -80000, 0, 10, 10), 1200, 600,
                             {-10000 - 75000, 0, 20, 10}),
                      scaled("hidden control shrunk to nothing",
                             FakeControl::box("Picture1", -74880, 40, 200, 100), 0, 0,
                             {-75000, 0, 0, 0})),
    caseName);

class LayoutResize : public ::testing::Test {
 protected:
  LayoutEngine engine;
  FakeForm form{"frmM", 600, 600};

  void resize(double width, double height) {
    form.resize(width, height);
    engine.ResizeForm(form);
  }
};

TEST_F(LayoutResize, HiddenControlStaysHiddenUntilShownThenComesBackToItsScaledPlace) {
  FakeControl& recordedHidden = form.add(FakeControl::box("Picture1", 120 - 75000, 0, 60, 60));
  FakeControl& hiddenLater = form.add(FakeControl::box("Picture2", 300, 0, 60, 60));
  resize(600, 600);
  // Other code hides the second control the usual way, 75000 to the left of its place.
  hiddenLater.Move(hiddenLater.left - 75000, hiddenLater.top);

  for (double width : {900.0, 300.0, 6.0, 0.0, 60000.0, 1200.0}) {
    SCOPED_TRACE(width);
    resize(width, 600);
    EXPECT_LT(recordedHidden.left, 0);
    EXPECT_LT(hiddenLater.left, 0);
  }
  EXPECT_EQ(recordedHidden.left, 240 - 75000);
  EXPECT_EQ(hiddenLater.left, 600 - 75000);

  // Shown again anywhere at a non-negative Left, the next resize puts each at its scaled place.
  recordedHidden.Move(0, 0);
  hiddenLater.Move(10, 0);
  resize(900, 600);
  EXPECT_EQ(boxOf(recordedHidden), (Geometry{180, 0, 90, 60}));
  EXPECT_EQ(boxOf(hiddenLater), (Geometry{450, 0, 90, 60}));
}

TEST_F(LayoutResize, ShrinkingToNothingAndGrowingBackRestoresEveryControl) {
  FakeControl& box = form.add(FakeControl::box("Command1", 123, 40, 200, 100));
  FakeControl& hidden = form.add(FakeControl::box("Picture1", 120 - 75000, 40, 200, 100));
  FakeControl& line = form.add(FakeControl::line("Line1", 10, 20, 590 - 75000, 580));
  resize(600, 600);

  resize(0, 0);
  EXPECT_EQ(boxOf(box), (Geometry{0, 0, 0, 0}));
  EXPECT_EQ(boxOf(hidden), (Geometry{-75000, 0, 0, 0}));
  EXPECT_EQ(lineOf(line), (Geometry{0, 0, -75000, 0}));

  resize(600, 600);
  EXPECT_EQ(boxOf(box), (Geometry{123, 40, 200, 100}));
  EXPECT_EQ(boxOf(hidden), (Geometry{120 - 75000, 40, 200, 100}));
  EXPECT_EQ(lineOf(line), (Geometry{10, 20, 590 - 75000, 580}));
}

TEST_F(LayoutResize, SizeGivenByOtherCodeIsReplacedByTheRecordedOneScaled) {
  FakeControl& pane = form.add(FakeControl::box("RichTextBox2", 0, 100, 600, 400));
  resize(600, 600);
  pane.Move(0, 100, 600, 0);  // a pane switch collapses it
  resize(600, 900);
  EXPECT_EQ(boxOf(pane), (Geometry{0, 150, 600, 600}));
}

TEST_F(LayoutResize, LinesFollowTheirEndPointsWithoutMove) {
  struct Case {
    std::string name;
    FakeControl line;
    std::set<Op> failingAfterRecording;
    double width, height;
    Geometry expected;  // X1, Y1, X2, Y2
  };
  const Case cases[] = {
      {"x by width, y by height",
       FakeControl::line("Line1", 100, 50, 300, 250),
       {},
       900,
       1200,
       {150, 100, 450, 500}},
      {"start hidden by itself",
       FakeControl::line("Line1", 100 - 75000, 50, 300, 250),
       {},
       900,
       600,
       {150 - 75000, 50, 450, 250}},
      {"end hidden by itself",
       FakeControl::line("Line1", 100, 50, 300 - 75000, 250),
       {},
       900,
       600,
       {150, 50, 450 - 75000, 250}},
      {"unreadable start counts as hidden",
       FakeControl::line("Line1", 100, 50, 300, 250),
       {Op::X1},
       900,
       600,
       {150 - 75000, 50, 450, 250}},
      {"refused end point stays",
       FakeControl::line("Line1", 100, 50, 300, 250),
       {Op::SetY2},
       900,
       1200,
       {150, 100, 450, 250}},
      {"overflowing end point stays",
       FakeControl::line("Line1", 2000000000, 50, 300, 250),
       {},
       900,
       600,
       {2000000000, 50, 450, 250}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LayoutEngine fresh;
    FakeForm lineForm{"frmM", 600, 600};
    FakeControl& line = lineForm.add(c.line);
    fresh.ResizeForm(lineForm);
    line.failures.insert(c.failingAfterRecording.begin(), c.failingAfterRecording.end());
    lineForm.resize(c.width, c.height);
    fresh.ResizeForm(lineForm);
    EXPECT_EQ(lineOf(line), c.expected);
    EXPECT_TRUE(line.moveCalls.empty());
  }
}

}  // namespace
}  // namespace tavelin::layout::testing
