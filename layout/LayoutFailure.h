#pragma once

#include <stdexcept>

namespace tavelin::layout {

// The one failure type of the layout engine: a form or control operation that could not be done
// (a control without that property, a refused size) or an engine computation that left the 32-bit
// range or divided by zero. The engine absorbs it step by step; see LayoutEngine.h.
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tavelin::layout
