#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FakeForm.h"
#include "layout/LayoutEngine.h"

namespace tavelin::layout::testing {

// Where a control stands: Left, Top, Width, Height, or a line's X1, Y1, X2, Y2.
struct Geometry {
  double a, b, c, d;
  bool operator==(const Geometry&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Geometry& g) {
  return out << "(" << g.a << ", " << g.b << ", " << g.c << ", " << g.d << ")";
}

inline Geometry boxOf(const FakeControl& c) { return {c.left, c.top, c.width, c.height}; }
inline Geometry lineOf(const FakeControl& c) { return {c.x1, c.y1, c.x2, c.y2}; }

// One control on a form recorded at 600 x 600, then resized once.
struct ResizeCase {
  std::string name;
  FakeControl control;
  std::set<Op> failingAfterRecording;  // operations that start failing once the form is recorded
  double width, height;                // the form's inner size at the resize
  Geometry expected;
  std::vector<int> expectedMoves;  // Move calls of the resize, by argument count
};

// A case whose control accepts every Move.
inline ResizeCase scaled(std::string name, FakeControl control, double width, double height,
                         Geometry expected) {
  return {std::move(name), std::move(control), {}, width, height, expected, {4, 3, 2}};
}

inline std::ostream& operator<<(std::ostream& out, const ResizeCase& c) { return out << c.name; }

inline std::string caseName(const ::testing::TestParamInfo<ResizeCase>& info) {
  std::string name;
  for (char ch : info.param.name) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return name;
}

// Records a form of 600 x 600 holding the case's control, resizes it and returns the control.
inline const FakeControl& runResizeCase(LayoutEngine& engine, FakeForm& form, const ResizeCase& c) {
  form.resize(600, 600);
  FakeControl& control = form.add(c.control);
  engine.ResizeForm(form);
  control.failures.insert(c.failingAfterRecording.begin(), c.failingAfterRecording.end());
  control.moveCalls.clear();
  form.resize(c.width, c.height);
  engine.ResizeForm(form);
  return control;
}

}  // namespace tavelin::layout::testing
