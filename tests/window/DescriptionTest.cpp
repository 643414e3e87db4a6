// The built window against the window's description, written out here a second time from the
// design so that a wrong row in the description table or a builder fault shows.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWebEngineView>

#include "EditorFixture.h"
#include "QtControls.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

constexpr int kTwips = 15;

struct ExpectedControl {
  const char* name;
  const char* qtClass;
  const char* parent;  // objectName of the parent widget
  int left, top, width, height;
};

// In front-to-back order.
const ExpectedControl kControls[] = {
    {"Command1", "QPushButton", "clientArea", 9240, 240, 1455, 375},
    {"WebBrowser1", "tavelin::platform::BrowserWidget", "clientArea", 7200, 720, 8175, 9375},
    {"tbToolBar", "QToolBar", "clientArea", 0, 0, 15375, 405},
    {"Text2", "QLineEdit", "tbToolBar", 12120, 120, 2535, 270},
    {"RichTextBox1", "QTextEdit", "clientArea", 0, 720, 7215, 9375},
    {"RichTextBox2", "QTextEdit", "clientArea", 0, 720, 7215, 9375},
    {"RichTextBox3", "QTextEdit", "clientArea", 0, 720, 7215, 9375},
    {"Label5", "QLabel", "clientArea", 4920, 480, 2175, 255},
    {"Label4", "QLabel", "clientArea", 2520, 480, 2295, 255},
    {"Label3", "QLabel", "clientArea", 12840, 480, 2175, 255},
    {"Label2", "QLabel", "clientArea", 7440, 480, 1575, 255},
    {"Label1", "QLabel", "clientArea", 0, 480, 2415, 255},
};

using WindowDescription = EditorFixture;

TEST_F(WindowDescription, WindowHasItsCaptionClientSizeAndIcons) {
  EXPECT_EQ(mainWindow().windowTitle(), u"Tavelin 2.0"_s);
  QWidget* client = widget("clientArea");
  ASSERT_TRUE(client);
  EXPECT_EQ(client->size(), QSize(15375 / kTwips, 10095 / kTwips));
  const QList<QSize> iconSizes = mainWindow().windowIcon().availableSizes();
  EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
  EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
  EXPECT_FALSE(mainWindow().isMinimized());
  EXPECT_FALSE(mainWindow().isMaximized());
}

TEST_F(WindowDescription, EveryControlHasItsKindPlaceAndSizeInTwips) {
  for (const ExpectedControl& c : kControls) {
    SCOPED_TRACE(c.name);
    QWidget* w = widget(c.name);
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->inherits(c.qtClass)) << w->metaObject()->className();
    EXPECT_EQ(w->parentWidget()->objectName(), QString::fromUtf8(c.parent));
    const QRect g = w->geometry();
    EXPECT_EQ(g.x() * kTwips, c.left);
    EXPECT_EQ(g.y() * kTwips, c.top);
    EXPECT_EQ(g.width() * kTwips, c.width);
    EXPECT_EQ(g.height() * kTwips, c.height);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isEnabled());
  }
}

TEST_F(WindowDescription, WindowlessComponentsExistWithoutAWidget) {
  auto* timer = mainWindow().findChild<QTimer*>(u"Timer1"_s);
  ASSERT_TRUE(timer);
  EXPECT_EQ(timer->interval(), 100);
  EXPECT_TRUE(timer->isActive());
  EXPECT_FALSE(mainWindow().findChild<QWidget*>(u"imlToolbarIcons"_s));
  EXPECT_FALSE(mainWindow().findChild<QWidget*>(u"dlgCommonDialog"_s));
}

TEST_F(WindowDescription, EarlierRowsLieInFrontOfLaterOnes) {
  QWidget* client = widget("clientArea");
  // Qt paints a parent's children in the order of its child list: the last lies in front.
  const QObjectList children = client->children();
  int previous = INT_MAX;
  for (const ExpectedControl& c : kControls) {
    if (std::string_view(c.parent) != "clientArea") continue;
    SCOPED_TRACE(c.name);
    const int position = int(children.indexOf(widget(c.name)));
    ASSERT_GE(position, 0);
    EXPECT_LT(position, previous);
    previous = position;
  }
}

