#include "platform/rtf/DocumentBuilder.h"

#include <utility>

namespace tavelin::rtf {

DocumentBuilder::DocumentBuilder() { document_.paragraphs.emplace_back(); }

void DocumentBuilder::appendText(std::string_view utf8, const CharFormat& format) {
  if (utf8.empty()) return;
  auto& runs = document_.paragraphs.back().runs;
  if (!runs.empty() && runs.back().format == format) {
    runs.back().text.append(utf8);
  } else {
    runs.push_back(Run{std::string(utf8), format});
  }
}

void DocumentBuilder::endParagraph(Alignment alignment) {
  document_.paragraphs.back().alignment = alignment;
  document_.paragraphs.emplace_back();
}

Document DocumentBuilder::finish(Alignment lastAlignment) {
  auto& paragraphs = document_.paragraphs;
  if (paragraphs.size() > 1 && paragraphs.back().runs.empty()) {
    paragraphs.pop_back();
  } else {
    paragraphs.back().alignment = lastAlignment;
  }
  return std::move(document_);
}

}  // namespace tavelin::rtf
