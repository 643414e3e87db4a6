// What the engine makes of operations that fail and of values that leave the 32-bit range.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FakeForm.h"
#include "LayoutTestSupport.h"
#include "layout/LayoutEngine.h"

namespace tavelin::layout::testing {
namespace {

class LayoutFailures : public ::testing::TestWithParam<ResizeCase> {
 protected:
  LayoutEngine engine;
  FakeForm form{"frmM", 600, 600};
};

TEST_P(LayoutFailures, AreAbsorbedStepByStep) {
  const ResizeCase& c = GetParam();
  const FakeControl& control = runResizeCase(engine, form, c);
  EXPECT_EQ(boxOf(control), c.expected);
  EXPECT_EQ(control.moveCalls, c.expectedMoves);
}

FakeControl square() { return FakeControl::box("Command1", 100, 100, 100, 100); }

// A case whose control starts failing `later` once recorded, expecting these Move calls.
ResizeCase faultCase(std::string name, FakeControl control, std::set<Op> later, double width,
                     double height, Geometry expected, std::vector<int> moves) {
  ResizeCase c = scaled(std::move(name), std::move(control), width, height, expected);
  c.failingAfterRecording = std::move(later);
  c.expectedMoves = std::move(moves);
  return c;
}

INSTANTIATE_TEST_SUITE_P(RefusedMoves, LayoutFailures,
                         ::testing::Values(faultCase("refused height keeps new left top and width",
                                                     square().failing(Op::Move4), {}, 900, 900,
                                                     {150, 150, 150, 100}, {4, 3, 2}),
                                           faultCase("refused size keeps new left and top",
                                                     square().failing(Op::Move4).failing(Op::Move3),
                                                     {}, 900, 900, {150, 150, 100, 100}, {4, 3, 2}),
                                           faultCase("immovable control stays", square(),
                                                     {Op::Move2, Op::Move3, Op::Move4}, 900, 900,
                                                     {100, 100, 100, 100}, {4, 3, 2}),
                                           faultCase("unreadable left counts as hidden", square(),
                                                     {Op::Left}, 900, 900,
                                                     {150 - 75000, 150, 150, 150}, {4, 3, 2})),
                         caseName);

// Our decision: a coordinate whose new value overflows stays as it is; when it cannot be read
// either, the Move calls that need it are left out.
INSTANTIATE_TEST_SUITE_P(
    Overflow, LayoutFailures,
    ::testing::Values(
        faultCase("overflowing left stays", FakeControl::box("Wide", 2000000000, 10, 50, 50), {},
                  900, 600, {2000000000, 10, 75, 50}, {4, 3, 2}),
        faultCase("overflowing unreadable left: no move",
                  FakeControl::box("Wide", 2000000000, 10, 50, 50), {Op::Left}, 900, 600,
                  {2000000000, 10, 50, 50}, {}),
        faultCase("overflowing top stays", FakeControl::box("Tall", 10, 2000000000, 50, 50), {},
                  600, 900, {10, 2000000000, 50, 75}, {4, 3, 2}),
        faultCase("overflowing width stays", FakeControl::box("Wide", 10, 10, 2000000000, 50), {},
                  900, 600, {15, 10, 2000000000, 50}, {4, 3, 2}),
        faultCase("overflowing unreadable width: only the short move",
                  FakeControl::box("Wide", 10, 10, 2000000000, 50), {Op::Width}, 900, 600,
                  {15, 10, 2000000000, 50}, {2}),
        faultCase("overflowing unreadable height: no four argument move",
                  FakeControl::box("Tall", 10, 10, 50, 2000000000), {Op::Height}, 600, 900,
                  {10, 15, 50, 2000000000}, {3, 2}),
        faultCase("hidden offset overflowing keeps left",
                  FakeControl::box("Far", -2126275000, 0, 10, 10), {}, 606, 600,
                  {-2126275000, 0, 10, 10}, {4, 3, 2}),
        // The percentage itself out of range counts as 0, like a failed percentage.
        faultCase("width percentage out of range counts as zero",
                  FakeControl::box("Command1", 123, 40, 200, 100), {}, 30000000, 600,
                  {0, 40, 0, 100}, {4, 3, 2})),
    caseName);

class LayoutFormFailures : public ::testing::Test {
 protected:
  LayoutEngine engine;
  FakeForm form{"frmM", 600, 600};
};

TEST_F(LayoutFormFailures, ControlsWithoutGeometryNeitherStopNorDisturbTheOthers) {
  FakeControl& menu = form.add(FakeControl::withoutGeometry("mnuFile"));
  FakeControl& box = form.add(FakeControl::box("Command1", 100, 100, 100, 100));
  engine.ResizeForm(form);
  form.resize(1200, 1200);
  EXPECT_NO_THROW(engine.ResizeForm(form));
  EXPECT_EQ(menu.moveCalls, (std::vector<int>{4, 3, 2, 4, 3, 2}));
  EXPECT_EQ(boxOf(box), (Geometry{200, 200, 200, 200}));
}

TEST_F(LayoutFormFailures, FailedEnumerationEndsThePassAndLeavesTheRestAsItWas) {
  FakeControl& first = form.add(FakeControl::box("Command1", 100, 100, 100, 100));
  FakeControl& second = form.add(FakeControl::box("Command2", 200, 200, 100, 100));
  FakeControl& third = form.add(FakeControl::box("Command3", 300, 300, 100, 100));
  engine.ResizeForm(form);
  form.failingPosition = 1;
  form.resize(1200, 1200);
  EXPECT_THROW(engine.ResizeForm(form), Failure);
  EXPECT_EQ(boxOf(first), (Geometry{200, 200, 200, 200}));
  EXPECT_EQ(boxOf(second), (Geometry{200, 200, 100, 100}));
  EXPECT_EQ(boxOf(third), (Geometry{300, 300, 100, 100}));
}

TEST_F(LayoutFormFailures, UnreadableScaleSizeAfterRecordingFlattensThatAxis) {
  FakeControl& box = form.add(FakeControl::box("Command1", 100, 100, 100, 100));
  engine.ResizeForm(form);
  form.failing(FormOp::ScaleHeight);
  engine.ResizeForm(form);
  EXPECT_EQ(boxOf(box), (Geometry{100, 0, 100, 0}));
}

TEST_F(LayoutFormFailures, UnreadableFormNameLeavesEveryControlAlone) {
  FakeControl& box = form.add(FakeControl::box("Command1", 100, 100, 100, 100));
  engine.ResizeForm(form);
  box.moveCalls.clear();
  form.failing(FormOp::Name);
  form.resize(1200, 1200);
  EXPECT_NO_THROW(engine.ResizeForm(form));
  EXPECT_TRUE(box.moveCalls.empty());
  EXPECT_EQ(boxOf(box), (Geometry{100, 100, 100, 100}));
}

TEST_F(LayoutFormFailures, UnreadableFormIsNeverRecorded) {
  for (FormOp op : {FormOp::Name, FormOp::ScaleWidth, FormOp::ScaleHeight}) {
    LayoutEngine fresh;
    FakeForm broken{"frmM", 600, 600};
    FakeControl& box = broken.add(FakeControl::box("Command1", 100, 100, 100, 100));
    broken.failing(op);
    fresh.ResizeForm(broken);
    EXPECT_EQ(fresh.FormCount(), 0);
    EXPECT_EQ(fresh.ControlCount(), 0);
    EXPECT_TRUE(box.moveCalls.empty());
  }
}

TEST(LayoutProcessEngine, IsOneEngineForTheWholeProcess) {
  EXPECT_EQ(&processEngine(), &processEngine());
}

}  // namespace
}  // namespace tavelin::layout::testing
