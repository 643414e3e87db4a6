// One resize pass of the layout engine over forms of growing size. Every control is looked up by a
// linear scan of the records, so a pass is expected to grow with the square of the control count.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "layout/LayoutEngine.h"

namespace {

using tavelin::layout::LayoutControl;
using tavelin::layout::LayoutEngine;
using tavelin::layout::LayoutForm;

// A control that accepts everything and only stores what it is given.
class PlainControl final : public LayoutControl {
 public:
  PlainControl(std::string name, double left, double top)
      : name_(std::move(name)), left_(left), top_(top) {}

  std::string Name() const override { return name_; }
  std::int32_t Index() const override { throw tavelin::layout::Failure("not in a control array"); }
  bool IsLine() const noexcept override { return false; }
  double Left() const override { return left_; }
  double Top() const override { return top_; }
  double Width() const override { return width_; }
  double Height() const override { return height_; }
  double X1() const override { return 0; }
  double Y1() const override { return 0; }
  double X2() const override { return 0; }
  double Y2() const override { return 0; }
  void SetX1(double) override {}
  void SetY1(double) override {}
  void SetX2(double) override {}
  void SetY2(double) override {}
  void Move(double l, double t) override { left_ = l, top_ = t; }
  void Move(double l, double t, double w) override { Move(l, t), width_ = w; }
  void Move(double l, double t, double w, double h) override { Move(l, t, w), height_ = h; }
  void SetIntegralHeight(bool) override {}

 private:
  std::string name_;
  double left_, top_, width_ = 240, height_ = 120;
};

class PlainForm final : public LayoutForm {
 public:
  explicit PlainForm(std::int64_t controls) {
    for (std::int64_t i = 0; i < controls; ++i) {
      controls_.emplace_back("Control" + std::to_string(i), static_cast<double>(i % 40) * 240,
                             static_cast<double>(i / 40) * 120);
    }
  }

  std::string Name() const override { return "frmM"; }
  double ScaleWidth() const override { return width_; }
  double ScaleHeight() const override { return height_; }
  std::size_t controlCount() const override { return controls_.size(); }
  LayoutControl& control(std::size_t position) override { return controls_[position]; }

  void resize(double width, double height) { width_ = width, height_ = height; }

 private:
  std::vector<PlainControl> controls_;
  double width_ = 9600, height_ = 7200;
};

// A resize of a form recorded before: two form lookups and one control lookup per control.
void BM_ResizePass(benchmark::State& state) {
  PlainForm form(state.range(0));
  LayoutEngine engine;
  engine.ResizeForm(form);
  bool wide = false;
  for (auto _ : state) {
    wide = !wide;
    form.resize(wide ? 14400 : 9600, wide ? 9000 : 7200);
    engine.ResizeForm(form);
  }
  state.SetComplexityN(state.range(0));
  state.counters["controls"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ResizePass)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oNSquared);

// The first resize of a form: it records the form and every control, then moves them.
void BM_FirstPass(benchmark::State& state) {
  PlainForm form(state.range(0));
  for (auto _ : state) {
    LayoutEngine engine;
    engine.ResizeForm(form);
    benchmark::DoNotOptimize(engine.ControlCount());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FirstPass)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oNSquared);

}  // namespace

BENCHMARK_MAIN();
