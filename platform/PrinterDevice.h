#pragma once

#include <QPrinter>

namespace tavelin::platform {

// The printer the printer dialog handed back: what the pane prints onto.
class PrinterDevice {
 public:
  explicit PrinterDevice(QPrinter& printer) : printer_(printer) {}
  QPrinter& printer() { return printer_; }

 private:
  QPrinter& printer_;
};

}  // namespace tavelin::platform
