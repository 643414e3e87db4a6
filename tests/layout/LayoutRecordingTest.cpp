// When a form and its controls get recorded, and what the records hold.
#include <gtest/gtest.h>

#include <vector>

#include "FakeForm.h"
#include "LayoutTestSupport.h"
#include "layout/LayoutEngine.h"

namespace tavelin::layout::testing {
namespace {

class LayoutRecording : public ::testing::Test {
 protected:
  LayoutEngine engine;
  FakeForm form{"frmM", 9000, 6000};
};

TEST_F(LayoutRecording, FirstPassRecordsEveryControlAndLeavesItWhereItStands) {
  struct Row {
    FakeControl control;
    GeometryRecord record;
    Geometry after;  // box geometry, or a line's end points
  };
  std::vector<Row> rows = {
      {FakeControl::box("Command1", 120, 60, 1200, 400),
       {"Command1", 0, "frmM", 60, 120, 400, 1200, 0, 0},
       {120, 60, 1200, 400}},
      // Fractional positions are recorded and moved to the nearest whole unit, halves to even.
      {FakeControl::box("Text2", 10.5, 11.5, 99.5, 100.6),
       {"Text2", 0, "frmM", 12, 10, 101, 100, 0, 0},
       {10, 12, 100, 101}},
      // Hidden: recorded without the offset, and left hidden.
      {FakeControl::box("Picture1", 120 - 75000, 60, 300, 300),
       {"Picture1", 0, "frmM", 60, 120, 300, 300, 0, 0},
       {120 - 75000, 60, 300, 300}},
      // A visible control just left of the edge is taken as hidden all the same.
      {FakeControl::box("Shape1", -100, 0, 50, 50),
       {"Shape1", 0, "frmM", 0, 74900, 50, 50, 0, 0},
       {-100, 0, 50, 50}},
      {FakeControl::line("Line1", 100, 200, 5000 - 75000, 250),
       {"Line1", 0, "frmM", 200, 100, 250, 5000, 0, 0},
       {100, 200, 5000 - 75000, 250}},
      // Without geometry: a record of zeros, and Move fails harmlessly at every pass.
      {FakeControl::withoutGeometry("mnuFile"), {"mnuFile", 0, "frmM", 0, 0, 0, 0, 0, 0}, {}},
      {FakeControl::box("Label", 0, 500, 1000, 300).inArray(3),
       {"Label", 3, "frmM", 500, 0, 300, 1000, 0, 0},
       {0, 500, 1000, 300}},
      {FakeControl::box("Label", 1000, 500, 1000, 300).inArray(4),
       {"Label", 4, "frmM", 500, 1000, 300, 1000, 0, 0},
       {1000, 500, 1000, 300}},
  };
  std::vector<GeometryRecord> expected;
  for (const Row& row : rows) {
    form.add(row.control);
    expected.push_back(row.record);
  }

  engine.ResizeForm(form);

  ASSERT_EQ(engine.FormCount(), 1);
  EXPECT_EQ(engine.FormRecords()[0], (GeometryRecord{"frmM", 0, "", 0, 0, 0, 0, 6000, 9000}));
  EXPECT_EQ(engine.ControlRecords(), expected);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const FakeControl& control = *form.controls[i];
    SCOPED_TRACE(control.name + " " + std::to_string(i));
    if (control.isLine) {
      EXPECT_EQ(lineOf(control), rows[i].after);
      EXPECT_TRUE(control.moveCalls.empty());
    } else if (control.name != "mnuFile") {
      EXPECT_EQ(boxOf(control), rows[i].after);
      EXPECT_EQ(control.integralHeight, false);
    }
  }
}

TEST_F(LayoutRecording, SecondPassAtTheSameSizeMovesNothingEither) {
  FakeControl& hidden = form.add(FakeControl::box("Picture1", 120 - 75000, 60, 300, 300));
  FakeControl& shown = form.add(FakeControl::box("Command1", 120, 60, 1200, 400));
  engine.ResizeForm(form);
  engine.ResizeForm(form);
  EXPECT_EQ(boxOf(hidden), (Geometry{120 - 75000, 60, 300, 300}));
  EXPECT_EQ(boxOf(shown), (Geometry{120, 60, 1200, 400}));
  EXPECT_EQ(engine.ControlCount(), 2);
}

TEST_F(LayoutRecording, FormWithoutControlsIsNeverRecorded) {
  engine.ResizeForm(form);
  EXPECT_EQ(engine.FormCount(), 0);
  EXPECT_EQ(engine.FindForm(form), -1);
}

TEST_F(LayoutRecording, RecordingWaitsUntilBothScaleSizesArePositive) {
  struct Case {
    double width, height;
  };
  for (const Case& c : {Case{0, 600}, Case{600, 0}, Case{0, 0}, Case{0.4, 600}, Case{600, -15}}) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    LayoutEngine fresh;
    FakeForm small{"frmM", c.width, c.height};
    FakeControl& control = small.add(FakeControl::box("Command1", 10, 10, 10, 10));

    fresh.ResizeForm(small);
    EXPECT_EQ(fresh.FormCount(), 0);
    EXPECT_EQ(fresh.ControlCount(), 0);
    EXPECT_TRUE(control.moveCalls.empty());
    EXPECT_FALSE(control.integralHeight.has_value());

    // Whatever happens meanwhile, the geometry of the first pass at a real size is the reference.
    control.Move(20, 20, 20, 20);
    small.resize(600, 600);
    fresh.ResizeForm(small);
    small.resize(1200, 1200);
    fresh.ResizeForm(small);
    ASSERT_EQ(fresh.FormCount(), 1);
    EXPECT_EQ(fresh.FormRecords()[0].ScaleWidth, 600);
    EXPECT_EQ(boxOf(control), (Geometry{40, 40, 40, 40}));
  }
}

