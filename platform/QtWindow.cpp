#include "QtWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace tavelin::platform {
namespace {

constexpr int kTwipsPerPixel = 15;

int pixels(int twips) { return twips / kTwipsPerPixel; }

QString text(const char* utf8) { return utf8 ? QString::fromUtf8(utf8) : QString(); }

QRect geometryOf(const ControlRow& row) {
  return QRect(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
}

std::string keyOf(std::string_view name) { return std::string(name); }

}  // namespace

QImage pictureImage(const Picture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < picture.height && y < int(picture.rows.size()); ++y) {
    const char* row = picture.rows[size_t(y)];
    for (int x = 0; x < picture.width && row[x] != '\0'; ++x) {
      const auto entry = std::find_if(picture.palette.begin(), picture.palette.end(),
                                      [&](const PaletteEntry& e) { return e.symbol == row[x]; });
      if (entry == picture.palette.end() || entry->rgb == kTransparent) continue;
      image.setPixel(x, y, 0xFF000000u | entry->rgb);
    }
  }
  return image;
}

namespace {

QRect drawnArea(const QImage& image) {
  QRect area;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) area |= QRect(x, y, 1, 1);
  return area;
}

}  // namespace

QPixmap imageListCell(const Picture& picture, int width, int height, std::uint32_t maskRgb) {
  QImage image = pictureImage(picture);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFFu) == maskRgb) image.setPixel(x, y, 0);
  // A picture a little larger than the cell often has a blank margin: dropping it keeps the
  // picture's one-pixel lines sharp, where scaling would blur them.
  if (image.width() > width || image.height() > height) {
    const QRect drawn = drawnArea(image);
    if (drawn.width() <= width && drawn.height() <= height) {
      const QRect kept(std::clamp(drawn.center().x() - width / 2, 0, image.width() - width),
                       std::clamp(drawn.center().y() - height / 2, 0, image.height() - height),
                       std::min(width, image.width()), std::min(height, image.height()));
      if (kept.contains(drawn)) image = image.copy(kept);
    }
  }
  if (image.width() != width || image.height() != height) {
    const QImage scaled =
        image.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage cell(width, height, QImage::Format_ARGB32);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    painter.drawImage((width - scaled.width()) / 2, (height - scaled.height()) / 2, scaled);
    painter.end();
    image = cell;
  }
  return QPixmap::fromImage(image);
}

// A menu item whose check mark is the program's state: choosing the item runs its handler and
// nothing else, so the handler decides what the mark becomes.
struct QtWindow::MenuBinding : MenuItem {
  QAction* action = nullptr;
  bool checked_ = false;
  bool checked() const override { return checked_; }
  void setChecked(bool on) override {
    checked_ = on;
    QSignalBlocker quiet(action);
    action->setChecked(on);
  }
};

QtWindow::QtWindow(const WindowDescription& description)
    : description_(description), form_(new MainForm), client_(new ClientArea(form_)) {
  form_->setObjectName(text(description.name));
  form_->setAttribute(Qt::WA_DeleteOnClose, false);
  form_->setWindowTitle(text(description.caption));
  QIcon icon;
  for (const Picture* picture : description.icons)
    icon.addPixmap(QPixmap::fromImage(pictureImage(*picture)));
  form_->setWindowIcon(icon);
  client_->setObjectName(u"clientArea"_s);
  form_->setCentralWidget(client_);
  for (const Picture& picture : description.imageList)
    imageList_.push_back(imageListCell(picture, description.imageWidth, description.imageHeight,
                                       description.imageMaskColor));
  buildMenus();
  buildControls();
  applyStackingAndTabOrder();
  buildLayoutForm();
  client_->resized = [this] {
    dockToolbar();
    if (resizeHandler_) resizeHandler_();
  };
  form_->resize(pixels(description.clientWidth),
                pixels(description.clientHeight) + form_->menuBar()->sizeHint().height());
}

QtWindow::~QtWindow() { delete form_; }

