#pragma once

namespace tavelin::editor {

// Dialog filters: description and pattern pairs separated by vertical bars.
inline constexpr const char* kHtmlFilter = "html超文本文件(*.html)|*.html";
inline constexpr const char* kCssFilter = "CSS文件(*.css)|*.css";
inline constexpr const char* kJsFilter = "js文件(*.js)|*.js";
inline constexpr const char* kOpenFilter =
    "html超文本文件|*.html|Text文本文件|*.txt|Word文本文件|*.doc|RTF文本文件|*.rtf|"
    "C语言文件|*.C|HTML源文件|*.html|CSS源文件|*.css|JS源文件|*.js|INF文件|*.inf|"
    "INI文本文件|*.ini|ASM文本文件|*.asm|log文件|*.log|BAT源文件|*.bat|所有文件|*.*";

inline constexpr const char* kOpenTitle = "打开";
inline constexpr const char* kSaveAsTitle = "另存为";

// Print-dialog flags: a device context back, no page numbers; plus Selection when text is selected.
inline constexpr int kPrintFlags = 264;
// Font-dialog flags: screen and printer fonts.
inline constexpr int kFontFlags = 3;

}  // namespace tavelin::editor
