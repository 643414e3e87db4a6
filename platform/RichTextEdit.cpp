#include "RichTextEdit.h"

#include <QFile>
#include <QFileInfo>
#include <QResizeEvent>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <cmath>

#include "PlatformFailure.h"
#include "PrinterDevice.h"
#include "RtfIntoDocument.h"
#include "TextFileDecoder.h"
#include "platform/rtf/RtfDocument.h"

using namespace Qt::StringLiterals;

namespace tavelin::platform {
namespace {

constexpr double kTwipsPerPixel = 15.0;
// Larger files would take the pane's memory many times over; nobody edits such a page by hand.
constexpr qint64 kLargestFile = 256LL * 1024 * 1024;

// Formatting the selection changes no character, and neither does changing how the text is laid
// out, so neither must look like an edit to the pane's change handling.
class QuietFormatting {
 public:
  explicit QuietFormatting(bool& flag) : flag_(flag) { flag_ = true; }
  ~QuietFormatting() { flag_ = false; }

 private:
  bool& flag_;
};

// The characters as a file holds them: paragraph and line separators become line ends and
// everything else stays as typed. (The toolkit's plain text also turns a non-breaking space
// into an ordinary one, which would change the page on every save.)
QString plainTextOf(const QTextDocument& document) {
  QString text = document.toRawText();
  for (QChar& ch : text) {
    switch (ch.unicode()) {
      case QChar::ParagraphSeparator:
      case QChar::LineSeparator:
      case 0xFDD0:  // start and end of a frame
      case 0xFDD1:
        ch = u'\n';
        break;
      default:
        break;
    }
  }
  return text;
}

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

void RichTextEdit::switchWordWrapOff() {
  setLineWrapMode(QTextEdit::NoWrap);
  if (unwrapped_) return;
  // The toolkit's layout walks every paragraph after an edit; without wrapping a paragraph's
  // height is its own business, which the unwrapped layout turns into cost per edit that does not
  // grow with the text. Installing it reports the whole text as changed, which it is not.
  QuietFormatting quiet(formatting_);
  auto* layout = new UnwrappedDocumentLayout(document());
  document()->setDocumentLayout(layout);
  unwrapped_ = layout;
  // Background layout steps settle estimated heights, possibly above the view: keep the
  // paragraph at the top of the view where it is rather than let the text jump.
  connect(layout, &UnwrappedDocumentLayout::blocksAboutToMove, this, [this] {
    const int y = verticalScrollBar()->value();
    anchorPosition_ = -1;
    if (y == 0 || !unwrapped_) return;
    const QTextBlock top = unwrapped_->blockAt(y);
    anchorPosition_ = top.position();
    anchorOffset_ = y - unwrapped_->blockTop(top);
  });
  connect(layout, &UnwrappedDocumentLayout::blocksMoved, this, [this] {
    if (anchorPosition_ < 0 || !unwrapped_) return;
    const QTextBlock top = document()->findBlock(anchorPosition_);
    anchorPosition_ = -1;
    if (top.isValid())
      verticalScrollBar()->setValue(int(std::lround(unwrapped_->blockTop(top) + anchorOffset_)));
  });
  updateAlignmentWidth();
}

void RichTextEdit::resizeEvent(QResizeEvent* event) {
  QTextEdit::resizeEvent(event);
  updateAlignmentWidth();
}

void RichTextEdit::updateAlignmentWidth() {
  if (unwrapped_)
    unwrapped_->setAlignmentWidth(viewport()->width() - 2 * document()->documentMargin());
}

bool RichTextEdit::wordWrapIsOff() const { return lineWrapMode() == QTextEdit::NoWrap; }

void RichTextEdit::setHeightTwips(float twips) {
  if (!std::isfinite(twips) || twips < 0)
    throw PlatformFailure(u"set the pane's height"_s, QString(), u"invalid height"_s);
  resize(width(), int(std::lround(twips / kTwipsPerPixel)));
}

float RichTextEdit::heightTwips() const { return float(QWidget::height() * kTwipsPerPixel); }

QString RichTextEdit::text() const { return plainTextOf(*document()); }

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
  // Formats the selection, or the caret's typing format when nothing is selected. Once only: a
  // second pass over the selection cost the time again and left a second undo step that did
  // nothing, so Undo seemed not to work after Bold.
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
    case AlignLeft:
      format.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
      break;
    case AlignRight:
      format.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
      break;
    case AlignCenter:
      format.setAlignment(Qt::AlignHCenter);
      break;
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
  // Unbuffered, and written until every byte is down: a buffered tail would only be written at
  // commit, where a full disk goes unnoticed and a cut-off file replaces the old one.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    throw PlatformFailure(u"save"_s, path, file.errorString());
  const QByteArray bytes = plainTextOf(*document()).toUtf8();
  for (qint64 written = 0; written < bytes.size();) {
    const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
    if (n <= 0) {
      const QString reason = file.errorString();
      file.cancelWriting();
      throw PlatformFailure(u"save"_s, path, reason);
    }
    written += n;
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
  if (rtf::looksLikeRtf(std::string_view(bytes.constData(), size_t(bytes.size())))) {
    // RTF is text throughout; only a picture's \bin data carries raw bytes. NUL bytes anywhere
    // else mean a binary file that merely starts with the signature.
    if (bytes.contains('\0') && !bytes.contains("\\bin"))
      throw PlatformFailure(u"open"_s, path,
                            u"it starts like an RTF document but holds binary data"_s);
    rtf::Document document;
    try {
      document = rtf::readRtf(std::string_view(bytes.constData(), size_t(bytes.size())));
    } catch (const std::exception& e) {
      throw PlatformFailure(u"open"_s, path, QString::fromUtf8(e.what()));
    }
    replaceContent([&](QTextCursor& cursor) { insertRtf(cursor, document, paneFormat_); });
    return;
  }
  const auto decoded = decodeTextFile(bytes);
  if (!decoded) throw PlatformFailure(u"open"_s, path, u"it is not a text file"_s);
  setText(decoded->text);
}

void RichTextEdit::replaceContent(const std::function<void(QTextCursor&)>& fill) {
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  const bool hadText = cursor.hasSelection();
  cursor.removeSelectedText();
  // What is left is the old first paragraph, emptied: it must not lend its alignment or font to
  // the new text. An untouched empty pane has nothing to lend, and stays without an edit.
  if (cursor.blockFormat() != QTextBlockFormat()) cursor.setBlockFormat(QTextBlockFormat());
  if (hadText && cursor.blockCharFormat() != paneFormat_) cursor.setBlockCharFormat(paneFormat_);
  cursor.setCharFormat(paneFormat_);
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
