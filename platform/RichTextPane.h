#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace tavelin::platform {

class PrinterDevice;

// What the editor relies on of the rich-text control behind each code pane. Every operation may
// raise PlatformFailure.
class RichTextPane {
 public:
  enum FileType { RichText = 0, PlainText = 1 };
  enum Alignment { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

  virtual ~RichTextPane() = default;

  // Lines run on to the right instead of breaking at the pane's edge.
  virtual void switchWordWrapOff() = 0;
  virtual bool wordWrapIsOff() const = 0;

  // Twips; 0 collapses the pane so it is not seen.
  virtual void setHeightTwips(float twips) = 0;
  virtual float heightTwips() const = 0;

  virtual QString text() const = 0;
  virtual void setText(const QString& text) = 0;

  // The selected characters as plain text, empty when nothing is selected. Writing replaces the
  // selection (or inserts at the caret); an empty string deletes the selection.
  virtual QString selText() const = 0;
  virtual void setSelText(const QString& text) = 0;
  virtual int selLength() const = 0;

  // A selection that is only partly formatted reads as not formatted, so a toggle formats all of
  // it.
  virtual bool selBold() const = 0;
  virtual void setSelBold(bool on) = 0;
  virtual bool selItalic() const = 0;
  virtual void setSelItalic(bool on) = 0;
  virtual bool selUnderline() const = 0;
  virtual void setSelUnderline(bool on) = 0;
  virtual void setSelStrikeThru(bool on) = 0;
  virtual void setSelColor(std::uint32_t bgr) = 0;  // 0x00BBGGRR
  virtual void setSelFontName(const QString& family) = 0;
  virtual void setSelFontSize(float points) = 0;
  virtual void setSelAlignment(Alignment alignment) = 0;

  // Writes the whole content; only PlainText is supported: UTF-8 without BOM, atomically.
  virtual void saveFile(const QString& path, FileType type) = 0;
  // Replaces the content with the file's, as one undoable edit. Rich text when the file starts with
  // "{\rtf", else decoded text; a file that is not text is refused and the pane keeps its content.
  virtual void loadFile(const QString& path) = 0;
  // Prints the selection, or the whole content when nothing is selected.
  virtual void selPrint(PrinterDevice& printer) = 0;

  // Raised after every change of the content, by the user or the program.
  virtual void onChange(std::function<void()> handler) = 0;
};

}  // namespace tavelin::platform
