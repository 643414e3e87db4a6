#pragma once

#include <QTextEdit>

#include "RichTextPane.h"

namespace tavelin::platform {

// The code pane: a QTextEdit that keeps every rich-text operation the editor uses.
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

 private:
  // Whether every character of the selection (or the caret's format) satisfies test.
  bool wholeSelection(const std::function<bool(const QTextCharFormat&)>& test) const;
  void mergeSelection(const QTextCharFormat& format);
  void replaceContent(const std::function<void(QTextCursor&)>& fill);

  std::function<void()> changed_;
  bool formatting_ = false;
  QTextCharFormat paneFormat_;
};

}  // namespace tavelin::platform
