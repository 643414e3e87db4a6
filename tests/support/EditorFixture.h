#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "QtPrinting.h"
#include "QtServices.h"
#include "QtWindow.h"
#include "Scripted.h"
#include "frmM.h"
#include "layout/LayoutEngine.h"

namespace tavelin::testing {

// The real main window on the offscreen platform, with scripted dialogs and message boxes, a
// clipboard of its own, a fixed clock and a temporary folder for files.
class EditorFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  platform::Services services() { return {dialog, clipboard, messageBox, programStarter, clock}; }
  platform::QtWindow& qtWindow() { return static_cast<platform::QtWindow&>(form->window()); }
  QWidget& mainWindow() { return qtWindow().mainWindow(); }
  template <class T = QWidget>
  T* widget(const char* name) {
    T* found = mainWindow().findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << "no widget " << name;
    return found;
  }
  QString path(const QString& fileName) const { return dir.filePath(fileName); }
  static QString readFile(const QString& path);
  static void writeFile(const QString& path, const QByteArray& bytes);
  // Types text into a widget as keystrokes.
  static void type(QWidget* target, const QString& text);
  // A double-click as a mouse delivers it: press, release, double-click, release. Qt Test's own
  // mouseDClick sends the double-click event alone.
  static void doubleClick(QWidget* target);
  // A menu item by its name and a toolbar button by its key: what the user triggers.
  QAction* menuAction(const char* name);
  QAction* toolbarAction(const QString& key);

  QTemporaryDir dir;
  ScriptedDialog dialog;
  MemoryClipboard clipboard;
  ScriptedMessageBox messageBox;
  platform::QtProgramStarter programStarter;
  FixedClock clock;
  layout::LayoutEngine layoutEngine;  // each window under test starts with empty records
  std::unique_ptr<editor::frmM> form;
};

}  // namespace tavelin::testing
