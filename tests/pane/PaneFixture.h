#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

#include "RichTextEdit.h"

// Readable QString values in GoogleTest's failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace tavelin::testing {

// A pane as the window builds it: the pane font, the editor's size, shown, counting the change
// notifications it raises. Word wrap is off unless a test asks for the toolkit's wrapping layout.
class PaneFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Rebuilds the pane with word wrap left on, as before the window's start-up switches it off.
  void keepWordWrap();
  QString writeFile(const QString& name, const QString& text);
  // Selects characters [from, to).
  void select(int from, int to);
  // Types text as key presses at the caret.
  void type(const QString& text);
  // Lets background layout steps and deferred checks run until the layout has nothing left.
  void settle();
  platform::UnwrappedDocumentLayout* layout();

  QTemporaryDir dir;
  std::unique_ptr<platform::RichTextEdit> pane;
  int changes = 0;

 private:
  void build(bool wordWrapOff);
};

}  // namespace tavelin::testing