// The control a widget belongs to: itself or the named control it is an inner part of (the
// browser view's render widget, say).
QString controlOf(QWidget* w, QWidget* client) {
  while (w && w->parentWidget() && w->parentWidget() != client &&
         w->parentWidget()->objectName() != u"tbToolBar"_s)
    w = w->parentWidget();
  return w ? w->objectName() : QString();
}

TEST_F(WindowDescription, RunButtonReceivesClicksWhereItCoversTheToolbar) {
  QWidget* client = widget("clientArea");
  // The Run button covers the toolbar's lower 165 twips: pixel rows 16 to 26 of the client area.
  for (int y : {16, 20, 26}) {
    SCOPED_TRACE(y);
    EXPECT_EQ(client->childAt(QPoint(9240 / kTwips + 10, y)), widget("Command1"));
  }
  EXPECT_EQ(client->childAt(QPoint(9240 / kTwips + 10, 10)), widget("tbToolBar"));
  // The browser view covers the panes' right-most pixel.
  EXPECT_EQ(controlOf(client->childAt(QPoint(7200 / kTwips, 300)), client), u"WebBrowser1"_s);
}

TEST_F(WindowDescription, TabMovesFocusInTabIndexOrder) {
  const QStringList expected{u"RichTextBox1"_s, u"WebBrowser1"_s,  u"Text2"_s,
                             u"Command1"_s,     u"RichTextBox2"_s, u"RichTextBox3"_s};
  QWidget* client = widget("clientArea");
  // Tab moves the focus from where it is; start in the HTML pane.
  widget("RichTextBox1")->setFocus();
  QApplication::processEvents();
  QStringList order;
  QWidget* w = widget("RichTextBox1");
  for (int steps = 0; steps < 200 && order.size() < expected.size();
       ++steps, w = w->nextInFocusChain()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !client->isAncestorOf(w)) continue;
    const QString control = controlOf(w, client);
    if (order.isEmpty() || order.last() != control) order << control;
  }
  EXPECT_EQ(order, expected);
  for (const char* label : {"Label1", "Label2", "Label3", "Label4", "Label5"})
    EXPECT_EQ(widget(label)->focusPolicy(), Qt::NoFocus) << label;
}

TEST_F(WindowDescription, LabelsHaveCaptionsColoursTooltipsAndCursors) {
  struct Expected {
    const char* name;
    const char* caption;
    std::uint32_t backColor;
    const char* toolTip;
    bool handCursor;
  };
  const Expected labels[] = {
      {"Label1", "HTML代码编辑区", 0x80000003u, "双击此处保存", false},
      {"Label4", "CSS代码编辑区", 0x8000000Fu, "双击此处保存", false},
      {"Label5", "JS代码编辑区", 0x8000000Fu, "双击此处保存", false},
      {"Label2", "结果显示区：", 0x8000000Fu, "", false},
      {"Label3", "向开发者提交建议以及错误", 0x8000000Fu, "", true},
  };
  for (const Expected& e : labels) {
    SCOPED_TRACE(e.name);
    auto* label = widget<platform::CaptionLabel>(e.name);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->caption(), QString::fromUtf8(e.caption));
    EXPECT_EQ(label->backColor(), e.backColor);
    EXPECT_EQ(label->palette().color(QPalette::Window), platform::screenColor(e.backColor));
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->toolTip(), QString::fromUtf8(e.toolTip));
    EXPECT_TRUE(label->alignment() & Qt::AlignLeft);
    if (e.handCursor) {
      const QCursor cursor = label->cursor();
      EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
      EXPECT_EQ(cursor.hotSpot(), QPoint(12, 1));
      EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    } else {
      EXPECT_EQ(label->cursor().shape(), Qt::ArrowCursor);
    }
  }
  EXPECT_NE(platform::screenColor(0x80000003u), platform::screenColor(0x8000000Fu))
      << "the highlighted label must look different";
}

