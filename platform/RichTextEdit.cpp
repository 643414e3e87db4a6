#include "RichTextEdit.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <cmath>

#include "PlatformFailure.h"
#include "PrinterDevice.h"
#include "TextFileDecoder.h"

using namespace Qt::StringLiterals;

namespace tavelin::platform {
namespace {

constexpr double kTwipsPerPixel = 15.0;
// Larger files would take the pane's memory many times over; nobody edits such a page by hand.
constexpr qint64 kLargestFile = 256LL * 1024 * 1024;

// Formatting the selection changes no character, so it must not look like an edit to the pane's
// change handling.
class QuietFormatting {
 public:
  explicit QuietFormatting(bool& flag) : flag_(flag) { flag_ = true; }
  ~QuietFormatting() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

RichTextEdit::RichTextEdit(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  connect(document(), &QTextDocument::contentsChange, this, [this](int, int, int) {
    if (!formatting_ && changed_) changed_();
  });
}

void RichTextEdit::setPaneFont(const QFont& font) {
  setFont(font);
  document()->setDefaultFont(font);
  paneFormat_ = QTextCharFormat();
  paneFormat_.setFont(font);
  setCurrentCharFormat(paneFormat_);
}

void RichTextEdit::switchWordWrapOff() { setLineWrapMode(QTextEdit::NoWrap); }

bool RichTextEdit::wordWrapIsOff() const { return lineWrapMode() == QTextEdit::NoWrap; }

void RichTextEdit::setHeightTwips(float twips) {
  if (!std::isfinite(twips) || twips < 0)
    throw PlatformFailure(u"set the pane's height"_s, QString(), u"invalid height"_s);
  resize(width(), int(std::lround(twips / kTwipsPerPixel)));
}

float RichTextEdit::heightTwips() const { return float(QWidget::height() * kTwipsPerPixel); }

QString RichTextEdit::text() const { return toPlainText(); }

void RichTextEdit::setText(const QString& text) {
  replaceContent([&](QTextCursor& cursor) { cursor.insertText(text, paneFormat_); });
}

QString RichTextEdit::selText() const {
  // The document's paragraph separators read as line ends, as in the plain text.
  QString selected = textCursor().selectedText();
  selected.replace(QChar::ParagraphSeparator, u'\n');
  selected.replace(QChar::LineSeparator, u'\n');
  return selected;
}

void RichTextEdit::setSelText(const QString& text) {
  QTextCursor cursor = textCursor();
  cursor.insertText(text);
  setTextCursor(cursor);
}

int RichTextEdit::selLength() const {
  const QTextCursor cursor = textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

bool RichTextEdit::wholeSelection(const std::function<bool(const QTextCharFormat&)>& test) const {
  const QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return test(cursor.charFormat());
  const int start = cursor.selectionStart();
  const int end = cursor.selectionEnd();
  for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int from = fragment.position();
      const int to = from + fragment.length();
      if (to <= start || from >= end) continue;
      if (!test(fragment.charFormat())) return false;
    }
  }
  return true;
}

void RichTextEdit::mergeSelection(const QTextCharFormat& format) {
  QuietFormatting quiet(formatting_);
  QTextCursor cursor = textCursor();
  cursor.mergeCharFormat(format);
  mergeCurrentCharFormat(format);
}

bool RichTextEdit::selBold() const {
  return wholeSelection([](const QTextCharFormat& f) { return f.fontWeight() >= QFont::Bold; });
}

void RichTextEdit::setSelBold(bool on) {
  QTextCharFormat format;
  format.setFontWeight(on ? QFont::Bold : QFont::Normal);
  mergeSelection(format);
}

bool RichTextEdit::selItalic() const {
  return wholeSelection([](const QTextCharFormat& f) { return f.fontItalic(); });
}

void RichTextEdit::setSelItalic(bool on) {
  QTextCharFormat format;
  format.setFontItalic(on);
  mergeSelection(format);
}

bool RichTextEdit::selUnderline() const {
  return wholeSelection([](const QTextCharFormat& f) { return f.fontUnderline(); });
}

void RichTextEdit::setSelUnderline(bool on) {
  QTextCharFormat format;
  format.setFontUnderline(on);
  mergeSelection(format);
}

void RichTextEdit::setSelStrikeThru(bool on) {
  QTextCharFormat format;
  format.setFontStrikeOut(on);
  mergeSelection(format);
}

void RichTextEdit::setSelColor(std::uint32_t bgr) {
  QTextCharFormat format;
  format.setForeground(QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)));
  mergeSelection(format);
}

void RichTextEdit::setSelFontName(const QString& family) {
  if (family.isEmpty()) return;  // no font chosen: keep what the selection has
  QTextCharFormat format;
  format.setFontFamilies(QStringList{family});
  mergeSelection(format);
}

void RichTextEdit::setSelFontSize(float points) {
  if (!(points > 0) || !std::isfinite(points)) return;  // no size chosen
  QTextCharFormat format;
  format.setFontPointSize(points);
  mergeSelection(format);
}

void RichTextEdit::setSelAlignment(Alignment alignment) {
  QuietFormatting quiet(formatting_);
  QTextBlockFormat format;
  switch (alignment) {
    case AlignLeft: format.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute); break;
    case AlignRight: format.setAlignment(Qt::AlignRight | Qt::AlignAbsolute); break;
    case AlignCenter: format.setAlignment(Qt::AlignHCenter); break;
    default:
      throw PlatformFailure(u"align the selection"_s, QString(),
                            u"unknown alignment %1"_s.arg(int(alignment)));
  }
  textCursor().mergeBlockFormat(format);
}

void RichTextEdit::saveFile(const QString& path, FileType type) {
  if (type != PlainText)
    throw PlatformFailure(u"save"_s, path, u"only plain text can be written"_s);
  if (path.isEmpty()) throw PlatformFailure(u"save"_s, path, u"no file name was given"_s);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    throw PlatformFailure(u"save"_s, path, file.errorString());
  const QByteArray bytes = toPlainText().toUtf8();
  if (file.write(bytes) != bytes.size()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    throw PlatformFailure(u"save"_s, path, reason);
  }
  if (!file.commit()) throw PlatformFailure(u"save"_s, path, file.errorString());
}

void RichTextEdit::loadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw PlatformFailure(u"open"_s, path, file.errorString());
  if (QFileInfo(file).isDir()) throw PlatformFailure(u"open"_s, path, u"it is a folder"_s);
  if (file.size() > kLargestFile)
    throw PlatformFailure(u"open"_s, path,
                          u"the file is larger than %1 MB"_s.arg(kLargestFile / (1024 * 1024)));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw PlatformFailure(u"open"_s, path, file.errorString());
  const auto decoded = decodeTextFile(bytes);
  if (!decoded) throw PlatformFailure(u"open"_s, path, u"it is not a text file"_s);
  setText(decoded->text);
}

void RichTextEdit::replaceContent(const std::function<void(QTextCursor&)>& fill) {
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.removeSelectedText();
  fill(cursor);
  cursor.endEditBlock();
  cursor.movePosition(QTextCursor::Start);
  setTextCursor(cursor);
}

void RichTextEdit::selPrint(PrinterDevice& device) {
  const QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) {
    document()->print(&device.printer());
    return;
  }
  QTextDocument selection;
  selection.setDefaultFont(document()->defaultFont());
  QTextCursor(&selection).insertFragment(cursor.selection());
  selection.print(&device.printer());
}

void RichTextEdit::onChange(std::function<void()> handler) { changed_ = std::move(handler); }

}  // namespace tavelin::platform
