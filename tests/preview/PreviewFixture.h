#pragma once

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWebEngineView>
#include <memory>
#include <optional>

#include "EditorFixture.h"
#include "Links.h"
#include "ScopedEnvironment.h"

namespace tavelin::testing {

// The editor window with its preview moved into the test's own folder: the preview file lives in
// the user's cache folder, which is found through HOME, so each test writes a preview of its own
// and tests running side by side never share one. The home folder's name has a blank and Chinese
// characters, as many users' have, so every address the browser is given must be well formed.
class Preview : public EditorFixture {
 public:
  using EditorFixture::dialog;
  using EditorFixture::doubleClick;
  using EditorFixture::form;
  using EditorFixture::mainWindow;
  using EditorFixture::menuAction;
  using EditorFixture::messageBox;
  using EditorFixture::path;
  using EditorFixture::type;
  using EditorFixture::widget;
  using EditorFixture::writeFile;

  // The engine's first page starts a renderer process; that can take a while on a busy machine.
  static constexpr int kLoadTimeoutMs = 30000;

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    home_ = std::make_unique<ScopedEnvironment>(
        "HOME", QFile::encodeName(path(QStringLiteral("用户 home"))));
    ASSERT_TRUE(editor::PreviewFile().startsWith(dir.path()))
        << editor::PreviewFile().toStdString();
    EditorFixture::SetUp();
  }
  void TearDown() override {
    EditorFixture::TearDown();
    home_.reset();
  }

  // The engine's view of the browser control; the control may make it only at its first page,
  // so before the first navigation there may be none yet.
  QWebEngineView* browser() {
    return mainWindow().findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
  }
  QUrl browserUrl() {
    QWebEngineView* view = browser();
    return view ? view->url() : QUrl();
  }
  // The view takes a new address once the engine has begun the navigation, a moment later.
  bool waitForUrl(const QUrl& url) {
    return QTest::qWaitFor([&] { return browserUrl() == url; }, kLoadTimeoutMs);
  }
  QUrl previewUrl() const { return QUrl::fromLocalFile(editor::PreviewFile()); }
  QUrl fileUrl(const QString& fileName) const { return QUrl::fromLocalFile(path(fileName)); }

  // A click on the Run button, as the user gives it.
  void clickRun() { QTest::mouseClick(widget<QPushButton>("Command1"), Qt::LeftButton); }
  // Run, then wait until the browser has loaded a page. A page left unfinished (the feedback page
  // has no network here) may still report its failure meanwhile; only a page that loaded counts.
  bool runAndWaitForPage() {
    std::unique_ptr<QSignalSpy> loaded;
    if (QWebEngineView* view = browser())
      loaded = std::make_unique<QSignalSpy>(view, &QWebEngineView::loadFinished);
    clickRun();
    // A view made by this Run cannot have finished before the event loop runs again.
    if (!loaded) {
      QWebEngineView* view = browser();
      if (!view) return false;
      loaded = std::make_unique<QSignalSpy>(view, &QWebEngineView::loadFinished);
    }
    return QTest::qWaitFor(
        [&] {
          for (const QList<QVariant>& finished : *loaded)
            if (finished.at(0).toBool()) return true;
          return false;
        },
        kLoadTimeoutMs);
  }

  // The rendered page's text as the browser shows it.
  QString pageText() {
    QWebEngineView* view = browser();
    if (!view) return QStringLiteral("<no page>");
    // The answer may come after a timed-out wait, so it must not point into this frame.
    auto answer = std::make_shared<std::optional<QString>>();
    view->page()->toPlainText([answer](const QString& text) { *answer = text; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, kLoadTimeoutMs))
      return QStringLiteral("<no answer from the page>");
    return **answer;
  }

  static QByteArray bytesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArrayLiteral("<unreadable>");
    return file.readAll();
  }

  // Gives the HTML pane a file through Save As, as the user does with the menu.
  void saveHtmlAs(const QString& fileName) {
    dialog.answerFile(path(fileName));
    menuAction("mnuFileSaveAs")->trigger();
  }
  void openHtml(const QString& fileName) {
    dialog.answerFile(path(fileName));
    menuAction("mnuFileOpen")->trigger();
  }
  void putHtml(const QString& text) { qtWindow().pane("RichTextBox1").setText(text); }

 private:
  std::unique_ptr<ScopedEnvironment> home_;
};

}  // namespace tavelin::testing
