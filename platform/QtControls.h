#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QToolBar>
#include <QWebEngineView>
#include <functional>

#include "Controls.h"

namespace tavelin::platform {

// The screen colour of a 32-bit colour value: 0x00BBGGRR, or 0x80000000 + n for system colour n,
// taken from the application's palette.
QColor screenColor(std::uint32_t color);

// A caption label that reports clicks and double-clicks. A double-click arrives after the click of
// its first press, as users of the platform expect.
class CaptionLabel : public QLabel, public Label {
  Q_OBJECT
 public:
  explicit CaptionLabel(QWidget* parent);
  QString caption() const override;
  void setCaption(const QString& caption) override;
  std::uint32_t backColor() const override;
  void setBackColor(std::uint32_t color) override;

  std::function<void()> clicked;
  std::function<void()> doubleClicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  std::uint32_t backColor_ = 0;
  bool releaseEndsDoubleClick_ = false;
};

class MenuAction : public MenuItem {
 public:
  explicit MenuAction(QAction& action) : action_(action) {}
  bool checked() const override { return action_.isChecked(); }
  void setChecked(bool on) override { action_.setChecked(on); }

 private:
  QAction& action_;
};

class ToolbarControl : public Toolbar {
 public:
  explicit ToolbarControl(QToolBar& toolbar) : toolbar_(toolbar) {}
  bool visible() const override { return !toolbar_.isHidden(); }
  void setVisible(bool on) override { toolbar_.setVisible(on); }

 private:
  QToolBar& toolbar_;
};

class LineField : public QLineEdit, public TextField {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;
  QString text() const override { return QLineEdit::text(); }
  void setText(const QString& text) override {
    QLineEdit::setText(text);
    home(false);  // show the start of a text longer than the field
  }
};

// The browser view. The web engine is large to start and to keep, and the view is blank until its
// first page, so the engine's view is made at the first navigation; it takes the control's name
// and fills the control.
class BrowserWidget : public QWidget, public BrowserView {
  Q_OBJECT
 public:
  explicit BrowserWidget(QWidget* parent);
  void navigate(const QString& target) override;

  // The engine's view, made now if it was not yet.
  QWebEngineView& view();
  bool hasView() const { return view_ != nullptr; }

 private:
  QWebEngineView* view_ = nullptr;
};

// The client area: the central widget that holds every control, reporting its resizes.
class ClientArea : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  std::function<void()> resized;

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

class MainForm : public QMainWindow, public FormWindow {
  Q_OBJECT
 public:
  using QMainWindow::QMainWindow;
  QString caption() const override { return windowTitle(); }
  void setCaption(const QString& caption) override { setWindowTitle(caption); }
  void unload() override { close(); }

  std::function<void(std::int16_t& cancel, int unloadMode)> queryUnload;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace tavelin::platform
