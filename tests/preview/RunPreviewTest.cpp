// Run writes the HTML pane's characters to the preview file and shows a page: the preview until
// Save As gives the pane a file of its own, that file from then on.
#include <QFileInfo>
#include <QLabel>
#include <QTextEdit>
#include <QWebEngineSettings>
#include <cerrno>

#include "PreviewFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

// What Run must leave alone: every flag, path and caption of the three panes and the window.
QStringList paneState(Preview& t) {
  const editor::frmM& f = *t.form;
  QStringList state{f.strHtmlFile, f.strCssFile, f.strJsFile};
  for (editor::Boolean flag : {f.blnHtmlHasFile, f.blnCssHasFile, f.blnJsHasFile, f.blnHtmlDirty,
                               f.blnCssDirty, f.blnJsDirty})
    state << QString::number(flag);
  for (const char* label : {"Label1", "Label4", "Label5"}) state << t.widget<QLabel>(label)->text();
  state << t.mainWindow().windowTitle();
  return state;
}

// ---- The preview file ----

struct PreviewTextCase {
  const char* name;
  void (*arrange)(Preview&);
  const char* expected;  // the preview file's bytes, UTF-8
};

void PrintTo(const PreviewTextCase& c, std::ostream* os) { *os << c.name; }

class RunWritesThePane : public Preview, public ::testing::WithParamInterface<PreviewTextCase> {};

const PreviewTextCase kPreviewTextCases[] = {
    {"typed_chinese_text",
     [](Preview& t) { Preview::type(t.widget("RichTextBox1"), u"<p>你好，世界！</p>"_s); },
     "<p>你好，世界！</p>"},
    // Formatting lives in the pane only; the page is the characters the user typed.
    {"bold_and_coloured_text_leaves_no_trace",
     [](Preview& t) {
       t.putHtml(u"<h1>标题</h1>\n<p>正文 text</p>"_s);
       auto* pane = t.widget<QTextEdit>("RichTextBox1");
       pane->selectAll();
       t.menuAction("mnuTxtBold")->trigger();
       t.dialog.answerColor(0x0000FFu);
       t.menuAction("mnuTxtColor")->trigger();
       QTextCursor probe(pane->document());
       probe.setPosition(2);
       ASSERT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
       ASSERT_EQ(probe.charFormat().foreground().color(), QColor(255, 0, 0));
     },
     "<h1>标题</h1>\n<p>正文 text</p>"},
    {"empty_pane_gives_an_empty_page", [](Preview&) {}, ""},
    {"html_pane_is_written_while_the_css_pane_is_shown",
     [](Preview& t) {
       t.putHtml(u"<p>页面</p>"_s);
       Preview::type(t.widget("RichTextBox2"), u"p{color:red}"_s);
       QTest::mouseClick(t.widget("Label4"), Qt::LeftButton);
       ASSERT_EQ(t.widget("RichTextBox1")->height(), 0);
     },
     "<p>页面</p>"},
    {"a_second_run_rewrites_the_file",
     [](Preview& t) {
       t.putHtml(u"<p>第一次</p>"_s);
       t.clickRun();
       t.putHtml(u"<p>第二次</p>"_s);
     },
     "<p>第二次</p>"},
};

TEST_P(RunWritesThePane, PreviewFileHoldsExactlyThePanesCharacters) {
  GetParam().arrange(*this);
  ASSERT_FALSE(HasFatalFailure());
  const QStringList before = paneState(*this);

  clickRun();

  EXPECT_EQ(bytesOf(editor::PreviewFile()), QByteArray(GetParam().expected));
  EXPECT_TRUE(waitForUrl(previewUrl())) << browserUrl().toString().toStdString();
  EXPECT_EQ(paneState(*this), before);
}