TEST_F(LayoutRecording, TwoFormsWithTheSameNameShareTheFirstOnesRecords) {
  FakeForm first{"frmM", 600, 600};
  first.add(FakeControl::box("Command1", 123, 0, 100, 100));
  engine.ResizeForm(first);

  FakeForm second{"frmM", 900, 600};
  FakeControl& twin = second.add(FakeControl::box("Command1", 50, 50, 10, 10));
  FakeControl& own = second.add(FakeControl::box("Extra", 30, 30, 30, 30));
  engine.ResizeForm(second);

  EXPECT_EQ(engine.FormCount(), 1);
  EXPECT_EQ(engine.ControlCount(), 1);
  EXPECT_EQ(boxOf(twin), (Geometry{184, 0, 150, 100}));
  EXPECT_EQ(boxOf(own), (Geometry{30, 30, 30, 30}));  // no record of its own: left alone
}

TEST_F(LayoutRecording, ControlArrayElementsAreRecordedAndFoundByIndex) {
  form.resize(600, 600);
  // Collection order need not follow Index.
  FakeControl& second = form.add(FakeControl::box("Label", 100, 0, 100, 100).inArray(1));
  FakeControl& first = form.add(FakeControl::box("Label", 0, 0, 100, 100).inArray(0));
  FakeControl& plain = form.add(FakeControl::box("Label2", 0, 200, 100, 100));
  engine.ResizeForm(form);
  EXPECT_EQ(engine.FindControl(first, "frmM"), 1);
  EXPECT_EQ(engine.FindControl(second, "frmM"), 0);
  EXPECT_EQ(engine.FindControl(plain, "frmM"), 2);
  EXPECT_EQ(engine.FindControl(plain, "frmOther"), -1);
  EXPECT_EQ(engine.ControlRecords()[2].Index, 0);

  form.resize(1200, 600);
  engine.ResizeForm(form);
  EXPECT_EQ(boxOf(first), (Geometry{0, 0, 200, 100}));
  EXPECT_EQ(boxOf(second), (Geometry{200, 0, 200, 100}));
  EXPECT_EQ(boxOf(plain), (Geometry{0, 200, 200, 100}));
}

