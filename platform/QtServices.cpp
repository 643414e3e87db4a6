#include "QtServices.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>

#include "PlatformFailure.h"

using namespace Qt::StringLiterals;

namespace tavelin::platform {

QStringList nameFilters(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    filters << parts[i] + u" ("_s + patterns + u')';
  }
  return filters;
}

bool QtCommonDialog::showFileDialog(bool save) {
  QFileDialog dialog(owner_, DialogTitle);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = nameFilters(Filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    FileName.clear();
    return false;
  }
  FileName = dialog.selectedFiles().constFirst();
  return true;
}

bool QtCommonDialog::ShowOpen() { return showFileDialog(false); }

bool QtCommonDialog::ShowSave() { return showFileDialog(true); }

bool QtCommonDialog::ShowFont() {
  QFont initial;
  if (!FontName.isEmpty()) initial.setFamily(FontName);
  if (FontSize > 0) initial.setPointSizeF(FontSize);
  initial.setBold(FontBold);
  initial.setItalic(FontItalic);
  initial.setUnderline(FontUnderline);
  initial.setStrikeOut(FontStrikethru);
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, initial, owner_, DialogTitle);
  if (!ok) return false;
  FontName = font.family();
  FontSize = float(font.pointSizeF());
  FontBold = font.bold();
  FontItalic = font.italic();
  FontUnderline = font.underline();
  FontStrikethru = font.strikeOut();
  return true;
}

bool QtCommonDialog::ShowColor() {
  const QColor initial(int(Color & 0xFF), int((Color >> 8) & 0xFF), int((Color >> 16) & 0xFF));
  const QColor chosen = QColorDialog::getColor(initial, owner_, DialogTitle);
  if (!chosen.isValid()) return false;
  Color = std::uint32_t(chosen.red()) | (std::uint32_t(chosen.green()) << 8) |
          (std::uint32_t(chosen.blue()) << 16);
  return true;
}

PrinterDevice* QtCommonDialog::ShowPrinter() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer_.get(), owner_);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, (Flags & PD_NOPAGENUMS) == 0);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  dialog.setPrintRange((Flags & PD_SELECTION) ? QAbstractPrintDialog::Selection
                                              : QAbstractPrintDialog::AllPages);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  device_ = std::make_unique<PrinterDevice>(*printer_);
  return device_.get();
}

QString QtClipboard::text() const {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw PlatformFailure(u"read the clipboard"_s, QString(), u"no clipboard"_s);
  return clipboard->text();
}

void QtClipboard::setText(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) throw PlatformFailure(u"use the clipboard"_s, QString(), u"no clipboard"_s);
  clipboard->setText(text);
}

MessageBox::Answer QtMessageBox::askYesNo(const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, owner_);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes ? Yes : No;
}

void QtMessageBox::reportFailure(const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, owner_);
  box.exec();
}

void QtProgramStarter::shell(const QString& commandLine) {
  QStringList arguments = QProcess::splitCommand(commandLine);
  if (arguments.isEmpty())
    throw PlatformFailure(u"start a program"_s, QString(), u"the command line is empty"_s);
  const QString program = arguments.takeFirst();
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  qint64 pid = 0;
  if (!process.startDetached(&pid))
    throw PlatformFailure(u"start"_s, program, process.errorString());
}

}  // namespace tavelin::platform
