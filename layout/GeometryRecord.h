#pragma once

#include <cstdint>
#include <string>

namespace tavelin::layout {

// One record type serves both registries. A control's record uses Name to Width; a form's record
// uses Name, ScaleHeight and ScaleWidth. Geometry is in the form's scale units, in whole numbers.
// A field whose source could not be read keeps its initial empty text or 0.
struct GeometryRecord {
  std::string Name;
  std::int32_t Index = 0;   // position in a control array; 0 for a control outside one
  std::string FormName;     // the owning form's Name
  std::int32_t Top = 0;     // a line's Y1
  std::int32_t Left = 0;    // without the hidden offset; a line's X1
  std::int32_t Height = 0;  // a line's Y2
  std::int32_t Width = 0;   // a line's X2, without the hidden offset
  std::int32_t ScaleHeight = 0;
  std::int32_t ScaleWidth = 0;

  bool operator==(const GeometryRecord&) const = default;
};

}  // namespace tavelin::layout
