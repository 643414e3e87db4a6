#pragma once

#include <QAction>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "EditorFixture.h"
#include "QtControls.h"

namespace tavelin::testing {

// The editor window with the handles the edit and format commands act on: the HTML pane as a
// QTextEdit, menu items and toolbar buttons as the QActions a user reaches them through.
// The fixture's state is public so that tables of cases can arrange and check through it.
class EditCommands : public EditorFixture {
 public:
  using EditorFixture::clipboard;
  using EditorFixture::dialog;
  using EditorFixture::form;
  using EditorFixture::messageBox;
  using EditorFixture::path;
  using EditorFixture::readFile;
  using EditorFixture::widget;
  using EditorFixture::writeFile;

  QTextEdit* html() { return widget<QTextEdit>("RichTextBox1"); }
  QTextEdit* css() { return widget<QTextEdit>("RichTextBox2"); }
  QString htmlText() { return html()->toPlainText(); }
  QString caption(const char* label) { return widget<platform::CaptionLabel>(label)->caption(); }
  QString windowCaption() { return mainWindow().windowTitle(); }

  QAction* menu(const char* name) {
    auto* action = mainWindow().findChild<QAction*>(QString::fromUtf8(name));
    EXPECT_NE(action, nullptr) << "no menu item " << name;
    return action;
  }
  // Chooses a menu item as the menu does.
  void choose(const char* name) {
    if (QAction* action = menu(name)) action->trigger();
  }
  QToolBar* toolbar() { return widget<QToolBar>("tbToolBar"); }
  QAction* button(const QString& key) {
    for (QAction* action : toolbar()->actions())
      if (!action->isSeparator() && action->data().toString() == key) return action;
    ADD_FAILURE() << "no toolbar button " << key.toStdString();
    return nullptr;
  }
  QAction* button(const char* key) { return button(QString::fromUtf8(key)); }
  QToolButton* buttonWidget(const char* key) {
    return qobject_cast<QToolButton*>(toolbar()->widgetForAction(button(key)));
  }
  void press(const char* key) {
    if (QAction* action = button(key)) action->trigger();
  }

  // Text in the HTML pane as the program puts it there; the pane is then marked changed.
  void putHtml(const QString& text) { qtWindow().pane("RichTextBox1").setText(text); }
  // Text in the HTML pane, saved to a file so that the pane starts clean.
  void givenSavedHtml(const QString& text) {
    putHtml(text);
    saveHtml();
  }
  // Saves the HTML pane as it is, so that whatever the test arranged counts as saved.
  void saveHtml() {
    dialog.answerFile(path(QStringLiteral("page.html")));
    choose("mnuFileSaveAs");
    ASSERT_EQ(form->blnHtmlDirty, editor::vbFalse);
  }
  bool htmlClean() {
    return form->blnHtmlDirty == editor::vbFalse &&
           caption("Label1") == QStringLiteral("HTML代码编辑区");
  }
  bool htmlUnsaved() {
    return form->blnHtmlDirty == editor::vbTrue &&
           caption("Label1") == QStringLiteral("HTML代码编辑区(未保存)");
  }

  static void select(QTextEdit* edit, int from, int to) {
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
  }
  // The format of the character at index.
  static QTextCharFormat formatOf(QTextEdit* edit, int index) {
    QTextCursor cursor(edit->document());
    cursor.setPosition(index + 1);
    return cursor.charFormat();
  }
  // A paragraph's horizontal alignment; one never aligned reads as left.
  static Qt::Alignment alignmentOf(QTextEdit* edit, int paragraph) {
    const Qt::Alignment horizontal =
        edit->document()->findBlockByNumber(paragraph).blockFormat().alignment() &
        (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
    return horizontal ? horizontal : Qt::AlignLeft;
  }
  // The menu items that carry the alignment check mark, as "L", "C", "R" or "" for none.
  QString alignmentMarks() {
    QString marks;
    if (menu("mnuTxtL")->isChecked()) marks += u'L';
    if (menu("mnuTxtC")->isChecked()) marks += u'C';
    if (menu("mnuTxtR")->isChecked()) marks += u'R';
    return marks;
  }
};

}  // namespace tavelin::testing
