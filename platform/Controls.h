#pragma once

#include <QString>
#include <cstdint>

namespace tavelin::platform {

// The window's simple controls as the editor sees them. Colours are 32-bit colour values:
// 0x00BBGGRR, or 0x80000000 + n for system colour n.

class Label {
 public:
  virtual ~Label() = default;
  virtual QString caption() const = 0;
  virtual void setCaption(const QString& caption) = 0;
  virtual std::uint32_t backColor() const = 0;
  virtual void setBackColor(std::uint32_t color) = 0;
};

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  virtual bool checked() const = 0;
  virtual void setChecked(bool on) = 0;
};

class Toolbar {
 public:
  virtual ~Toolbar() = default;
  virtual bool visible() const = 0;
  virtual void setVisible(bool on) = 0;
};

class TextField {
 public:
  virtual ~TextField() = default;
  virtual QString text() const = 0;
  virtual void setText(const QString& text) = 0;
};

class BrowserView {
 public:
  virtual ~BrowserView() = default;
  // A file path goes to its file; anything else is taken as a web address. Does not wait for the
  // page.
  virtual void navigate(const QString& target) = 0;
};

class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual QString caption() const = 0;
  virtual void setCaption(const QString& caption) = 0;
  // Asks the window to unload; its unload query may keep it open.
  virtual void unload() = 0;
};

}  // namespace tavelin::platform
