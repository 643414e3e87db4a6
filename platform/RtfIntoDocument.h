#pragma once

#include <QTextCharFormat>
#include <QTextCursor>

#include "platform/rtf/RtfDocument.h"

namespace tavelin::platform {

// Writes a document read from RTF at the cursor: its paragraphs with their alignment and its runs
// with their formats, on top of the pane's own format for what the file leaves unsaid.
void insertRtf(QTextCursor& cursor, const rtf::Document& document,
               const QTextCharFormat& paneFormat);

}  // namespace tavelin::platform
