// The two ways out to the developer: the feedback label opens the chat page in the browser view,
// the "Qzone" item hands the personal page to the system's browser.
#include <QFile>
#include <QUrlQuery>

#include "PreviewFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

using FeedbackLink = Preview;

TEST_F(FeedbackLink, ClickOpensTheChatPageAndALaterRunBringsBackThePreview) {
  putHtml(u"<p>我的页面</p>"_s);
  ASSERT_TRUE(runAndWaitForPage());

  QTest::mouseClick(widget("Label3"), Qt::LeftButton);

  // There is no network here: the address is what counts, not the page.
  const QUrl expected(editor::FeedbackUrl());
  ASSERT_TRUE(waitForUrl(expected)) << browserUrl().toString().toStdString();
  EXPECT_EQ(expected.path(), u"/msgrd"_s);
  const QList<std::pair<QString, QString>> query = QUrlQuery(expected).queryItems();
  QStringList keys;
  for (const auto& [key, value] : query) keys << key;
  EXPECT_EQ(keys, (QStringList{u"V"_s, u"Uin"_s, u"Exe"_s, u"Site"_s, u"Menu"_s}));
  if (query.size() == 5) {
    EXPECT_EQ(query[0].second, u"1"_s);
    EXPECT_FALSE(query[1].second.isEmpty());
    EXPECT_EQ(query[2].second, u"QQ"_s);
    EXPECT_FALSE(query[3].second.isEmpty());
    EXPECT_EQ(query[4].second, u"No"_s);
  }
  EXPECT_EQ(form->blnHtmlDirty, editor::vbTrue);

  ASSERT_TRUE(runAndWaitForPage());
  EXPECT_EQ(browserUrl(), previewUrl());
  EXPECT_EQ(pageText(), u"我的页面"_s);
}

// The system's browser is whatever `xdg-open` starts; a stand-in on PATH records what it is given.
class PersonalPage : public Preview {
 protected:
  QString binDir() { return path(u"bin"_s); }
  void installRecordingLauncher() {
    ASSERT_TRUE(QDir().mkpath(binDir()));
    const QString launcher = binDir() + u"/xdg-open"_s;
    writeFile(launcher, "#!/bin/sh\nfor argument in \"$@\"; do printf '%s\\n' \"$argument\" >> \"" +
                            QFile::encodeName(recording()) + "\"; done\n");
    ASSERT_TRUE(QFile::setPermissions(launcher, QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner | QFile::ReadGroup |
                                                    QFile::ExeGroup));
  }
  QString recording() { return path(u"launched.txt"_s); }
  void chooseQzone() { menuAction("qzone")->trigger(); }
};

TEST_F(PersonalPage, TheSystemBrowserIsGivenExactlyTheAddress) {
  installRecordingLauncher();
  ScopedEnvironment pathVariable("PATH", QFile::encodeName(binDir()) + ':' + qgetenv("PATH"));
  const QUrl before = browserUrl();

  chooseQzone();

  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(recording()); }, 10000));
  // The launcher appends one line per argument; a single line is the address and nothing else.
  ASSERT_TRUE(QTest::qWaitFor([&] { return readFile(recording()).endsWith(u'\n'); }, 10000));
  EXPECT_EQ(readFile(recording()), editor::PersonalPageUrl() + u'\n');
  EXPECT_TRUE(messageBox.failures.empty());
  EXPECT_EQ(browserUrl(), before);
}

TEST_F(PersonalPage, WithoutALauncherTheFailureIsReported) {
  ASSERT_TRUE(QDir().mkpath(binDir()));  // an empty folder: nothing to start
  ScopedEnvironment pathVariable("PATH", QFile::encodeName(binDir()));

  chooseQzone();

  ASSERT_EQ(messageBox.failures.size(), 1u);
  EXPECT_TRUE(messageBox.failures[0].text.contains(u"xdg-open"_s))
      << messageBox.failures[0].text.toStdString();
  EXPECT_EQ(mainWindow().isVisible(), true);
  messageBox.failures.clear();
}

}  // namespace
}  // namespace tavelin::testing