void QtWindow::buildControls() {
  QFont paneFont;
  QStringList families{text(description_.paneFont.family)};
  for (const char* fallback : description_.paneFont.fallbacks) families << text(fallback);
  paneFont.setFamilies(families);
  paneFont.setPointSize(description_.paneFont.points);
  paneFont.setWeight(QFont::Normal);

  for (const ControlRow& row : description_.controls) {
    const std::string name = row.name;
    QWidget* parent = client_;
    if (row.container) {
      auto it = clickables_.find(std::string_view(row.container));
      if (it == clickables_.end())
        throw std::logic_error("container " + std::string(row.container) + " comes after " + name);
      parent = it->second;
    }
    QWidget* widget = nullptr;
    switch (row.kind) {
      case ControlKind::CommandButton: {
        auto* button = new QPushButton(text(row.caption), parent);
        QObject::connect(button, &QPushButton::clicked, button,
                         [this, name] { fire(name, Event::Click); });
        widget = button;
        break;
      }
      case ControlKind::WebBrowser: {
        auto* browser = new BrowserWidget(parent);
        browsers_[name] = browser;
        widget = browser;
        break;
      }
      case ControlKind::Timer: {
        auto* timer = new QTimer(form_);
        timer->setObjectName(text(row.name));
        timer->setInterval(row.interval);
        QObject::connect(timer, &QTimer::timeout, timer,
                         [this, name] { fire(name, Event::Timer); });
        timers_[name] = timer;
        continue;
      }
      case ControlKind::ImageList:
      case ControlKind::CommonDialog:
        continue;  // components without a window
      case ControlKind::Toolbar: {
        auto* toolbar = new QToolBar(parent);
        buildToolbar(*toolbar, row);
        widget = toolbar;
        break;
      }
      case ControlKind::TextBox: {
        auto* field = new LineField(parent);
        field->setText(text(row.caption));
        field->setReadOnly(row.locked);
        textFields_[name] = field;
        widget = field;
        break;
      }
      case ControlKind::RichTextBox: {
        auto* pane = new RichTextEdit(parent);
        pane->setPaneFont(paneFont);
        pane->setHorizontalScrollBarPolicy(row.scrollBars == ScrollBars::Both ||
                                                   row.scrollBars == ScrollBars::Horizontal
                                               ? Qt::ScrollBarAsNeeded
                                               : Qt::ScrollBarAlwaysOff);
        pane->setVerticalScrollBarPolicy(row.scrollBars == ScrollBars::Both ||
                                                 row.scrollBars == ScrollBars::Vertical
                                             ? Qt::ScrollBarAsNeeded
                                             : Qt::ScrollBarAlwaysOff);
        if (row.backColor != kDefaultColor) {
          QPalette p = pane->palette();
          p.setColor(QPalette::Base, screenColor(row.backColor));
          pane->setPalette(p);
        }
        pane->onChange([this, name] { fire(name, Event::Change); });
        panes_[name] = pane;
        widget = pane;
        break;
      }
      case ControlKind::Label: {
        auto* label = new CaptionLabel(parent);
        label->setCaption(text(row.caption));
        if (row.backColor != kDefaultColor) label->setBackColor(row.backColor);
        if (row.toolTip) label->setToolTip(text(row.toolTip));
        if (row.cursor)
          label->setCursor(QCursor(QPixmap::fromImage(pictureImage(*row.cursor)),
                                   row.cursor->hotSpotX, row.cursor->hotSpotY));
        label->clicked = [this, name] { fire(name, Event::Click); };
        label->doubleClicked = [this, name] { fire(name, Event::DblClick); };
        labels_[name] = label;
        widget = label;
        break;
      }
    }
    widget->setObjectName(text(row.name));
    if (row.kind != ControlKind::Toolbar) widget->setGeometry(geometryOf(row));
    clickables_[name] = widget;
  }
}

