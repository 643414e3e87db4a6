#pragma once

#include <QPointer>
#include <QTextEdit>

#include "RichTextPane.h"
#include "UnwrappedDocumentLayout.h"

namespace tavelin::platform {

// The code pane: a QTextEdit that keeps every rich-text operation the editor uses. Once word wrap
// is off it lays its text out with UnwrappedDocumentLayout, so an edit costs the same at the top
// of a 10 MB page as at its end, and replacing the whole text stays quick enough to be one
// ordinary undoable edit of the document.
class RichTextEdit : public QTextEdit, public RichTextPane {
  Q_OBJECT

 public:
  explicit RichTextEdit(QWidget* parent = nullptr);

  void switchWordWrapOff() override;
  bool wordWrapIsOff() const override;
  void setHeightTwips(float twips) override;
  float heightTwips() const override;
  QString text() const override;
  void setText(const QString& text) override;
  QString selText() const override;
  void setSelText(const QString& text) override;
  int selLength() const override;
  bool selBold() const override;
  void setSelBold(bool on) override;
  bool selItalic() const override;
  void setSelItalic(bool on) override;
  bool selUnderline() const override;
  void setSelUnderline(bool on) override;
  void setSelStrikeThru(bool on) override;
  void setSelColor(std::uint32_t bgr) override;
  void setSelFontName(const QString& family) override;
  void setSelFontSize(float points) override;
  void setSelAlignment(Alignment alignment) override;
  void saveFile(const QString& path, FileType type) override;
  void loadFile(const QString& path) override;
  void selPrint(PrinterDevice& printer) override;
  void onChange(std::function<void()> handler) override;

  // The format typed and plain-loaded text appears in.
  void setPaneFont(const QFont& font);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Whether every character of the selection (or the caret's format) satisfies test.
  bool wholeSelection(const std::function<bool(const QTextCharFormat&)>& test) const;
  void mergeSelection(const QTextCharFormat& format);
  // Replaces the whole content with what fill writes through the cursor, as one undoable edit that
  // raises one change. The cursor starts in an empty paragraph of default format and the pane's
  // character format; a reader of formatted files sets its own formats through it.
  void replaceContent(const std::function<void(QTextCursor&)>& fill);
  void updateAlignmentWidth();

  std::function<void()> changed_;
  bool formatting_ = false;
  QTextCharFormat paneFormat_;
  QPointer<UnwrappedDocumentLayout> unwrapped_;
  // The paragraph at the top of the view while a background layout step moves paragraphs.
  int anchorPosition_ = -1;
  qreal anchorOffset_ = 0;
};

}  // namespace tavelin::platform
