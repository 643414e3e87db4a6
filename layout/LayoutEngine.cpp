#include "layout/LayoutEngine.h"

#include <limits>
#include <optional>
#include <utility>

#include "layout/LayoutArithmetic.h"

namespace tavelin::layout {

namespace {

// One step of the step rule: a failure drops the rest of the step. Returns whether it completed.
template <typename Step>
bool step(Step&& body) {
  try {
    body();
    return true;
  } catch (const Failure&) {
    return false;
  }
}

// A test under the step rule: one that cannot be evaluated counts as yes.
template <typename Test>
bool test(Test&& condition) {
  try {
    return condition();
  } catch (const Failure&) {
    return true;
  }
}

// A Left, X1 or X2 from its record: scaled, and moved out of sight again when hidden.
std::int32_t placeLeft(std::int32_t recorded, std::int32_t percentWidth, bool hidden) {
  const std::int32_t scaled = scale(recorded, percentWidth);
  return hidden ? difference(scaled, HiddenOffset) : scaled;
}

// Our decision: a coordinate whose new value cannot be computed (it overflows) stays as it is, so
// the Move calls get the control's current value for it. When that cannot be read either, the
// result is empty and the Move calls that need the coordinate are left out.
template <typename Compute, typename Current>
std::optional<double> newOrCurrent(Compute&& compute, Current&& current) {
  std::optional<double> value;
  if (step([&] { value = compute(); })) return value;
  step([&] { value = current(); });
  return value;
}

std::int32_t append(std::vector<GeometryRecord>& registry, GeometryRecord record) {
  if (registry.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw Failure("layout registry is full");
  }
  registry.push_back(std::move(record));
  return static_cast<std::int32_t>(registry.size() - 1);
}

}  // namespace

void LayoutEngine::ResizeForm(LayoutForm& form) {
  for (std::size_t i = 0; i < form.controlCount(); ++i) ResizeControl(form.control(i), form);
}

void LayoutEngine::ResizeControl(LayoutControl& control, LayoutForm& form) {
  // A percentage that cannot be had counts as 0: everything scaled by it becomes 0.
  std::int32_t percentHeight = 0;
  std::int32_t percentWidth = 0;
  step([&] { percentHeight = PercentHeight(form); });
  step([&] { percentWidth = PercentWidth(form); });

  std::int32_t index = -1;
  step([&] { index = FindControl(control, form.Name()); });
  // Our decision: a control without a record (it joined the form after the form was recorded, or
  // its lookup failed) is left alone; there are no values to move it to.
  if (index < 0) return;
  // No record is added from here on, so the reference stays valid.
  const GeometryRecord& record = controlRecords_[static_cast<std::size_t>(index)];

  if (control.IsLine()) {
    resizeLine(control, record, percentHeight, percentWidth);
  } else {
    resizeBox(control, record, percentHeight, percentWidth);
  }
}

// A line has no Move: its end points are set one by one, each a step of its own, and an end point
// whose value overflows is not written. X1 and X2 each follow the hidden rule by themselves.
void LayoutEngine::resizeLine(LayoutControl& line, const GeometryRecord& record,
                              std::int32_t percentHeight, std::int32_t percentWidth) {
  const bool startHidden = test([&] { return line.X1() < 0; });
  step([&] { line.SetX1(placeLeft(record.Left, percentWidth, startHidden)); });
  step([&] { line.SetY1(scale(record.Top, percentHeight)); });
  const bool endHidden = test([&] { return line.X2() < 0; });
  step([&] { line.SetX2(placeLeft(record.Width, percentWidth, endHidden)); });
  step([&] { line.SetY2(scale(record.Height, percentHeight)); });
}

// The hidden test looks at where the control stands now, not at its record, so a control that
// other code hid or showed after recording keeps that state.
void LayoutEngine::resizeBox(LayoutControl& control, const GeometryRecord& record,
                             std::int32_t percentHeight, std::int32_t percentWidth) {
  const bool hidden = test([&] { return control.Left() < 0; });
  const auto left = newOrCurrent([&] { return placeLeft(record.Left, percentWidth, hidden); },
                                 [&] { return control.Left(); });
  const auto top =
      newOrCurrent([&] { return scale(record.Top, percentHeight); }, [&] { return control.Top(); });
  const auto width = newOrCurrent([&] { return scale(record.Width, percentWidth); },
                                  [&] { return control.Width(); });
  const auto height = newOrCurrent([&] { return scale(record.Height, percentHeight); },
                                   [&] { return control.Height(); });

  // Three calls, longest first, each whatever became of the one before: a control that refuses
  // its height (or width) still gets the values it accepts.
  if (left && top && width && height) step([&] { control.Move(*left, *top, *width, *height); });
  if (left && top && width) step([&] { control.Move(*left, *top, *width); });
  if (left && top) step([&] { control.Move(*left, *top); });
}

std::int32_t LayoutEngine::PercentHeight(LayoutForm& form) {
  const GeometryRecord& record = formRecords_[static_cast<std::size_t>(recordedFormIndex(form))];
  return quotient(nearest(form.ScaleHeight() * 100.0), record.ScaleHeight);
}

std::int32_t LayoutEngine::PercentWidth(LayoutForm& form) {
  const GeometryRecord& record = formRecords_[static_cast<std::size_t>(recordedFormIndex(form))];
  return quotient(nearest(form.ScaleWidth() * 100.0), record.ScaleWidth);
}

std::int32_t LayoutEngine::recordedFormIndex(LayoutForm& form) {
  const std::int32_t found = FindForm(form);
  return found >= 0 ? found : AddForm(form);
}

std::int32_t LayoutEngine::FindForm(const LayoutForm& form) const {
  if (formRecords_.empty()) return -1;
  const std::string name = form.Name();
  for (std::size_t i = 0; i < formRecords_.size(); ++i) {
    if (formRecords_[i].Name == name) return static_cast<std::int32_t>(i);
  }
  return -1;
}

std::int32_t LayoutEngine::AddForm(LayoutForm& form) {
  GeometryRecord record;
  record.Name = form.Name();
  record.ScaleHeight = nearest(form.ScaleHeight());
  record.ScaleWidth = nearest(form.ScaleWidth());
  // Our decision: a form is recorded only once both its scale sizes are positive. A form recorded
  // at size 0 could never get a percentage for that axis again; refusing here leaves it
  // unrecorded, and its controls untouched, until a resize gives it a real size.
  if (record.ScaleHeight <= 0 || record.ScaleWidth <= 0) {
    throw Failure("form has no positive inner size yet; recording postponed");
  }
  const std::string formName = record.Name;
  // From here on the form counts as recorded, before any of its controls is.
  const std::int32_t index = append(formRecords_, std::move(record));

  for (std::size_t i = 0; i < form.controlCount(); ++i) {
    LayoutControl& control = form.control(i);
    // A control whose lookup fails (its name cannot be read) could never be found later either;
    // it is passed over so that it does not keep the controls after it from being recorded.
    std::int32_t found = 0;
    if (!step([&] { found = FindControl(control, formName); })) continue;
    if (found < 0) AddControl(control, formName);
  }
  return index;
}

std::int32_t LayoutEngine::FindControl(const LayoutControl& control,
                                       const std::string& formName) const {
  for (std::size_t i = 0; i < controlRecords_.size(); ++i) {
    const GeometryRecord& record = controlRecords_[i];
    if (record.FormName != formName) continue;
    if (record.Name != control.Name()) continue;
    // A control outside a control array has no Index; it matches the first record by name.
    if (test([&] { return control.Index() == record.Index; })) {
      return static_cast<std::int32_t>(i);
    }
  }
  return -1;
}

std::int32_t LayoutEngine::AddControl(LayoutControl& control, const std::string& formName) {
  GeometryRecord record;  // a field whose source cannot be read keeps its empty text or 0
  step([&] { record.Name = control.Name(); });
  step([&] { record.Index = control.Index(); });
  record.FormName = formName;
  if (control.IsLine()) {
    step([&] { record.Top = nearest(control.Y1()); });
    step([&] { record.Left = ActualPos(nearest(control.X1())); });
    step([&] { record.Height = nearest(control.Y2()); });
    step([&] { record.Width = ActualPos(nearest(control.X2())); });
  } else {
    step([&] { record.Top = nearest(control.Top()); });
    step([&] { record.Left = ActualPos(nearest(control.Left())); });
    step([&] { record.Height = nearest(control.Height()); });
    step([&] { record.Width = nearest(control.Width()); });
  }
  step([&] { control.SetIntegralHeight(false); });
  return append(controlRecords_, std::move(record));
}

std::int32_t LayoutEngine::ActualPos(std::int32_t x) { return x >= 0 ? x : x + HiddenOffset; }

LayoutEngine& processEngine() {
  static LayoutEngine engine;
  return engine;
}

}  // namespace tavelin::layout