void QtWindow::buildToolbar(QToolBar& toolbar, const ControlRow& row) {
  const std::string name = row.name;
  toolbar.setMovable(false);
  toolbar.setFloatable(false);
  toolbar.setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolbar.setIconSize(QSize(description_.imageWidth, description_.imageHeight));
  toolbar.setFocusPolicy(Qt::NoFocus);
  auto* group = new QActionGroup(&toolbar);
  group->setExclusive(true);
  for (const ToolbarButtonRow& button : description_.toolbarButtons) {
    if (button.style == ButtonStyle::Separator) {
      toolbar.addSeparator();
      continue;
    }
    QAction* action = toolbar.addAction(QString());
    action->setData(text(button.key));
    action->setToolTip(text(button.toolTip));
    if (button.image > 0 && size_t(button.image) <= imageList_.size())
      action->setIcon(QIcon(imageList_[size_t(button.image - 1)]));
    if (button.style == ButtonStyle::Grouped) {
      action->setCheckable(true);
      group->addAction(action);
    }
    if (QWidget* buttonWidget = toolbar.widgetForAction(action))
      buttonWidget->setFixedSize(description_.toolbarButtonWidth, description_.toolbarButtonHeight);
  }
  QObject::connect(&toolbar, &QToolBar::actionTriggered, &toolbar, [this, name](QAction* action) {
    const auto it = buttonHandlers_.find(name);
    if (it != buttonHandlers_.end() && it->second) it->second(action->data().toString());
  });
  toolbarBindings_.push_back(std::make_unique<ToolbarControl>(toolbar));
  toolbars_[name] = toolbarBindings_.back().get();
  if (!row.container) {
    dockedToolbar_ = &toolbar;
    dockedToolbarHeight_ = pixels(row.height);
  }
}

void QtWindow::buildLayoutForm() {
  layoutForm_ = std::make_unique<QtLayoutForm>(description_.name, *client_);
  for (const ControlRow& row : description_.controls) {
    const auto it = clickables_.find(std::string_view(row.name));
    if (it == clickables_.end())
      layoutForm_->add(std::make_unique<NamedOnlyControl>(row.name));
    else if (it->second == dockedToolbar_)
      layoutForm_->add(
          std::make_unique<DockedToolbarControl>(row.name, *it->second, [this] { dockToolbar(); }));
    else
      layoutForm_->add(std::make_unique<WidgetControl>(row.name, *it->second));
  }
  for (const MenuRow& row : description_.menus)
    layoutForm_->add(std::make_unique<NamedOnlyControl>(row.name));
}

void QtWindow::dockToolbar() {
  if (dockedToolbar_) dockedToolbar_->setGeometry(0, 0, client_->width(), dockedToolbarHeight_);
}

void QtWindow::buildMenus() {
  std::map<std::string, QMenu*, std::less<>> menus;
  QMenuBar* bar = form_->menuBar();
  for (const MenuRow& row : description_.menus) {
    const std::string name = row.name;
    const bool opensMenu =
        std::any_of(description_.menus.begin(), description_.menus.end(),
                    [&](const MenuRow& other) { return other.parent && name == other.parent; });
    if (!row.parent && opensMenu) {
      QMenu* menu = bar->addMenu(text(row.caption));
      menu->setObjectName(text(row.name));
      menu->menuAction()->setObjectName(text(row.name));
      menus[name] = menu;
      continue;
    }
    QAction* action = nullptr;
    if (!row.parent) {
      action = bar->addAction(text(row.caption));
    } else {
      QMenu* menu = menus.at(row.parent);
      action = std::string_view(row.caption) == "-" ? menu->addSeparator()
                                                    : menu->addAction(text(row.caption));
    }
    action->setObjectName(text(row.name));
    if (row.shortcut) action->setShortcut(QKeySequence(text(row.shortcut)));
    auto binding = std::make_unique<MenuBinding>();
    binding->action = action;
    if (row.check != Check::None) {
      action->setCheckable(true);
      binding->setChecked(row.check == Check::On);
    }
    MenuBinding* raw = binding.get();
    QObject::connect(action, &QAction::triggered, action, [this, raw, name] {
      raw->setChecked(raw->checked_);
      fire(name, Event::Click);
    });
    menuItems_[name] = raw;
    menuBindings_.push_back(std::move(binding));
  }
}

void QtWindow::applyStackingAndTabOrder() {
  // The first row lies in front: raise from the last row to the first.
  for (auto row = description_.controls.rbegin(); row != description_.controls.rend(); ++row) {
    const auto it = clickables_.find(std::string_view(row->name));
    if (it != clickables_.end()) it->second->raise();
  }
  applyTabOrder();
}

