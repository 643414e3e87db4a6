#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavelin::layout {

// What the layout engine needs of a control. Every operation except IsLine may throw
// tavelin::layout::Failure; the engine decides step by step what a failure means.
// Coordinates are in the owning form's scale units, relative to the control's container.
class LayoutControl {
 public:
  virtual ~LayoutControl() = default;

  // The control's name; the elements of a control array share it.
  virtual std::string Name() const = 0;
  // Position within a control array; fails for a control that is not part of one.
  virtual std::int32_t Index() const = 0;
  // True for a line control, which has end points instead of Left/Top/Width/Height. Never fails.
  virtual bool IsLine() const noexcept = 0;

  // Current geometry; a read fails on a control without that property (a menu item, a line).
  virtual double Left() const = 0;
  virtual double Top() const = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;

  // A line's end points.
  virtual double X1() const = 0;
  virtual double Y1() const = 0;
  virtual double X2() const = 0;
  virtual double Y2() const = 0;
  virtual void SetX1(double value) = 0;
  virtual void SetY1(double value) = 0;
  virtual void SetX2(double value) = 0;
  virtual void SetY2(double value) = 0;

  // Set left and top and, when given, width and height, in one call. Fails on a control that
  // cannot be moved or refuses the size; a failed call changes nothing.
  virtual void Move(double left, double top) = 0;
  virtual void Move(double left, double top, double width) = 0;
  virtual void Move(double left, double top, double width, double height) = 0;

  // Whether a list control may only show whole rows; fails on a control without the property.
  virtual void SetIntegralHeight(bool integral) = 0;
};

// What the layout engine needs of a form. Every operation may throw tavelin::layout::Failure.
class LayoutForm {
 public:
  virtual ~LayoutForm() = default;

  // Identifies the form; the same text on every call.
  virtual std::string Name() const = 0;
  // The current inner size in the form's scale units.
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;

  // Every control the form holds (menu items and controls invisible at run time included), in the
  // form's own collection order, as control(0) .. control(controlCount() - 1).
  virtual std::size_t controlCount() const = 0;
  virtual LayoutControl& control(std::size_t position) = 0;
};

}  // namespace tavelin::layout