INSTANTIATE_TEST_SUITE_P(RunPreview, RunWritesThePane, ::testing::ValuesIn(kPreviewTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- What the browser shows ----

struct BrowserTargetCase {
  const char* name;
  void (*arrange)(Preview&);
  const char* shownFile;  // the file name in the test's folder, or nullptr for the preview file
  const char* pageText;   // what the rendered page says
};

void PrintTo(const BrowserTargetCase& c, std::ostream* os) { *os << c.name; }

class RunShowsAPage : public Preview, public ::testing::WithParamInterface<BrowserTargetCase> {};

void givenSavedPage(Preview& t) {
  t.putHtml(u"<p>已保存</p>"_s);
  t.saveHtmlAs(u"我的 页面.html"_s);
  ASSERT_EQ(t.form->strHtmlFile, t.path(u"我的 页面.html"_s));
}

const BrowserTargetCase kBrowserTargetCases[] = {
    {"before_any_save_as_the_preview", [](Preview& t) { t.putHtml(u"<p>预览</p>"_s); }, nullptr,
     "预览"},
    // Open gives the pane text but not a file of its own.
    {"after_open_the_preview",
     [](Preview& t) {
       t.writeFile(t.path(u"opened.html"_s), "<p>打开的文件</p>");
       t.openHtml(u"opened.html"_s);
     },
     nullptr, "打开的文件"},
    {"after_save_as_the_saved_file_without_later_edits",
     [](Preview& t) {
       givenSavedPage(t);
       t.putHtml(u"<p>未保存的修改</p>"_s);
     },
     "我的 页面.html", "已保存"},
    {"after_save_as_and_a_later_open_still_the_saved_file",
     [](Preview& t) {
       givenSavedPage(t);
       t.writeFile(t.path(u"opened.html"_s), "<p>打开的文件</p>");
       t.openHtml(u"opened.html"_s);
     },
     "我的 页面.html", "已保存"},
    {"after_save_as_and_new_still_the_saved_file",
     [](Preview& t) {
       givenSavedPage(t);
       t.menuAction("mnuFileNew")->trigger();
     },
     "我的 页面.html", "已保存"},
    // Only the HTML pane's own file decides; the CSS pane's file is never shown.
    {"a_saved_css_pane_changes_nothing",
     [](Preview& t) {
       t.putHtml(u"<p>页面</p>"_s);
       Preview::type(t.widget("RichTextBox2"), u"p{}"_s);
       t.dialog.answerFile(t.path(u"style.css"_s));
       Preview::doubleClick(t.widget("Label4"));
       ASSERT_EQ(t.form->strCssFile, t.path(u"style.css"_s));
     },
     nullptr, "页面"},
};

TEST_P(RunShowsAPage, BrowserShowsThePreviewOrTheSavedFile) {
  const BrowserTargetCase& c = GetParam();
  c.arrange(*this);
  ASSERT_FALSE(HasFatalFailure());
  const QString paneText = widget<QTextEdit>("RichTextBox1")->toPlainText();

  ASSERT_TRUE(runAndWaitForPage());

  EXPECT_EQ(browserUrl(), c.shownFile ? fileUrl(QString::fromUtf8(c.shownFile)) : previewUrl());
  EXPECT_EQ(pageText(), QString::fromUtf8(c.pageText));
  // The preview file is rewritten at every Run, whichever page is shown.
  EXPECT_EQ(QString::fromUtf8(bytesOf(editor::PreviewFile())), paneText);
}

INSTANTIATE_TEST_SUITE_P(RunPreview, RunShowsAPage, ::testing::ValuesIn(kBrowserTargetCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Rendering ----

using RunPreview = Preview;

TEST_F(RunPreview, RendersAPageWithoutCharsetAsUtf8AndEachRunShowsTheCurrentText) {
  // No charset declaration: the browser must take the editor's UTF-8 for what it is.
  putHtml(
      u"<html><head><title>预览标题</title></head><body><p>中文内容：你好，世界</p></body></html>"_s);
  ASSERT_TRUE(runAndWaitForPage());
  ASSERT_NE(browser(), nullptr);
  EXPECT_EQ(browser()->title(), u"预览标题"_s);
  EXPECT_EQ(pageText(), u"中文内容：你好，世界"_s);
  // The engine also guesses UTF-8 for local files it can decide on; the setting covers the pages
  // its guess cannot.
  EXPECT_EQ(browser()->settings()->defaultTextEncoding().toLower(), u"utf-8"_s);

  putHtml(u"<p>第二版</p>"_s);
  ASSERT_TRUE(runAndWaitForPage());
  EXPECT_EQ(pageText(), u"第二版"_s);
}

TEST_F(RunPreview, AnUnwritablePreviewIsReportedAndNothingIsNavigated) {
  putHtml(u"<p>旧页面</p>"_s);
  ASSERT_TRUE(runAndWaitForPage());
  const QUrl shown = browserUrl();

  // The cache folder now lies under a regular file, so neither it nor the preview can be made.
  writeFile(path(u"blocked"_s), "a file, not a folder");
  ScopedEnvironment home("HOME", QFile::encodeName(path(u"blocked/home"_s)));
  const QString unwritable = editor::PreviewFile();
  ASSERT_TRUE(unwritable.startsWith(path(u"blocked/"_s)));
  putHtml(u"<p>新页面</p>"_s);
  QSignalSpy started(browser(), &QWebEngineView::loadStarted);

  clickRun();
  QCoreApplication::processEvents();

  ASSERT_EQ(messageBox.failures.size(), 1u);
  EXPECT_TRUE(messageBox.failures[0].text.contains(unwritable))
      << messageBox.failures[0].text.toStdString();
  EXPECT_TRUE(messageBox.failures[0].text.contains(qt_error_string(ENOTDIR)))
      << messageBox.failures[0].text.toStdString();
  EXPECT_FALSE(QFileInfo::exists(unwritable));
  EXPECT_EQ(started.count(), 0);
  EXPECT_EQ(browserUrl(), shown);
  EXPECT_EQ(pageText(), u"旧页面"_s);
  messageBox.failures.clear();
}

}  // namespace
}  // namespace tavelin::testing