TEST_F(WindowDescription, PanesRunButtonAndClockFieldStartAsDescribed) {
  EXPECT_EQ(widget<QPushButton>("Command1")->text(), u"运行结果"_s);
  EXPECT_EQ(widget<QLineEdit>("Text2")->text(), u"Text2"_s);
  EXPECT_TRUE(widget<QLineEdit>("Text2")->isReadOnly()) << "the clock is for reading";
  struct Expected {
    const char* name;
    Qt::ScrollBarPolicy horizontal;
  };
  for (const Expected& e : {Expected{"RichTextBox1", Qt::ScrollBarAsNeeded},
                            Expected{"RichTextBox2", Qt::ScrollBarAlwaysOff},
                            Expected{"RichTextBox3", Qt::ScrollBarAlwaysOff}}) {
    SCOPED_TRACE(e.name);
    auto* pane = widget<QTextEdit>(e.name);
    EXPECT_TRUE(pane->toPlainText().isEmpty());
    EXPECT_EQ(pane->horizontalScrollBarPolicy(), e.horizontal);
    EXPECT_EQ(pane->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    const QFont font = pane->currentCharFormat().font();
    EXPECT_EQ(font.families().value(0), u"微软雅黑"_s);
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
    EXPECT_EQ(pane->palette().color(QPalette::Base), platform::screenColor(0x80000005u));
  }
  // Blank until the first page: the engine's view is made by the first navigation.
  EXPECT_FALSE(qtWindow().browserWidget("WebBrowser1").hasView());
  EXPECT_FALSE(mainWindow().findChild<QWebEngineView*>());
}

struct ExpectedMenu {
  const char* name;
  const char* caption;
  const char* shortcut;
  int checked;  // -1: no check mark, 0: off, 1: on
};

const ExpectedMenu kBar[] = {
    {"mnuFile", "文件(&F)", "", -1}, {"mnuEdit", "编辑(&E)", "", -1},
    {"mnuView", "视图(&V)", "", -1}, {"mnuTxt", "文字(&T)", "", -1},
    {"qzone", "Qzone", "", -1},
};

const std::pair<const char*, std::vector<ExpectedMenu>> kMenus[] = {
    {"mnuFile",
     {{"mnuFileNew", "新建(&N)", "Ctrl+N", -1},
      {"mnuFileOpen", "打开(&O)...", "F1", -1},
      {"mnuFileSave", "保存(&S)", "F2", -1},
      {"mnuFileSaveAs", "另存为(&A)...", "F3", -1},
      {"mnuFilePrint", "打印(&P)...", "", -1},
      {"mnuFileExit", "退出(&X)", "", -1}}},
    {"mnuEdit",
     {{"mnuEditCut", "剪贴(&T)", "", -1},
      {"mnuEditCopy", "复制(&C)", "", -1},
      {"mnuEditPaste", "粘贴(&P)", "", -1}}},
    {"mnuView", {{"mnuViewToolbar", "工具栏(&T)", "", 1}}},
    {"mnuTxt",
     {{"mnuTxtFont", "字体(&F)", "", -1},
      {"mnuTxtColor", "颜色(&A)", "", -1},
      {"mnuTxtBar0", "-", "", -1},
      {"mnuTxtBold", "粗体(&B)", "", -1},
      {"mnuTxtItalic", "斜体(&I)", "", -1},
      {"mnuTxtUnderline", "下划线(&U)", "", -1},
      {"mnuTxtBar1", "-", "", -1},
      {"mnuTxtL", "左对齐(&L)", "", 0},
      {"mnuTxtC", "置中(&C)", "", 0},
      {"mnuTxtR", "右对齐(&R)", "", 0}}},
};

void expectItem(QAction* action, const ExpectedMenu& e) {
  SCOPED_TRACE(e.name);
  ASSERT_TRUE(action);
  EXPECT_EQ(action->objectName(), QString::fromUtf8(e.name));
  if (std::string_view(e.caption) == "-") {
    EXPECT_TRUE(action->isSeparator());
    return;
  }
  EXPECT_FALSE(action->isSeparator());
  EXPECT_EQ(action->text(), QString::fromUtf8(e.caption));
  EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromUtf8(e.shortcut)));
  EXPECT_EQ(action->isCheckable(), e.checked >= 0);
  if (e.checked >= 0) {
    EXPECT_EQ(action->isChecked(), e.checked == 1);
  }
  EXPECT_TRUE(action->isVisible() && action->isEnabled());
}

