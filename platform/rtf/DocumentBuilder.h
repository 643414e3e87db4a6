#pragma once

#include <string_view>

#include "platform/rtf/RtfDocument.h"

namespace tavelin::rtf {

// Collects text into paragraphs and runs, merging text of equal format into one run.
class DocumentBuilder {
 public:
  DocumentBuilder();

  // `utf8` must hold no paragraph break; empty text adds nothing.
  void appendText(std::string_view utf8, const CharFormat& format);
  // Ends the current paragraph with the alignment in force at its end.
  void endParagraph(Alignment alignment);
  // The document; a last paragraph left empty after a \par is not one of its paragraphs.
  Document finish(Alignment lastAlignment);

 private:
  Document document_;
};

}  // namespace tavelin::rtf
