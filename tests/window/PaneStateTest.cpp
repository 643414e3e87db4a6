// The three panes' state: dirty flags and captions follow every change, label clicks switch panes.
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "EditorFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

struct PaneNames {
  const char* box;
  const char* label;
  const char* clean;
};

const PaneNames kPanes[] = {
    {"RichTextBox1", "Label1", "HTML代码编辑区"},
    {"RichTextBox2", "Label4", "CSS代码编辑区"},
    {"RichTextBox3", "Label5", "JS代码编辑区"},
};

class PaneState : public EditorFixture {
 protected:
  std::array<editor::Boolean, 3> dirtyFlags() const {
    return {form->blnHtmlDirty, form->blnCssDirty, form->blnJsDirty};
  }
  QString caption(const char* label) { return widget<QLabel>(label)->text(); }
  std::uint32_t color(const char* label) { return form->window().label(label).backColor(); }
};

TEST_F(PaneState, StartsCleanWithTheHtmlPaneShown) {
  for (const PaneNames& p : kPanes) {
    SCOPED_TRACE(p.box);
    EXPECT_EQ(caption(p.label), QString::fromUtf8(p.clean));
    EXPECT_EQ(widget(p.box)->height(), 625);
    EXPECT_EQ(static_cast<QTextEdit*>(widget(p.box))->lineWrapMode(), QTextEdit::NoWrap);
  }
  EXPECT_EQ(color("Label1"), 0x80000003u);
  EXPECT_EQ(color("Label4"), 0x8000000Fu);
  EXPECT_EQ(color("Label5"), 0x8000000Fu);
  EXPECT_EQ(dirtyFlags(), (std::array<editor::Boolean, 3>{0, 0, 0}));
  EXPECT_EQ(form->blnHtmlHasFile, 0);
  EXPECT_EQ(form->blnCssHasFile, 0);
  EXPECT_EQ(form->blnJsHasFile, 0);
  EXPECT_TRUE(form->strHtmlFile.isEmpty() && form->strCssFile.isEmpty() &&
              form->strJsFile.isEmpty());
}

TEST_F(PaneState, AChangeMarksOnlyItsOwnPane) {
  for (size_t changed = 0; changed < 3; ++changed) {
    SCOPED_TRACE(kPanes[changed].box);
    TearDown();
    SetUp();
    // Typed by the user, and twice: the second change writes the same values again.
    type(widget(kPanes[changed].box), u"a中"_s);
    type(widget(kPanes[changed].box), u"b"_s);
    for (size_t pane = 0; pane < 3; ++pane) {
      const bool marked = pane == changed;
      EXPECT_EQ(dirtyFlags()[pane], marked ? -1 : 0) << pane;
      EXPECT_EQ(caption(kPanes[pane].label),
                QString::fromUtf8(kPanes[pane].clean) + (marked ? u"(未保存)"_s : QString()));
    }
    EXPECT_EQ(mainWindow().windowTitle(), u"Tavelin 2.0"_s);
  }
}

TEST_F(PaneState, ChangesByTheProgramMarkThePaneToo) {
  form->window().pane("RichTextBox3").setText(u"var x;"_s);
  EXPECT_EQ(form->blnJsDirty, -1);
  EXPECT_EQ(caption("Label5"), u"JS代码编辑区(未保存)"_s);
}

TEST_F(PaneState, LabelClickSwitchesPanesAndLeavesTheFocus) {
  struct Case {
    const char* label;
    size_t shown;
  };
  widget("Text2")->setFocus();
  QApplication::processEvents();
  for (const Case c :
       {Case{"Label5", 2}, Case{"Label4", 1}, Case{"Label4", 1}, Case{"Label1", 0}}) {
    SCOPED_TRACE(c.label);
    QTest::mouseClick(widget(c.label), Qt::LeftButton);
    for (size_t pane = 0; pane < 3; ++pane) {
      const bool shown = pane == c.shown;
      EXPECT_EQ(widget(kPanes[pane].box)->height(), shown ? 625 : 0) << pane;
      EXPECT_EQ(color(kPanes[pane].label), shown ? 0x80000003u : 0x8000000Fu) << pane;
      EXPECT_EQ(caption(kPanes[pane].label), QString::fromUtf8(kPanes[pane].clean));
    }
    EXPECT_EQ(QApplication::focusWidget(), widget("Text2"));
    EXPECT_EQ(dirtyFlags(), (std::array<editor::Boolean, 3>{0, 0, 0}));
  }
}

TEST_F(PaneState, LongLinesRunOnInsteadOfWrapping) {
  const QString longLine = QString(u"<p>长长的一行</p>"_s).repeated(200);
  for (const PaneNames& p : kPanes) {
    SCOPED_TRACE(p.box);
    QTest::mouseClick(widget(p.label), Qt::LeftButton);
    auto* pane = widget<QTextEdit>(p.box);
    pane->setPlainText(longLine);
    QApplication::processEvents();
    EXPECT_EQ(pane->document()->firstBlock().layout()->lineCount(), 1);
    EXPECT_GT(pane->horizontalScrollBar()->maximum(), 0);
  }
}

}  // namespace
}  // namespace tavelin::testing
