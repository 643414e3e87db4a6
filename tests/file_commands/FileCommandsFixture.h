#pragma once

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QTest>
#include <QTextEdit>
#include <map>
#include <ostream>

#include "EditorFixture.h"
#include "QtControls.h"

namespace tavelin::testing {

struct PaneNames {
  const char* box;
  const char* label;
  const char* clean;
};

inline constexpr PaneNames kPanes[] = {
    {"RichTextBox1", "Label1", "HTML代码编辑区"},
    {"RichTextBox2", "Label4", "CSS代码编辑区"},
    {"RichTextBox3", "Label5", "JS代码编辑区"},
};
inline constexpr int kHtml = 0, kCss = 1, kJs = 2;

// Everything a file command may change, to compare before and after: the panes' text, flags,
// paths and captions, the window caption and every file in the test's folder with its bytes.
struct EditorSnapshot {
  QStringList texts, paths, captions;
  std::vector<int> flags;  // has-file then dirty, HTML, CSS, JS
  QString windowCaption;
  std::map<QString, QByteArray> files;  // relative name -> bytes; folders as "<folder>"
  bool operator==(const EditorSnapshot&) const = default;
};

// Long texts and files show their start and their size; that is enough to tell them apart.
inline std::string shortly(const QString& text) {
  QString start = text.left(40);
  start.replace(QStringLiteral("\n"), QStringLiteral("\\n"));
  return (start +
          (text.size() > 40 ? QStringLiteral("… (%1 characters)").arg(text.size()) : QString()))
      .toStdString();
}

inline void PrintTo(const EditorSnapshot& s, std::ostream* os) {
  *os << "\n  texts:";
  for (const QString& text : s.texts) *os << " [" << shortly(text) << ']';
  *os << "\n  paths: " << s.paths.join(u" | ").toStdString()
      << "\n  captions: " << s.captions.join(u" | ").toStdString() << "\n  flags:";
  for (int flag : s.flags) *os << ' ' << flag;
  *os << "\n  window: " << s.windowCaption.toStdString() << "\n  files:";
  for (const auto& [name, bytes] : s.files)
    *os << "\n    " << name.toStdString() << " = " << shortly(QString::fromUtf8(bytes));
}

// The editor window with the handles the file commands are reached through; public so that
// tables of cases can arrange and check through it.
class FileCommands : public EditorFixture {
 public:
  using EditorFixture::dialog;
  using EditorFixture::dir;
  using EditorFixture::form;
  using EditorFixture::mainWindow;
  using EditorFixture::menuAction;
  using EditorFixture::messageBox;
  using EditorFixture::path;
  using EditorFixture::readFile;
  using EditorFixture::toolbarAction;
  using EditorFixture::widget;
  using EditorFixture::writeFile;

  QTextEdit* pane(int index) { return widget<QTextEdit>(kPanes[index].box); }
  QString caption(int index) {
    return widget<platform::CaptionLabel>(kPanes[index].label)->caption();
  }
  QString windowCaption() { return mainWindow().windowTitle(); }

  // Keystrokes at the end of a pane's text, as the user types after clicking there.
  void typeAtEnd(int index, const QString& text) {
    pane(index)->moveCursor(QTextCursor::End);
    type(pane(index), text);
  }
  void putHtml(const QString& text) { qtWindow().pane("RichTextBox1").setText(text); }

  void chooseMenu(const char* name) {
    if (QAction* action = menuAction(name)) action->trigger();
  }
  void pressToolbar(const char* key) {
    if (QAction* action = toolbarAction(QString::fromUtf8(key))) action->trigger();
  }
  void doubleClickLabel(int index) { doubleClick(widget(kPanes[index].label)); }

  std::map<QString, QByteArray> filesOnDisk() {
    std::map<QString, QByteArray> files;
    const QDir root(dir.path());
    QDirIterator it(dir.path(),
                    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QFileInfo entry(it.next());
      QFile file(entry.filePath());
      files[root.relativeFilePath(entry.filePath())] = entry.isDir() ? QByteArrayLiteral("<folder>")
                                                       : file.open(QIODevice::ReadOnly)
                                                           ? file.readAll()
                                                           : QByteArrayLiteral("<unreadable>");
    }
    return files;
  }

  EditorSnapshot snapshot() {
    const editor::frmM& f = *form;
    EditorSnapshot s;
    for (int i : {kHtml, kCss, kJs}) {
      s.texts << pane(i)->toPlainText();
      s.captions << caption(i);
    }
    s.paths = QStringList{f.strHtmlFile, f.strCssFile, f.strJsFile};
    s.flags = {f.blnHtmlHasFile, f.blnCssHasFile, f.blnJsHasFile,
               f.blnHtmlDirty,   f.blnCssDirty,   f.blnJsDirty};
    s.windowCaption = windowCaption();
    s.files = filesOnDisk();
    return s;
  }
};

}  // namespace tavelin::testing
