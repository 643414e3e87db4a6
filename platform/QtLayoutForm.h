#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "layout/LayoutForm.h"

namespace tavelin::platform {

// A control that is a widget: its geometry in twips, relative to its container.
class WidgetControl : public layout::LayoutControl {
 public:
  WidgetControl(std::string name, QWidget& widget) : name_(std::move(name)), widget_(&widget) {}
  std::string Name() const override { return name_; }
  std::int32_t Index() const override;
  bool IsLine() const noexcept override { return false; }
  double Left() const override;
  double Top() const override;
  double Width() const override;
  double Height() const override;
  double X1() const override;
  double Y1() const override;
  double X2() const override;
  double Y2() const override;
  void SetX1(double) override;
  void SetY1(double) override;
  void SetX2(double) override;
  void SetY2(double) override;
  void Move(double left, double top) override;
  void Move(double left, double top, double width) override;
  void Move(double left, double top, double width, double height) override;
  void SetIntegralHeight(bool) override;

 protected:
  QWidget& widget() const;
  virtual void place(const QRect& pixels);

 private:
  std::string name_;
  QPointer<QWidget> widget_;
};

// A toolbar docked to the top edge: wherever it is asked to go, it spans the client width at the
// top with its own height.
class DockedToolbarControl : public WidgetControl {
 public:
  DockedToolbarControl(std::string name, QWidget& toolbar, std::function<void()> dock)
      : WidgetControl(std::move(name), toolbar), dock_(std::move(dock)) {}

 protected:
  void place(const QRect&) override { dock_(); }

 private:
  std::function<void()> dock_;
};

// A component without a window (a timer, an image list, a dialog component) or a menu item: it
// has a name and nothing else, so every other operation fails.
class NamedOnlyControl : public layout::LayoutControl {
 public:
  explicit NamedOnlyControl(std::string name) : name_(std::move(name)) {}
  std::string Name() const override { return name_; }
  std::int32_t Index() const override;
  bool IsLine() const noexcept override { return false; }
  double Left() const override;
  double Top() const override;
  double Width() const override;
  double Height() const override;
  double X1() const override;
  double Y1() const override;
  double X2() const override;
  double Y2() const override;
  void SetX1(double) override;
  void SetY1(double) override;
  void SetX2(double) override;
  void SetY2(double) override;
  void Move(double, double) override;
  void Move(double, double, double) override;
  void Move(double, double, double, double) override;
  void SetIntegralHeight(bool) override;

 private:
  [[noreturn]] void fail(const char* what) const;
  std::string name_;
};

// The window's client area as a form, its scale sizes in twips.
class QtLayoutForm : public layout::LayoutForm {
 public:
  QtLayoutForm(std::string name, QWidget& clientArea)
      : name_(std::move(name)), client_(clientArea) {}
  void add(std::unique_ptr<layout::LayoutControl> control) {
    controls_.push_back(std::move(control));
  }

  std::string Name() const override { return name_; }
  double ScaleWidth() const override;
  double ScaleHeight() const override;
  std::size_t controlCount() const override { return controls_.size(); }
  layout::LayoutControl& control(std::size_t position) override { return *controls_.at(position); }

 private:
  std::string name_;
  QWidget& client_;
  std::vector<std::unique_ptr<layout::LayoutControl>> controls_;
};

}  // namespace tavelin::platform
