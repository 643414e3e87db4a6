#pragma once

#include <gtest/gtest.h>

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

  platform::Services services() {
    return {dialog, clipboard, messageBox, programStarter, clock};
  }
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