void QtWindow::applyTabOrder() {
  // A view that hands its focus to an inner widget takes part through that widget.
  const auto focusTarget = [](QWidget* w) { return w->focusProxy() ? w->focusProxy() : w; };
  std::vector<const ControlRow*> ordered;
  for (const ControlRow& row : description_.controls) {
    const auto it = clickables_.find(std::string_view(row.name));
    if (it != clickables_.end() && row.tabIndex >= 0 &&
        focusTarget(it->second)->focusPolicy() & Qt::TabFocus)
      ordered.push_back(&row);
  }
  std::stable_sort(ordered.begin(), ordered.end(), [](const ControlRow* a, const ControlRow* b) {
    return a->tabIndex < b->tabIndex;
  });
  for (size_t i = 1; i < ordered.size(); ++i)
    QWidget::setTabOrder(focusTarget(clickables_.at(ordered[i - 1]->name)),
                         focusTarget(clickables_.at(ordered[i]->name)));
}

template <class T>
T& QtWindow::find(std::map<std::string, T*, std::less<>>& map, std::string_view name,
                  const char* kind) {
  const auto it = map.find(name);
  if (it == map.end())
    throw std::logic_error("the window has no " + std::string(kind) + " " + keyOf(name));
  return *it->second;
}

RichTextPane& QtWindow::pane(std::string_view name) { return find(panes_, name, "pane"); }
Label& QtWindow::label(std::string_view name) { return find(labels_, name, "label"); }
MenuItem& QtWindow::menuItem(std::string_view name) { return find(menuItems_, name, "menu item"); }
Toolbar& QtWindow::toolbar(std::string_view name) { return find(toolbars_, name, "toolbar"); }
TextField& QtWindow::textField(std::string_view name) {
  return find(textFields_, name, "text field");
}
BrowserView& QtWindow::browser(std::string_view name) {
  return find(browsers_, name, "browser view");
}
BrowserWidget& QtWindow::browserWidget(std::string_view name) {
  return find(browsers_, name, "browser view");
}
QTimer* QtWindow::timer(std::string_view name) { return &find(timers_, name, "timer"); }

void QtWindow::on(std::string_view control, Event event, std::function<void()> handler) {
  const bool known =
      clickables_.count(control) || menuItems_.count(control) || timers_.count(control);
  if (!known) throw std::logic_error("the window has no control " + keyOf(control));
  handlers_[{keyOf(control), event}] = std::move(handler);
}

void QtWindow::onButtonClick(std::string_view toolbar,
                             std::function<void(const QString& key)> handler) {
  find(toolbars_, toolbar, "toolbar");
  buttonHandlers_[keyOf(toolbar)] = std::move(handler);
}

void QtWindow::onQueryUnload(std::function<void(std::int16_t& cancel, int unloadMode)> handler) {
  form_->queryUnload = std::move(handler);
}

void QtWindow::onResize(std::function<void()> handler) { resizeHandler_ = std::move(handler); }

void QtWindow::fire(const std::string& control, Event event) {
  const auto it = handlers_.find({control, event});
  if (it == handlers_.end() || !it->second) return;
  // Handlers report their own failures; nothing may escape into Qt's event loop.
  try {
    it->second();
  } catch (const std::exception& e) {
    qCritical("unhandled failure in %s: %s", control.c_str(), e.what());
  }
}

void QtWindow::show() {
  // Centred on the screen: placed before it is shown, so it does not jump, and placed again once
  // the frame the window manager adds is known.
  const auto centre = [this] {
    if (QScreen* screen = form_->screen() ? form_->screen() : QGuiApplication::primaryScreen()) {
      QRect frame = form_->frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      form_->move(frame.topLeft());
    }
  };
  centre();
  form_->show();
  centre();
  for (auto& [name, timer] : timers_) timer->start();
}

std::unique_ptr<Window> buildWindow(const WindowDescription& description) {
  return std::make_unique<QtWindow>(description);
}

}  // namespace tavelin::platform
