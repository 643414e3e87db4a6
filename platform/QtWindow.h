#pragma once

#include <QPixmap>
#include <QTimer>
#include <map>
#include <string>
#include <vector>

#include "QtControls.h"
#include "QtLayoutForm.h"
#include "RichTextEdit.h"
#include "Window.h"

class QPushButton;

namespace tavelin::platform {

QImage pictureImage(const Picture& picture);
// A picture fitted into an image-list cell, its mask colour transparent, keeping its aspect.
QPixmap imageListCell(const Picture& picture, int width, int height, std::uint32_t maskRgb);

// The Qt window built from a description. Widgets carry their control's name as objectName, so
// tests and the layout adapter find them by name.
class QtWindow : public Window {
 public:
  explicit QtWindow(const WindowDescription& description);
  ~QtWindow() override;

  FormWindow& form() override { return *form_; }
  RichTextPane& pane(std::string_view name) override;
  Label& label(std::string_view name) override;
  MenuItem& menuItem(std::string_view name) override;
  Toolbar& toolbar(std::string_view name) override;
  TextField& textField(std::string_view name) override;
  BrowserView& browser(std::string_view name) override;
  void on(std::string_view control, Event event, std::function<void()> handler) override;
  void onButtonClick(std::string_view toolbar,
                     std::function<void(const QString& key)> handler) override;
  void onQueryUnload(std::function<void(std::int16_t& cancel, int unloadMode)> handler) override;
  void onResize(std::function<void()> handler) override;
  layout::LayoutForm& layoutForm() override { return *layoutForm_; }
  void show() override;

  MainForm& mainWindow() { return *form_; }
  ClientArea& clientArea() { return *client_; }
  const WindowDescription& description() const { return description_; }
  const std::vector<QPixmap>& imageList() const { return imageList_; }
  QTimer* timer(std::string_view name);
  BrowserWidget& browserWidget(std::string_view name);
  // Keeps the docked toolbar at the top edge across the client width, at its own height.
  void dockToolbar();

 private:
  struct MenuBinding;
  void buildControls();
  void buildToolbar(QToolBar& toolbar, const ControlRow& row);
  void buildMenus();
  void applyStackingAndTabOrder();
  void applyTabOrder();
  void buildLayoutForm();
  void fire(const std::string& control, Event event);
  template <class T>
  T& find(std::map<std::string, T*, std::less<>>& map, std::string_view name, const char* kind);

  const WindowDescription& description_;
  MainForm* form_;
  ClientArea* client_;
  QToolBar* dockedToolbar_ = nullptr;
  int dockedToolbarHeight_ = 0;
  std::vector<QPixmap> imageList_;
  std::map<std::string, RichTextEdit*, std::less<>> panes_;
  std::map<std::string, CaptionLabel*, std::less<>> labels_;
  std::map<std::string, MenuItem*, std::less<>> menuItems_;
  std::map<std::string, Toolbar*, std::less<>> toolbars_;
  std::map<std::string, LineField*, std::less<>> textFields_;
  std::map<std::string, BrowserWidget*, std::less<>> browsers_;
  std::map<std::string, QTimer*, std::less<>> timers_;
  std::map<std::string, QWidget*, std::less<>> clickables_;
  std::vector<std::unique_ptr<MenuBinding>> menuBindings_;
  std::vector<std::unique_ptr<Toolbar>> toolbarBindings_;
  std::map<std::pair<std::string, Event>, std::function<void()>> handlers_;
  std::map<std::string, std::function<void(const QString&)>, std::less<>> buttonHandlers_;
  std::function<void()> resizeHandler_;
  std::unique_ptr<QtLayoutForm> layoutForm_;
};

}  // namespace tavelin::platform
