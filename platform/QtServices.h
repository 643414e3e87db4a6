#pragma once

#include <QPrinter>
#include <memory>

#include "CommonDialog.h"
#include "PrinterDevice.h"
#include "Services.h"

class QWidget;

namespace tavelin::platform {

// The dialog component on Qt's own dialogs. The filter string is split into Qt's name filters.
class QtCommonDialog : public CommonDialog {
 public:
  explicit QtCommonDialog(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }

  bool ShowOpen() override;
  bool ShowSave() override;
  bool ShowFont() override;
  bool ShowColor() override;
  PrinterDevice* ShowPrinter() override;

 private:
  bool showFileDialog(bool save);

  QWidget* owner_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<PrinterDevice> device_;
};

// "desc|pattern|desc|pattern" -> Qt name filters "desc (pattern)".
QStringList nameFilters(const QString& filter);

class QtClipboard : public Clipboard {
 public:
  QString text() const override;
  void setText(const QString& text) override;
};

class QtMessageBox : public MessageBox {
 public:
  explicit QtMessageBox(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }
  Answer askYesNo(const QString& text, const QString& title) override;
  void reportFailure(const QString& text, const QString& title) override;

 private:
  QWidget* owner_;
};

class QtProgramStarter : public ProgramStarter {
 public:
  void shell(const QString& commandLine) override;
};

class SystemClock : public Clock {
 public:
  QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// The real services of a running program.
struct QtServices {
  QtCommonDialog dialog;
  QtClipboard clipboard;
  QtMessageBox messageBox;
  QtProgramStarter programStarter;
  SystemClock clock;
  Services services() { return {dialog, clipboard, messageBox, programStarter, clock}; }
  void setOwner(QWidget* owner) {
    dialog.setOwner(owner);
    messageBox.setOwner(owner);
  }
};

}  // namespace tavelin::platform
