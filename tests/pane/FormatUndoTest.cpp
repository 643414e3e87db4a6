// Each format command is one undo step: one Undo takes it back whole, one Redo brings it again.
#include <QTextBlock>
#include <QTextCursor>
#include <functional>

#include "PaneFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;
using platform::RichTextPane;

class FormatUndo : public PaneFixture {
 protected:
  // The formats of every character and paragraph, to compare before and after.
  QList<QTextFormat> formats() {
    QList<QTextFormat> all;
    for (QTextBlock block = pane->document()->firstBlock(); block.isValid(); block = block.next()) {
      all.append(block.blockFormat());
      for (int i = 1; i < block.length(); ++i) {
        QTextCursor cursor(pane->document());
        cursor.setPosition(block.position() + i);
        all.append(cursor.charFormat());
      }
    }
    return all;
  }
};

TEST_F(FormatUndo, OneUndoTakesBackOneFormatCommand) {
  struct Case {
    const char* name;
    std::function<void(RichTextPane&)> format;
  };
  const Case cases[] = {
      {"bold", [](RichTextPane& p) { p.setSelBold(true); }},
      {"italic", [](RichTextPane& p) { p.setSelItalic(true); }},
      {"underline", [](RichTextPane& p) { p.setSelUnderline(true); }},
      {"strike-through", [](RichTextPane& p) { p.setSelStrikeThru(true); }},
      {"colour", [](RichTextPane& p) { p.setSelColor(0x0000FFu); }},
      {"font", [](RichTextPane& p) { p.setSelFontName(u"Noto Serif"_s); }},
      {"size", [](RichTextPane& p) { p.setSelFontSize(18); }},
      {"alignment", [](RichTextPane& p) { p.setSelAlignment(RichTextPane::AlignRight); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pane->setText(u"first line\nsecond line\nthird"_s);
    select(3, 15);
    const QList<QTextFormat> before = formats();
    c.format(*pane);
    const QList<QTextFormat> after = formats();
    ASSERT_NE(after, before) << "the command formatted nothing";

    pane->document()->undo();
    EXPECT_EQ(formats(), before);
    pane->document()->redo();
    EXPECT_EQ(formats(), after);
  }
}

}  // namespace
}  // namespace tavelin::testing
