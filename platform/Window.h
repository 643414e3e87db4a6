#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "Controls.h"
#include "RichTextPane.h"
#include "WindowDescription.h"

namespace tavelin::layout {
class LayoutForm;
}

namespace tavelin::platform {

// A window built from its description, as the editor sees it: its controls by name and its events.
// Asking for a name the description does not hold is a programming error and throws
// std::logic_error.
class Window {
 public:
  enum class Event { Click, DblClick, Change, Timer };

  virtual ~Window() = default;

  virtual FormWindow& form() = 0;
  virtual RichTextPane& pane(std::string_view name) = 0;
  virtual Label& label(std::string_view name) = 0;
  virtual MenuItem& menuItem(std::string_view name) = 0;
  virtual Toolbar& toolbar(std::string_view name) = 0;
  virtual TextField& textField(std::string_view name) = 0;
  virtual BrowserView& browser(std::string_view name) = 0;

  // Every event reaches exactly one handler. Menu items and buttons raise Click.
  virtual void on(std::string_view control, Event event, std::function<void()> handler) = 0;
  virtual void onButtonClick(std::string_view toolbar,
                             std::function<void(const QString& key)> handler) = 0;
  // cancel is a truth value (-1 keeps the window open); unloadMode says why it is closing.
  virtual void onQueryUnload(std::function<void(std::int16_t& cancel, int unloadMode)> handler) = 0;
  virtual void onResize(std::function<void()> handler) = 0;

  // The client area and every control of the description, then every menu item, as the layout
  // engine sees a form.
  virtual layout::LayoutForm& layoutForm() = 0;

  // Shows the window centred on the screen and starts its timers.
  virtual void show() = 0;
};

std::unique_ptr<Window> buildWindow(const WindowDescription& description);

}  // namespace tavelin::platform