TEST_F(WindowDescription, MenuTreeHasCaptionsShortcutsAndCheckMarks) {
  auto* bar = static_cast<QMainWindow&>(mainWindow()).menuBar();
  const QList<QAction*> top = bar->actions();
  ASSERT_EQ(top.size(), qsizetype(std::size(kBar)));
  for (size_t i = 0; i < std::size(kBar); ++i) expectItem(top[qsizetype(i)], kBar[i]);
  EXPECT_EQ(top.last()->menu(), nullptr) << "Qzone is a command, not a menu";
  for (const auto& [menuName, items] : kMenus) {
    SCOPED_TRACE(menuName);
    auto* menu = mainWindow().findChild<QMenu*>(QString::fromUtf8(menuName));
    ASSERT_TRUE(menu);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), qsizetype(items.size()));
    for (size_t i = 0; i < items.size(); ++i) expectItem(actions[qsizetype(i)], items[i]);
  }
}

TEST_F(WindowDescription, ToolbarHasItsButtonsKeysPicturesAndGroup) {
  struct Expected {
    const char* key;  // nullptr: separator
    bool grouped;
  };
  const Expected buttons[] = {
      {"新建", false},     {"打开", false},  {"保存", false}, {"打印", false},
      {"剪切", false},     {"复制", false},  {"粘贴", false}, {"字体", false},
      {"字体颜色", false}, {"粗体", false},  {"斜体", false}, {"下划线", false},
      {nullptr, false},    {"左对齐", true}, {"置中", true},  {"右对齐", true},
  };
  // The image each button shows, as an index into the image list.
  const int images[] = {1, 2, 3, 4, 5, 6, 7, 14, 15, 8, 9, 10, 0, 11, 12, 13};
  auto* toolbar = widget<QToolBar>("tbToolBar");
  const QList<QAction*> actions = toolbar->actions();
  ASSERT_EQ(actions.size(), qsizetype(std::size(buttons)));
  const auto& imageList = qtWindow().imageList();
  ASSERT_EQ(imageList.size(), 15u);
  QActionGroup* group = nullptr;
  for (size_t i = 0; i < std::size(buttons); ++i) {
    QAction* action = actions[qsizetype(i)];
    SCOPED_TRACE(i + 1);
    if (!buttons[i].key) {
      EXPECT_TRUE(action->isSeparator());
      continue;
    }
    const QString key = QString::fromUtf8(buttons[i].key);
    EXPECT_EQ(action->data().toString(), key);
    EXPECT_EQ(action->toolTip(), key);
    EXPECT_TRUE(action->text().isEmpty());
    EXPECT_EQ(action->icon().pixmap(16, 15).toImage(), imageList[size_t(images[i] - 1)].toImage());
    EXPECT_EQ(action->isCheckable(), buttons[i].grouped);
    EXPECT_FALSE(action->isChecked());
    if (buttons[i].grouped) {
      ASSERT_TRUE(action->actionGroup());
      if (group) {
        EXPECT_EQ(action->actionGroup(), group);
      }
      group = action->actionGroup();
      EXPECT_TRUE(group->isExclusive());
    }
    QWidget* button = toolbar->widgetForAction(action);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->size(), QSize(23, 21));
  }
  EXPECT_EQ(toolbar->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

TEST_F(WindowDescription, ImageListMakesSilverTransparent) {
  const auto& imageList = qtWindow().imageList();
  for (size_t i = 0; i < imageList.size(); ++i) {
    SCOPED_TRACE(i + 1);
    const QImage image = imageList[i].toImage();
    EXPECT_EQ(image.size(), QSize(16, 15));
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        ASSERT_NE(image.pixel(x, y), 0xFFC0C0C0u) << "silver left at " << x << "," << y;
    // The last picture is larger than a cell and is scaled down smoothly, so its edge blends.
    if (i + 1 < imageList.size()) {
      EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the corner is background";
    }
  }
}

}  // namespace
}  // namespace tavelin::testing
