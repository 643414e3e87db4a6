#include "RtfIntoDocument.h"

#include <QTextBlockFormat>
#include <utility>
#include <vector>

namespace tavelin::platform {
namespace {

Qt::Alignment alignmentOf(rtf::Alignment alignment) {
  switch (alignment) {
    case rtf::Alignment::Center:
      return Qt::AlignHCenter;
    case rtf::Alignment::Right:
      return Qt::AlignRight | Qt::AlignAbsolute;
    case rtf::Alignment::Left:
      break;
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

// A document uses a handful of formats over and over; building each toolkit format once saves
// most of the work of a large file.
class FormatCache {
 public:
  explicit FormatCache(const QTextCharFormat& paneFormat) : paneFormat_(paneFormat) {}
  const QTextCharFormat& operator()(const rtf::CharFormat& format) {
    for (const auto& [known, converted] : entries_)
      if (known == format) return converted;
    if (entries_.size() >= 256) entries_.clear();
    entries_.emplace_back(format, formatOf(format, paneFormat_));
    return entries_.back().second;
  }

 private:
  const QTextCharFormat& paneFormat_;
  std::vector<std::pair<rtf::CharFormat, QTextCharFormat>> entries_;
};

}  // namespace

void insertRtf(QTextCursor& cursor, const rtf::Document& document,
               const QTextCharFormat& paneFormat) {
  FormatCache formats(paneFormat);
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
      cursor.insertText(QString::fromStdString(run.text), formats(run.format));
  }
}

}  // namespace tavelin::platform
