#pragma once

#include <span>

#include "platform/Picture.h"

namespace tavelin::editor {

// The fifteen image-list pictures, in image-list order (the toolbar refers to them by
// 1-based index). Their background is silver, the image list's mask colour, so it shows
// the button face through.
std::span<const platform::Picture> toolbarPictures();

// The window's icon, in the two sizes the platform asks for.
const platform::Picture& windowIcon32();
const platform::Picture& windowIcon16();

// The pointing hand shown over the feedback link; its hot spot is the raised fingertip.
const platform::Picture& handCursor();

}  // namespace tavelin::editor
