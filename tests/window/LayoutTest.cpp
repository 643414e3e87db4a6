// The real window keeps every control in proportion as its client area is resized.
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

#include "EditorFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

constexpr int kDesignWidth = 15375, kDesignHeight = 10095;  // twips

struct Design {
  const char* name;
  int left, top, width, height;
};

const Design kScaled[] = {
    {"Command1", 9240, 240, 1455, 375},   {"WebBrowser1", 7200, 720, 8175, 9375},
    {"Text2", 12120, 120, 2535, 270},     {"RichTextBox1", 0, 720, 7215, 9375},
    {"RichTextBox2", 0, 720, 7215, 9375}, {"RichTextBox3", 0, 720, 7215, 9375},
    {"Label1", 0, 480, 2415, 255},        {"Label2", 7440, 480, 1575, 255},
    {"Label3", 12840, 480, 2175, 255},    {"Label4", 2520, 480, 2295, 255},
    {"Label5", 4920, 480, 2175, 255},
};

class WindowLayout : public EditorFixture {
 protected:
  // Gives the client area this size in pixels and lets the resize run.
  void resizeClient(int width, int height) {
    auto& window = static_cast<QMainWindow&>(mainWindow());
    const QSize frame = window.size() - widget("clientArea")->size();
    window.resize(QSize(width, height) + frame);
    QWidget* client = widget("clientArea");
    EXPECT_TRUE(QTest::qWaitFor([&] { return client->size() == QSize(width, height); }))
        << "the client area did not take the size " << width << " x " << height;
  }

  // The whole-percent step the engine works in, and a design value scaled by it, in pixels.
  static int percent(int pixels, int designTwips) { return pixels * 15 * 100 / designTwips; }
  static int scaled(int twips, int pct) { return int(std::lround((twips * pct / 100) / 15.0)); }

  void expectScaled(int clientWidth, int clientHeight) {
    const int pw = percent(clientWidth, kDesignWidth);
    const int ph = percent(clientHeight, kDesignHeight);
    for (const Design& d : kScaled) {
      SCOPED_TRACE(d.name);
      EXPECT_EQ(widget(d.name)->geometry(), QRect(scaled(d.left, pw), scaled(d.top, ph),
                                                  scaled(d.width, pw), scaled(d.height, ph)));
    }
    // The docked toolbar spans the client width at its own height, whatever the proportions.
    EXPECT_EQ(widget("tbToolBar")->geometry(), QRect(0, 0, clientWidth, 27));
  }
};

TEST_F(WindowLayout, ControlsKeepTheirProportionsAsTheWindowGrows) {
  expectScaled(1025, 673);
  for (const QSize size :
       {QSize(1538, 1010), QSize(2050, 1346), QSize(1025, 673), QSize(800, 500)}) {
    SCOPED_TRACE(size.width());
    resizeClient(size.width(), size.height());
    expectScaled(size.width(), size.height());
  }
}

TEST_F(WindowLayout, ResizeGivesEveryPaneItsHeightBackAndShowsTheHtmlPane) {
  QTest::mouseClick(widget("Label5"), Qt::LeftButton);
  ASSERT_EQ(widget("RichTextBox1")->height(), 0);
  ASSERT_EQ(widget("RichTextBox3")->height(), 625);

  resizeClient(1538, 1010);
  const int full = scaled(9375, percent(1010, kDesignHeight));
  for (const char* pane : {"RichTextBox1", "RichTextBox2", "RichTextBox3"})
    EXPECT_EQ(widget(pane)->height(), full) << pane;
  QWidget* client = widget("clientArea");
  // What lies under a point of the panes' rectangle is part of the HTML pane, lying in front.
  QWidget* seen = client->childAt(QPoint(100, 300));
  EXPECT_TRUE(seen == widget("RichTextBox1") || widget("RichTextBox1")->isAncestorOf(seen));
  // The label keeps its highlight; the next click collapses the others again at the fixed height.
  EXPECT_EQ(form->window().label("Label5").backColor(), 0x80000003u);
  QTest::mouseClick(widget("Label4"), Qt::LeftButton);
  EXPECT_EQ(widget("RichTextBox2")->height(), 625);
  EXPECT_EQ(widget("RichTextBox1")->height(), 0);
  EXPECT_EQ(widget("RichTextBox3")->height(), 0);
}

TEST_F(WindowLayout, ClientAreaShrunkToNothingAndGrownBackRestoresEverything) {
  // The window has a smallest size of its own, so the client area is sized directly, as the
  // window's layout does when the window is made as small as it goes.
  QWidget* client = widget("clientArea");
  client->resize(0, 0);
  for (const Design& d : kScaled) {
    SCOPED_TRACE(d.name);
    EXPECT_EQ(widget(d.name)->geometry(), QRect(0, 0, 0, 0));
  }
  client->resize(1025, 673);
  expectScaled(1025, 673);
}

}  // namespace
}  // namespace tavelin::testing
