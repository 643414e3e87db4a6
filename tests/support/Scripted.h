#pragma once

#include <QDateTime>
#include <QPrinter>
#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "CommonDialog.h"
#include "PrinterDevice.h"
#include "Services.h"

namespace tavelin::testing {

// The dialog component as a person at the keyboard would answer it: each Show takes the next
// scripted answer. An unscripted dialog is a test fault and fails loudly.
class ScriptedDialog : public platform::CommonDialog {
 public:
  struct Shown {
    QString kind;  // "open", "save", "font", "color", "printer"
    QString title;
    QString filter;
    int flags;
  };
  struct FontChoice {
    QString name;
    float size;
    bool bold, italic, underline, strikethru;
  };

  void answerFile(const QString& path) { files_.push_back(path); }
  void cancelFile() { files_.push_back(std::nullopt); }
  void answerFont(const FontChoice& font) { fonts_.push_back(font); }
  void cancelFont() { fonts_.push_back(std::nullopt); }
  void answerColor(std::uint32_t bgr) { colors_.push_back(bgr); }
  void cancelColor() { colors_.push_back(std::nullopt); }
  // The printer prints into this PDF file.
  void answerPrinterPdf(const QString& pdfPath) { printers_.push_back(pdfPath); }
  void cancelPrinter() { printers_.push_back(std::nullopt); }

  const std::vector<Shown>& shown() const { return shown_; }
  bool allAnswersUsed() const {
    return files_.empty() && fonts_.empty() && colors_.empty() && printers_.empty();
  }

  bool ShowOpen() override { return showFile(QStringLiteral("open")); }
  bool ShowSave() override { return showFile(QStringLiteral("save")); }
  bool ShowFont() override;
  bool ShowColor() override;
  platform::PrinterDevice* ShowPrinter() override;

 private:
  bool showFile(const QString& kind);
  void record(const QString& kind) { shown_.push_back({kind, DialogTitle, Filter, Flags}); }

  std::deque<std::optional<QString>> files_;
  std::deque<std::optional<FontChoice>> fonts_;
  std::deque<std::optional<std::uint32_t>> colors_;
  std::deque<std::optional<QString>> printers_;
  std::vector<Shown> shown_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<platform::PrinterDevice> device_;
};

// The message box answered by script; failures are recorded instead of shown.
class ScriptedMessageBox : public platform::MessageBox {
 public:
  struct Question {
    QString text, title;
  };
  void answer(Answer a) { answers_.push_back(a); }
  Answer askYesNo(const QString& text, const QString& title) override;
  void reportFailure(const QString& text, const QString& title) override {
    failures.push_back({text, title});
  }
  std::vector<Question> questions;
  std::vector<Question> failures;

 private:
  std::deque<Answer> answers_;
};

class MemoryClipboard : public platform::Clipboard {
 public:
  QString text() const override { return text_; }
  void setText(const QString& text) override { text_ = text; }

 private:
  QString text_;
};

class FixedClock : public platform::Clock {
 public:
  QDateTime now() const override { return now_; }
  QDateTime now_ = QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7));
};

}  // namespace tavelin::testing
