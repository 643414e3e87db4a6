// A file command that cannot read or write tells the user which file and why, and changes nothing:
// the panes, their flags and captions, the window caption and the files on disk stay as they were,
// whether the command came from the menu, the toolbar or a label.
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <optional>

#include "FileCommandsFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

// A disk that is full after a few bytes: writes past the limit fail with EFBIG instead of
// killing the process. Everything is put back when the object goes.
class FullDisk {
 public:
  explicit FullDisk(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit small = previous_;
    small.rlim_cur = bytes;
    ok_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  bool ok() const { return ok_; }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int);
  bool ok_ = false;
};

struct Trigger {
  enum Kind { Menu, Toolbar, DblClick } kind;
  const char* what;  // menu item or toolbar key
  int pane = kHtml;  // the label double-clicked
};

struct FailureCase {
  const char* name;
  void (*arrange)(FileCommands&);  // pane state, files and the dialog's answer
  Trigger trigger;
  const char* file;  // the file the report names, in the test's folder
  struct Reason {
    int error;         // the operating system's reason, or 0 for one of the program's own
    const char* text;  // the program's own words
  } reason;
  bool diskFull = false;
  bool unlessRoot = false;  // root reads and writes through any permission
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

FailureCase::Reason os(int error) { return {error, nullptr}; }
FailureCase::Reason says(const char* text) { return {0, text}; }
QString textOf(const FailureCase::Reason& reason) {
  return reason.error ? qt_error_string(reason.error) : QString::fromUtf8(reason.text);
}

// Unsaved HTML without a file of its own, CSS with one, and JS typed but not saved.
void unsavedPanes(FileCommands& t) {
  t.dialog.answerFile(t.path(u"style.css"_s));
  t.typeAtEnd(kCss, u"p{color:red}"_s);
  t.doubleClickLabel(kCss);
  t.typeAtEnd(kJs, u"var 变量;"_s);
  QTest::mouseClick(t.widget("Label1"), Qt::LeftButton);
  t.putHtml(u"<p>未保存的页面</p>"_s);
}
void answer(FileCommands& t, const char* name) {
  t.dialog.answerFile(t.path(QString::fromUtf8(name)));
}

void openMissing(FileCommands& t) {
  unsavedPanes(t);
  answer(t, "missing.html");
}
void openFolder(FileCommands& t) {
  unsavedPanes(t);
  ASSERT_TRUE(QDir(t.dir.path()).mkdir(u"folder.html"_s));
  answer(t, "folder.html");
}
void openBinary(FileCommands& t) {
  unsavedPanes(t);
  t.writeFile(t.path(u"picture.html"_s), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20));
  answer(t, "picture.html");
}
void openUnreadable(FileCommands& t) {
  unsavedPanes(t);
  t.writeFile(t.path(u"secret.html"_s), "<p>秘密</p>");
  ASSERT_TRUE(QFile::setPermissions(t.path(u"secret.html"_s), QFileDevice::Permissions()));
  answer(t, "secret.html");
}
// The chosen name lies under a regular file: no folder can be there (ENOTDIR, even for root).
void saveUnderAFile(FileCommands& t) {
  unsavedPanes(t);
  t.writeFile(t.path(u"plain.txt"_s), "a file, not a folder");
  answer(t, "plain.txt/page.html");
}
void saveCssUnderAFile(FileCommands& t) {
  t.typeAtEnd(kCss, u"body{}"_s);
  t.writeFile(t.path(u"plain.txt"_s), "a file, not a folder");
  answer(t, "plain.txt/style.css");
}
void saveIntoReadOnlyFolder(FileCommands& t) {
  unsavedPanes(t);
  ASSERT_TRUE(QDir(t.dir.path()).mkdir(u"locked"_s));
  ASSERT_TRUE(
      QFile::setPermissions(t.path(u"locked"_s), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  answer(t, "locked/page.html");
}
// The disk has room for 1 KB. A page that fits the file's write buffer reaches the disk only when
// the save is committed; a larger one is written straight away. Both must fail alike.
constexpr rlim_t kDiskRoom = 1024;
QString smallPage() { return u"<p>不太长的页面 page</p>\n"_s.repeated(100); }
QString largePage() { return u"<p>很长的页面 long page</p>\n"_s.repeated(2000); }
void savedHtml(FileCommands& t) {
  unsavedPanes(t);
  answer(t, "page.html");
  t.chooseMenu("mnuFileSaveAs");
  ASSERT_EQ(t.form->blnHtmlHasFile, editor::vbTrue);
}
void savedHtmlThenASmallPage(FileCommands& t) {
  savedHtml(t);
  t.putHtml(smallPage());
}
void savedHtmlThenALargePage(FileCommands& t) {
  savedHtml(t);
  t.putHtml(largePage());
}
void unsavedSmallPage(FileCommands& t) {
  unsavedPanes(t);
  t.putHtml(smallPage());
  answer(t, "new.html");
}
void unsavedLargePage(FileCommands& t) {
  unsavedPanes(t);
  t.putHtml(largePage());
  answer(t, "new.html");
}

// clang-format off
const FailureCase kFailureCases[] = {
    {"open_missing_file_from_menu", openMissing, {Trigger::Menu, "mnuFileOpen"},
     "missing.html", os(ENOENT)},
    {"open_missing_file_from_toolbar", openMissing, {Trigger::Toolbar, "打开"},
     "missing.html", os(ENOENT)},
    {"open_folder_from_menu", openFolder, {Trigger::Menu, "mnuFileOpen"},
     "folder.html", says("directory")},
    {"open_binary_file_from_menu", openBinary, {Trigger::Menu, "mnuFileOpen"},
     "picture.html", says("not a text file")},
    {"open_binary_file_from_toolbar", openBinary, {Trigger::Toolbar, "打开"},
     "picture.html", says("not a text file")},
    {"open_unreadable_file_from_menu", openUnreadable, {Trigger::Menu, "mnuFileOpen"},
     "secret.html", os(EACCES), false, true},
    {"save_as_under_a_file_from_menu", saveUnderAFile, {Trigger::Menu, "mnuFileSaveAs"},
     "plain.txt/page.html", os(ENOTDIR)},
    {"save_without_a_file_under_a_file_from_menu", saveUnderAFile, {Trigger::Menu, "mnuFileSave"},
     "plain.txt/page.html", os(ENOTDIR)},
    {"save_without_a_file_under_a_file_from_toolbar", saveUnderAFile, {Trigger::Toolbar, "保存"},
     "plain.txt/page.html", os(ENOTDIR)},
    {"save_without_a_file_under_a_file_from_label1", saveUnderAFile,
     {Trigger::DblClick, "", kHtml}, "plain.txt/page.html", os(ENOTDIR)},
    {"css_save_under_a_file_from_label4", saveCssUnderAFile, {Trigger::DblClick, "", kCss},
     "plain.txt/style.css", os(ENOTDIR)},
    {"save_as_into_a_read_only_folder_from_menu", saveIntoReadOnlyFolder,
     {Trigger::Menu, "mnuFileSaveAs"}, "locked/page.html", os(EACCES), false, true},
    {"save_small_page_on_a_full_disk_from_menu_keeps_the_old_file", savedHtmlThenASmallPage,
     {Trigger::Menu, "mnuFileSave"}, "page.html", os(EFBIG), true},
    {"save_small_page_on_a_full_disk_from_toolbar_keeps_the_old_file", savedHtmlThenASmallPage,
     {Trigger::Toolbar, "保存"}, "page.html", os(EFBIG), true},
    {"save_large_page_on_a_full_disk_from_menu_keeps_the_old_file", savedHtmlThenALargePage,
     {Trigger::Menu, "mnuFileSave"}, "page.html", os(EFBIG), true},
    {"save_large_page_on_a_full_disk_from_toolbar_keeps_the_old_file", savedHtmlThenALargePage,
     {Trigger::Toolbar, "保存"}, "page.html", os(EFBIG), true},
    {"save_as_small_page_on_a_full_disk_from_menu_leaves_no_file", unsavedSmallPage,
     {Trigger::Menu, "mnuFileSaveAs"}, "new.html", os(EFBIG), true},
    {"save_as_large_page_on_a_full_disk_from_toolbar_leaves_no_file", unsavedLargePage,
     {Trigger::Toolbar, "保存"}, "new.html", os(EFBIG), true},
};
// clang-format on

class FileFailures : public FileCommands, public ::testing::WithParamInterface<FailureCase> {
 protected:
  void trigger(const Trigger& t) {
    switch (t.kind) {
      case Trigger::Menu:
        chooseMenu(t.what);
        break;
      case Trigger::Toolbar:
        pressToolbar(t.what);
        break;
      case Trigger::DblClick:
        doubleClickLabel(t.pane);
        break;
    }
  }
};

TEST_P(FileFailures, AreReportedWithFileAndReasonAndChangeNothing) {
  const FailureCase& c = GetParam();
  if (c.unlessRoot && geteuid() == 0) GTEST_SKIP() << "root reads and writes regardless";
  c.arrange(*this);
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(messageBox.failures.empty());
  const EditorSnapshot before = snapshot();

  {
    std::optional<FullDisk> full;
    if (c.diskFull) {
      full.emplace(kDiskRoom);
      ASSERT_TRUE(full->ok());
    }
    trigger(c.trigger);
  }

  EXPECT_EQ(messageBox.failures.size(), 1u) << "a failed command must say so, once";
  if (!messageBox.failures.empty()) {
    const QString report = messageBox.failures[0].text;
    EXPECT_TRUE(report.contains(path(QString::fromUtf8(c.file)))) << report.toStdString();
    EXPECT_TRUE(report.contains(textOf(c.reason), Qt::CaseInsensitive)) << report.toStdString();
  }
  EXPECT_EQ(snapshot(), before);
  EXPECT_TRUE(mainWindow().isVisible());
  EXPECT_TRUE(dialog.allAnswersUsed());
  messageBox.failures.clear();
}

INSTANTIATE_TEST_SUITE_P(FileCommands, FileFailures, ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelin::testing
