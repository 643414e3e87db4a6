#include "FakeForm.h"

#include <utility>

#include "layout/LayoutFailure.h"

namespace tavelin::layout::testing {

FakeControl FakeControl::box(std::string name, double left, double top, double width,
                             double height) {
  FakeControl c;
  c.name = std::move(name);
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  return c;
}

FakeControl FakeControl::line(std::string name, double x1, double y1, double x2, double y2) {
  FakeControl c;
  c.name = std::move(name);
  c.isLine = true;
  c.x1 = x1;
  c.y1 = y1;
  c.x2 = x2;
  c.y2 = y2;
  c.failures = {Op::Left,  Op::Top,   Op::Width, Op::Height,
                Op::Move2, Op::Move3, Op::Move4, Op::IntegralHeight};
  return c;
}

FakeControl FakeControl::withoutGeometry(std::string name) {
  FakeControl c;
  c.name = std::move(name);
  c.failures = {Op::Left,  Op::Top,   Op::Width, Op::Height,        Op::X1,    Op::Y1,
                Op::X2,    Op::Y2,    Op::SetX1, Op::SetY1,         Op::SetX2, Op::SetY2,
                Op::Move2, Op::Move3, Op::Move4, Op::IntegralHeight};
  return c;
}

void FakeControl::check(Op op) const {
  if (failures.contains(op)) throw Failure("fake control refuses the operation");
}

double FakeControl::read(Op op, double value) const {
  check(op);
  return value;
}

void FakeControl::write(Op op, double& field, double value) {
  ++endPointWrites;
  check(op);
  field = value;
}

std::string FakeControl::Name() const {
  check(Op::Name);
  return name;
}
std::int32_t FakeControl::Index() const {
  check(Op::Index);
  if (!index) throw Failure("not part of a control array");
  return *index;
}
double FakeControl::Left() const { return read(Op::Left, left); }
double FakeControl::Top() const { return read(Op::Top, top); }
double FakeControl::Width() const { return read(Op::Width, width); }
double FakeControl::Height() const { return read(Op::Height, height); }
double FakeControl::X1() const { return read(Op::X1, x1); }
double FakeControl::Y1() const { return read(Op::Y1, y1); }
double FakeControl::X2() const { return read(Op::X2, x2); }
double FakeControl::Y2() const { return read(Op::Y2, y2); }

void FakeControl::SetX1(double value) { write(Op::SetX1, x1, value); }
void FakeControl::SetY1(double value) { write(Op::SetY1, y1, value); }
void FakeControl::SetX2(double value) { write(Op::SetX2, x2, value); }
void FakeControl::SetY2(double value) { write(Op::SetY2, y2, value); }

void FakeControl::Move(double l, double t) {
  moveCalls.push_back(2);
  check(Op::Move2);
  left = l;
  top = t;
}

void FakeControl::Move(double l, double t, double w) {
  moveCalls.push_back(3);
  check(Op::Move3);
  left = l;
  top = t;
  width = w;
}

void FakeControl::Move(double l, double t, double w, double h) {
  moveCalls.push_back(4);
  check(Op::Move4);
  left = l;
  top = t;
  width = w;
  height = h;
}

void FakeControl::SetIntegralHeight(bool integral) {
  check(Op::IntegralHeight);
  integralHeight = integral;
}

FakeForm::FakeForm(std::string name, double scaleWidth, double scaleHeight)
    : name(std::move(name)), scaleWidth(scaleWidth), scaleHeight(scaleHeight) {}

FakeControl& FakeForm::add(FakeControl control) {
  controls.push_back(std::make_unique<FakeControl>(std::move(control)));
  return *controls.back();
}

void FakeForm::check(FormOp op) const {
  if (failures.contains(op)) throw Failure("fake form refuses the operation");
}

template <typename T>
T FakeForm::read(FormOp op, const T& value) const {
  check(op);
  return value;
}

std::string FakeForm::Name() const { return read(FormOp::Name, name); }
double FakeForm::ScaleWidth() const { return read(FormOp::ScaleWidth, scaleWidth); }
double FakeForm::ScaleHeight() const { return read(FormOp::ScaleHeight, scaleHeight); }
std::size_t FakeForm::controlCount() const {
  check(FormOp::Enumeration);
  return controls.size();
}
LayoutControl& FakeForm::control(std::size_t position) {
  check(FormOp::Enumeration);
  if (failingPosition == position) throw Failure("fake form cannot enumerate this control");
  return *controls.at(position);
}

}  // namespace tavelin::layout::testing
