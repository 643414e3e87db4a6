#include "Scripted.h"

#include <gtest/gtest.h>

namespace tavelin::testing {

bool ScriptedDialog::showFile(const QString& kind) {
  record(kind);
  if (files_.empty()) {
    ADD_FAILURE() << "an unscripted " << kind.toStdString() << " dialog was shown";
    FileName.clear();
    return false;
  }
  const auto answer = files_.front();
  files_.pop_front();
  FileName = answer.value_or(QString());
  return answer.has_value();
}

bool ScriptedDialog::ShowFont() {
  record(QStringLiteral("font"));
  if (fonts_.empty()) {
    ADD_FAILURE() << "an unscripted font dialog was shown";
    return false;
  }
  const auto answer = fonts_.front();
  fonts_.pop_front();
  if (!answer) return false;
  FontName = answer->name;
  FontSize = answer->size;
  FontBold = answer->bold;
  FontItalic = answer->italic;
  FontUnderline = answer->underline;
  FontStrikethru = answer->strikethru;
  return true;
}

bool ScriptedDialog::ShowColor() {
  record(QStringLiteral("color"));
  if (colors_.empty()) {
    ADD_FAILURE() << "an unscripted colour dialog was shown";
    return false;
  }
  const auto answer = colors_.front();
  colors_.pop_front();
  if (!answer) return false;
  Color = *answer;
  return true;
}

platform::PrinterDevice* ScriptedDialog::ShowPrinter() {
  record(QStringLiteral("printer"));
  if (printers_.empty()) {
    ADD_FAILURE() << "an unscripted printer dialog was shown";
    return nullptr;
  }
  const auto answer = printers_.front();
  printers_.pop_front();
  if (!answer) return nullptr;
  printer_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
  printer_->setOutputFormat(QPrinter::PdfFormat);
  printer_->setOutputFileName(*answer);
  device_ = std::make_unique<platform::PrinterDevice>(*printer_);
  return device_.get();
}

platform::MessageBox::Answer ScriptedMessageBox::askYesNo(const QString& text,
                                                          const QString& title) {
  questions.push_back({text, title});
  if (answers_.empty()) {
    ADD_FAILURE() << "an unscripted question was asked: " << text.toStdString();
    return No;
  }
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

}  // namespace tavelin::testing
