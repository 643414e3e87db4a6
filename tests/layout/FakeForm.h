#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "layout/LayoutForm.h"

namespace tavelin::layout::testing {

// Every operation a fake control offers; any of them can be told to fail.
enum class Op {
  Name,
  Index,
  Left,
  Top,
  Width,
  Height,
  X1,
  Y1,
  X2,
  Y2,
  SetX1,
  SetY1,
  SetX2,
  SetY2,
  Move2,
  Move3,
  Move4,
  IntegralHeight,
};

// An in-memory control. A failing operation throws Failure and changes nothing.
class FakeControl final : public LayoutControl {
 public:
  // An ordinary control with a position and a size.
  static FakeControl box(std::string name, double left, double top, double width, double height);
  // A line: end points, no Left/Top/Width/Height, no Move.
  static FakeControl line(std::string name, double x1, double y1, double x2, double y2);
  // A control without geometry, such as a menu item: reads, Move and IntegralHeight all fail.
  static FakeControl withoutGeometry(std::string name);

  FakeControl& inArray(std::int32_t position) {
    index = position;
    return *this;
  }
  FakeControl& failing(Op op) {
    failures.insert(op);
    return *this;
  }

  std::string Name() const override;
  std::int32_t Index() const override;
  bool IsLine() const noexcept override { return isLine; }
  double Left() const override;
  double Top() const override;
  double Width() const override;
  double Height() const override;
  double X1() const override;
  double Y1() const override;
  double X2() const override;
  double Y2() const override;
  void SetX1(double value) override;
  void SetY1(double value) override;
  void SetX2(double value) override;
  void SetY2(double value) override;
  void Move(double l, double t) override;
  void Move(double l, double t, double w) override;
  void Move(double l, double t, double w, double h) override;
  void SetIntegralHeight(bool integral) override;

  std::string name;
  std::optional<std::int32_t> index;  // empty: not part of a control array, the read fails
  bool isLine = false;
  double left = 0, top = 0, width = 0, height = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::optional<bool> integralHeight;  // empty until written
  std::set<Op> failures;
  std::vector<int> moveCalls;  // argument count of every Move asked for, refused ones included
  int endPointWrites = 0;      // end-point writes asked for, refused ones included

 private:
  void check(Op op) const;
  double read(Op op, double value) const;
  void write(Op op, double& field, double value);
};

enum class FormOp { Name, ScaleWidth, ScaleHeight, Enumeration };

// An in-memory form holding its controls in insertion order.
class FakeForm final : public LayoutForm {
 public:
  FakeForm(std::string name, double scaleWidth, double scaleHeight);

  // Adds a control and returns it where the form keeps it (the reference stays valid).
  FakeControl& add(FakeControl control);
  FakeForm& failing(FormOp op) {
    failures.insert(op);
    return *this;
  }
  void resize(double width, double height) {
    scaleWidth = width;
    scaleHeight = height;
  }

  std::string Name() const override;
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  std::size_t controlCount() const override;
  LayoutControl& control(std::size_t position) override;

  std::string name;
  double scaleWidth;
  double scaleHeight;
  std::vector<std::unique_ptr<FakeControl>> controls;
  std::set<FormOp> failures;
  std::optional<std::size_t> failingPosition;  // control(position) fails there

 private:
  void check(FormOp op) const;
  template <typename T>
  T read(FormOp op, const T& value) const;
};

}  // namespace tavelin::layout::testing
