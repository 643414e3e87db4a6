#pragma once

#include "WindowDescription.h"

namespace tavelin::editor {

// The main window as data: its controls, menus, toolbar buttons and pictures.
const platform::WindowDescription& frmMDescription();

}  // namespace tavelin::editor
