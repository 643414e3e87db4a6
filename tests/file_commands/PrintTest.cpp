// Print puts the HTML pane on the chosen printer: the selection when there is one, else the whole
// text, whichever pane is shown. Here the printer is a PDF file, read back as text.
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include "FileCommandsFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

const QString kPage = u"<p>第一行 first line</p>\n<p>第二行 second line</p>"_s;

struct PrintCase {
  const char* name;
  void (*arrange)(FileCommands&);  // the page is in the HTML pane; the printer dialog is scripted
  bool fromToolbar;
  int flags;            // what the printer dialog is shown with
  const char* printed;  // the PDF's text, whitespace aside; nullptr when nothing may be printed
};
void PrintTo(const PrintCase& c, std::ostream* os) { *os << c.name; }

void selectSecondLine(FileCommands& t) {
  QTextCursor cursor = t.pane(kHtml)->textCursor();
  const int start = int(kPage.indexOf(u"<p>第二行"_s));
  cursor.setPosition(start);
  cursor.setPosition(start + int(u"<p>第二行 second"_s.size()), QTextCursor::KeepAnchor);
  t.pane(kHtml)->setTextCursor(cursor);
}

const PrintCase kPrintCases[] = {
    {"whole_text_without_a_selection_from_menu", [](FileCommands&) {}, false, 264,
     "<p>第一行 first line</p> <p>第二行 second line</p>"},
    {"only_the_selection_from_toolbar", selectSecondLine, true, 265, "<p>第二行 second"},
    {"html_pane_while_the_css_pane_is_shown",
     [](FileCommands& t) {
       t.typeAtEnd(kCss, u"p{color:red}"_s);
       QTest::mouseClick(t.widget("Label4"), Qt::LeftButton);
       ASSERT_EQ(t.pane(kHtml)->height(), 0);
     },
     false, 264, "<p>第一行 first line</p> <p>第二行 second line</p>"},
    {"cancelled_printer_dialog_prints_nothing", [](FileCommands&) {}, false, 264, nullptr},
};

class Printing : public FileCommands, public ::testing::WithParamInterface<PrintCase> {
 protected:
  QString pdf() { return path(u"printed.pdf"_s); }
  // The PDF's text as pdftotext reads it, runs of white space made one blank. The fonts map some
  // characters to compatibility forms (the radical ⼀ for 一, the ligature ﬁ), which NFKC folds
  // back; the page number the document prints at the foot of the page is dropped.
  QString pdfText() {
    QProcess reader;
    reader.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pdf(), u"-"_s});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0)
      return u"<pdftotext failed: "_s + QString::fromLocal8Bit(reader.readAllStandardError()) +
             u'>';
    return QString::fromUtf8(reader.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified()
        .remove(QRegularExpression(u"\\s\\d+$"_s));
  }
};

TEST_P(Printing, PrintsTheHtmlPaneOntoTheChosenPrinter) {
  const PrintCase& c = GetParam();
  putHtml(kPage);
  c.arrange(*this);
  ASSERT_FALSE(HasFatalFailure());
  if (c.printed)
    dialog.answerPrinterPdf(pdf());
  else
    dialog.cancelPrinter();
  const EditorSnapshot before = snapshot();

  if (c.fromToolbar)
    pressToolbar("打印");
  else
    chooseMenu("mnuFilePrint");

  ASSERT_EQ(dialog.shown().size(), 1u);
  EXPECT_EQ(dialog.shown()[0].kind, u"printer"_s);
  EXPECT_EQ(dialog.shown()[0].flags, c.flags);
  if (c.printed)
    EXPECT_EQ(pdfText(), QString::fromUtf8(c.printed));
  else
    EXPECT_FALSE(QFileInfo::exists(pdf()));
  // Printing changes neither the text nor any state; the PDF is the only new file.
  EditorSnapshot after = snapshot();
  after.files.erase(u"printed.pdf"_s);
  EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(FileCommands, Printing, ::testing::ValuesIn(kPrintCases),
                         [](const auto& info) { return std::string(info.param.name); });

using PrintDialog = FileCommands;

TEST_F(PrintDialog, FlagsFollowTheSelectionEachTime) {
  // The component keeps its flags between uses; each Print sets them afresh.
  putHtml(kPage);
  selectSecondLine(*this);
  dialog.cancelPrinter();
  chooseMenu("mnuFilePrint");
  pane(kHtml)->moveCursor(QTextCursor::End);
  dialog.cancelPrinter();
  chooseMenu("mnuFilePrint");
  ASSERT_EQ(dialog.shown().size(), 2u);
  EXPECT_EQ(dialog.shown()[0].flags, 265);
  EXPECT_EQ(dialog.shown()[1].flags, 264);
}

}  // namespace
}  // namespace tavelin::testing