TEST_F(LayoutRecording, ControlWithoutArrayIndexMatchesTheFirstRecordOfItsName) {
  form.resize(600, 600);
  form.add(FakeControl::box("Shape", 10, 10, 10, 10));
  FakeControl& namesake = form.add(FakeControl::box("Shape", 50, 50, 50, 50));
  engine.ResizeForm(form);
  EXPECT_EQ(engine.ControlCount(), 1);
  // The first pass already puts the namesake at the first control's place.
  EXPECT_EQ(boxOf(namesake), (Geometry{10, 10, 10, 10}));
}

TEST_F(LayoutRecording, ControlThatJoinedAfterRecordingIsLeftAlone) {
  form.resize(600, 600);
  FakeControl& recorded = form.add(FakeControl::box("Command1", 100, 100, 100, 100));
  engine.ResizeForm(form);
  recorded.moveCalls.clear();

  FakeControl& late = form.add(FakeControl::box("Late", 30, 30, 30, 30));
  FakeControl& lateLine = form.add(FakeControl::line("LateLine", 30, 30, 60, 60));
  // A recorded control whose lookup now fails is treated alike.
  recorded.failures.insert(Op::Name);
  form.resize(1200, 1200);
  engine.ResizeForm(form);

  for (const FakeControl* c : {&late, &lateLine, &recorded}) {
    SCOPED_TRACE(c->name);
    EXPECT_TRUE(c->moveCalls.empty());
    EXPECT_EQ(c->endPointWrites, 0);
  }
  EXPECT_EQ(boxOf(late), (Geometry{30, 30, 30, 30}));
  EXPECT_FALSE(late.integralHeight.has_value());
  EXPECT_EQ(lineOf(lateLine), (Geometry{30, 30, 60, 60}));
  EXPECT_EQ(boxOf(recorded), (Geometry{100, 100, 100, 100}));
  EXPECT_EQ(engine.ControlCount(), 1);
}

// Left to itself, a control whose name cannot be read would abort the recording of the form
// half-way: the controls after it would never be recorded, and the first control would be
// flattened by a failed percentage on the very first pass.
TEST_F(LayoutRecording, ControlWithUnreadableNameDoesNotStopTheOthersBeingRecorded) {
  form.resize(600, 600);
  FakeControl& before = form.add(FakeControl::box("Command1", 100, 100, 100, 100));
  FakeControl& nameless = form.add(FakeControl::box("Ghost", 5, 5, 5, 5).failing(Op::Name));
  FakeControl& after = form.add(FakeControl::box("Text2", 200, 200, 100, 100));
  engine.ResizeForm(form);
  EXPECT_EQ(boxOf(before), (Geometry{100, 100, 100, 100}));
  EXPECT_EQ(engine.ControlCount(), 2);

  form.resize(1200, 1200);
  engine.ResizeForm(form);
  EXPECT_EQ(boxOf(before), (Geometry{200, 200, 200, 200}));
  EXPECT_EQ(boxOf(after), (Geometry{400, 400, 200, 200}));
  EXPECT_EQ(boxOf(nameless), (Geometry{5, 5, 5, 5}));
}

TEST_F(LayoutRecording, UnreadablePropertiesLeaveTheirFieldsAtZero) {
  // Only a form's first control can be recorded without a name: for any later one the lookup
  // before recording already needs the name.
  form.add(FakeControl::box("Anonymous", 1, 2, 3, 4).failing(Op::Name));
  form.add(FakeControl::box("Combo1", 10, 20, 30, 40)
               .failing(Op::Top)
               .failing(Op::Width)
               .failing(Op::IntegralHeight));
  form.add(FakeControl::line("Line1", 10, 20, 30, 40).failing(Op::X2));
  engine.ResizeForm(form);
  const std::vector<GeometryRecord> expected = {
      {"", 0, "frmM", 2, 1, 4, 3, 0, 0},
      {"Combo1", 0, "frmM", 0, 10, 40, 0, 0, 0},
      {"Line1", 0, "frmM", 20, 10, 40, 0, 0, 0},
  };
  EXPECT_EQ(engine.ControlRecords(), expected);
}

}  // namespace
}  // namespace tavelin::layout::testing
