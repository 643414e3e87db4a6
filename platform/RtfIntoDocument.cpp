#include "RtfIntoDocument.h"

#include <QTextBlockFormat>

namespace tavelin::platform {
namespace {

Qt::Alignment alignmentOf(rtf::Alignment alignment) {
  switch (alignment) {
    case rtf::Alignment::Center: return Qt::AlignHCenter;
    case rtf::Alignment::Right: return Qt::AlignRight | Qt::AlignAbsolute;
    case rtf::Alignment::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignAbsolute;
}

QTextCharFormat formatOf(const rtf::CharFormat& run, const QTextCharFormat& paneFormat) {
  QTextCharFormat format = paneFormat;
  if (!run.fontName.empty())
    format.setFontFamilies(QStringList{QString::fromStdString(run.fontName)});
  if (run.pointSize > 0) format.setFontPointSize(run.pointSize);
  format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(run.italic);
  format.setFontUnderline(run.underline);
  format.setFontStrikeOut(run.strikeOut);
  if (run.color) {
    const std::uint32_t rgb = *run.color;
    format.setForeground(QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)));
  }
  return format;
}

}  // namespace

void insertRtf(QTextCursor& cursor, const rtf::Document& document,
               const QTextCharFormat& paneFormat) {
  bool first = true;
  for (const rtf::Paragraph& paragraph : document.paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(alignmentOf(paragraph.alignment));
    if (first)
      cursor.setBlockFormat(block);
    else
      cursor.insertBlock(block, paneFormat);
    first = false;
    for (const rtf::Run& run : paragraph.runs)
      cursor.insertText(QString::fromStdString(run.text), formatOf(run.format, paneFormat));
  }
}

}  // namespace tavelin::platform
