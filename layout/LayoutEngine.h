#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "layout/GeometryRecord.h"
#include "layout/LayoutFailure.h"
#include "layout/LayoutForm.h"

namespace tavelin::layout {

// A control whose Left is negative counts as hidden: it stands this far to the left of its place.
inline constexpr std::int32_t HiddenOffset = 75000;

// Keeps the controls of a form in proportion to the form's inner size. The first time a form is
// asked about, its inner size and every control's geometry are recorded; at each resize every
// control is put back at its recorded geometry times the whole-percent ratio of the current inner
// size to the recorded one. Records are never changed or removed, so the geometry of the first
// resize stays the reference.
//
// Forms and controls are identified by name (controls of a control array by Index too), compared
// exactly. Lookups are linear scans in order of addition and nothing is cached, so two forms with
// the same name share the first one's records.
//
// Failures: ResizeControl and AddControl work in steps; a step whose operation fails is dropped
// whole and the engine goes on with the next one, and a test that fails counts as yes. The other
// operations pass failures on to their caller. Not thread-safe: meant for the GUI thread only.
class LayoutEngine {
 public:
  // Rescales every control of the form in collection order. A failure that escapes (the form's
  // control enumeration failed) ends the pass; the resize handler ignores it.
  void ResizeForm(LayoutForm& form);
  // Rescales one control of the form, recording the form first if it has no record yet.
  void ResizeControl(LayoutControl& control, LayoutForm& form);

  // The form's current ScaleHeight (ScaleWidth) in whole percent of the recorded one, truncated;
  // records the form first if it has no record.
  std::int32_t PercentHeight(LayoutForm& form);
  std::int32_t PercentWidth(LayoutForm& form);

  // Index of the first form record with the form's name, or -1.
  std::int32_t FindForm(const LayoutForm& form) const;
  // Records the form's inner size and then every control of it that has no record yet; returns
  // the index of the new form record.
  std::int32_t AddForm(LayoutForm& form);

  // Index of the control's record under formName, or -1. A control outside a control array (its
  // Index read fails) matches the first record with its name.
  std::int32_t FindControl(const LayoutControl& control, const std::string& formName) const;
  // Records the control's geometry under formName (hidden controls without the offset) and
  // switches its IntegralHeight off; returns the index of the new record.
  std::int32_t AddControl(LayoutControl& control, const std::string& formName);

  // The coordinate without the hidden offset.
  static std::int32_t ActualPos(std::int32_t x);

  const std::vector<GeometryRecord>& FormRecords() const { return formRecords_; }
  std::int32_t FormCount() const { return static_cast<std::int32_t>(formRecords_.size()); }
  const std::vector<GeometryRecord>& ControlRecords() const { return controlRecords_; }
  std::int32_t ControlCount() const { return static_cast<std::int32_t>(controlRecords_.size()); }

 private:
  std::int32_t recordedFormIndex(LayoutForm& form);
  void resizeLine(LayoutControl& line, const GeometryRecord& record, std::int32_t percentHeight,
                  std::int32_t percentWidth);
  void resizeBox(LayoutControl& control, const GeometryRecord& record, std::int32_t percentHeight,
                 std::int32_t percentWidth);

  std::vector<GeometryRecord> formRecords_;
  std::vector<GeometryRecord> controlRecords_;
};

// The program's one engine; its records live as long as the process.
LayoutEngine& processEngine();

}  // namespace tavelin::layout
