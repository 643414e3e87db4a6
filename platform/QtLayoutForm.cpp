#include "QtLayoutForm.h"

#include <cmath>
#include <limits>

#include "layout/LayoutFailure.h"

namespace tavelin::platform {
namespace {

constexpr double kTwipsPerPixel = 15.0;

int toPixels(double twips) {
  const double pixels = std::nearbyint(twips / kTwipsPerPixel);
  if (!std::isfinite(pixels) || std::abs(pixels) > std::numeric_limits<int>::max() / 2)
    throw layout::Failure("a coordinate beyond the screen's range");
  return int(pixels);
}

}  // namespace

// ---- WidgetControl ----

QWidget& WidgetControl::widget() const {
  if (!widget_) throw layout::Failure("the control " + name_ + " no longer exists");
  return *widget_;
}

std::int32_t WidgetControl::Index() const {
  throw layout::Failure(name_ + " is not part of a control array");
}

double WidgetControl::Left() const { return widget().x() * kTwipsPerPixel; }
double WidgetControl::Top() const { return widget().y() * kTwipsPerPixel; }
double WidgetControl::Width() const { return widget().width() * kTwipsPerPixel; }
double WidgetControl::Height() const { return widget().height() * kTwipsPerPixel; }
double WidgetControl::X1() const { throw layout::Failure(name_ + " is not a line"); }
double WidgetControl::Y1() const { throw layout::Failure(name_ + " is not a line"); }
double WidgetControl::X2() const { throw layout::Failure(name_ + " is not a line"); }
double WidgetControl::Y2() const { throw layout::Failure(name_ + " is not a line"); }
void WidgetControl::SetX1(double) { throw layout::Failure(name_ + " is not a line"); }
void WidgetControl::SetY1(double) { throw layout::Failure(name_ + " is not a line"); }
void WidgetControl::SetX2(double) { throw layout::Failure(name_ + " is not a line"); }
void WidgetControl::SetY2(double) { throw layout::Failure(name_ + " is not a line"); }

void WidgetControl::Move(double left, double top) {
  const QRect now = widget().geometry();
  place(QRect(toPixels(left), toPixels(top), now.width(), now.height()));
}

void WidgetControl::Move(double left, double top, double width) {
  place(QRect(toPixels(left), toPixels(top), std::max(0, toPixels(width)), widget().height()));
}

void WidgetControl::Move(double left, double top, double width, double height) {
  place(QRect(toPixels(left), toPixels(top), std::max(0, toPixels(width)),
              std::max(0, toPixels(height))));
}

void WidgetControl::place(const QRect& pixels) { widget().setGeometry(pixels); }

void WidgetControl::SetIntegralHeight(bool) {
  throw layout::Failure(name_ + " has no IntegralHeight");
}

// ---- NamedOnlyControl ----

void NamedOnlyControl::fail(const char* what) const {
  throw layout::Failure(name_ + " has no " + what);
}

std::int32_t NamedOnlyControl::Index() const { fail("Index"); }
double NamedOnlyControl::Left() const { fail("Left"); }
double NamedOnlyControl::Top() const { fail("Top"); }
double NamedOnlyControl::Width() const { fail("Width"); }
double NamedOnlyControl::Height() const { fail("Height"); }
double NamedOnlyControl::X1() const { fail("X1"); }
double NamedOnlyControl::Y1() const { fail("Y1"); }
double NamedOnlyControl::X2() const { fail("X2"); }
double NamedOnlyControl::Y2() const { fail("Y2"); }
void NamedOnlyControl::SetX1(double) { fail("X1"); }
void NamedOnlyControl::SetY1(double) { fail("Y1"); }
void NamedOnlyControl::SetX2(double) { fail("X2"); }
void NamedOnlyControl::SetY2(double) { fail("Y2"); }
void NamedOnlyControl::Move(double, double) { fail("place on the window"); }
void NamedOnlyControl::Move(double, double, double) { fail("place on the window"); }
void NamedOnlyControl::Move(double, double, double, double) { fail("place on the window"); }
void NamedOnlyControl::SetIntegralHeight(bool) { fail("IntegralHeight"); }

// ---- QtLayoutForm ----

double QtLayoutForm::ScaleWidth() const { return client_.width() * kTwipsPerPixel; }
double QtLayoutForm::ScaleHeight() const { return client_.height() * kTwipsPerPixel; }

}  // namespace tavelin::platform
