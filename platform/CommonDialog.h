#pragma once

#include <QString>
#include <cstdint>

namespace tavelin::platform {

class PrinterDevice;

// The one dialog component every dialog of the window uses. Its settings carry over from one use to
// the next; each command sets only what it needs. Showing a dialog fills in the results below.
class CommonDialog {
 public:
  virtual ~CommonDialog() = default;

  // Settings.
  QString DialogTitle;
  QString Filter;  // "description|pattern|description|pattern..."
  int Flags = 0;

  // Results, also read as the next dialog's starting values.
  QString FileName;         // full path; empty when the file dialog was closed without a choice
  std::uint32_t Color = 0;  // 0x00BBGGRR
  QString FontName;
  float FontSize = 0;
  bool FontBold = false;
  bool FontItalic = false;
  bool FontUnderline = false;
  bool FontStrikethru = false;

  // Print-dialog flags.
  static constexpr int PD_SELECTION = 0x1;
  static constexpr int PD_NOPAGENUMS = 0x8;
  static constexpr int PD_RETURNDC = 0x100;

  // Each returns whether the user confirmed. A closed file dialog leaves FileName empty.
  virtual bool ShowOpen() = 0;
  virtual bool ShowSave() = 0;
  virtual bool ShowFont() = 0;
  virtual bool ShowColor() = 0;
  // The printer chosen, or nullptr when the dialog was closed without a choice.
  virtual PrinterDevice* ShowPrinter() = 0;
};

}  // namespace tavelin::platform
