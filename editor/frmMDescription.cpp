#include "frmMDescription.h"

#include "pictures/Pictures.h"

namespace tavelin::editor {
namespace {

using platform::Check;
using platform::ControlKind;
using platform::ControlRow;
using platform::MenuRow;
using platform::ScrollBars;
using platform::ToolbarButtonRow;
using Style = platform::ButtonStyle;

constexpr std::uint32_t kInactiveTitleBar = 0x80000003u;
constexpr std::uint32_t kWindowBackground = 0x80000005u;
constexpr std::uint32_t kButtonFace = 0x8000000Fu;
constexpr const char* kSaveTip = "双击此处保存";

// Tables are kept one row to an entry, aligned, so they read as tables.
// clang-format off

// In stacking order: each row lies in front of the rows after it.
const ControlRow kControls[] = {
    {.name = "Command1", .kind = ControlKind::CommandButton, .container = nullptr,
     .left = 9240, .top = 240, .width = 1455, .height = 375, .tabIndex = 6, .caption = "运行结果"},
    {.name = "WebBrowser1", .kind = ControlKind::WebBrowser, .container = nullptr,
     .left = 7200, .top = 720, .width = 8175, .height = 9375, .tabIndex = 2},
    {.name = "Timer1", .kind = ControlKind::Timer, .container = nullptr, .interval = 100},
    {.name = "imlToolbarIcons", .kind = ControlKind::ImageList, .container = nullptr},
    {.name = "dlgCommonDialog", .kind = ControlKind::CommonDialog, .container = nullptr},
    {.name = "tbToolBar", .kind = ControlKind::Toolbar, .container = nullptr,
     .left = 0, .top = 0, .width = 15375, .height = 405, .tabIndex = 0},
    {.name = "Text2", .kind = ControlKind::TextBox, .container = "tbToolBar",
     .left = 12120, .top = 120, .width = 2535, .height = 270, .tabIndex = 3, .caption = "Text2",
     .locked = true},
    {.name = "RichTextBox1", .kind = ControlKind::RichTextBox, .container = nullptr,
     .left = 0, .top = 720, .width = 7215, .height = 9375, .tabIndex = 1,
     .backColor = kWindowBackground, .scrollBars = ScrollBars::Both},
    {.name = "RichTextBox2", .kind = ControlKind::RichTextBox, .container = nullptr,
     .left = 0, .top = 720, .width = 7215, .height = 9375, .tabIndex = 10,
     .backColor = kWindowBackground, .scrollBars = ScrollBars::Vertical},
    {.name = "RichTextBox3", .kind = ControlKind::RichTextBox, .container = nullptr,
     .left = 0, .top = 720, .width = 7215, .height = 9375, .tabIndex = 11,
     .backColor = kWindowBackground, .scrollBars = ScrollBars::Vertical},
    {.name = "Label5", .kind = ControlKind::Label, .container = nullptr,
     .left = 4920, .top = 480, .width = 2175, .height = 255, .tabIndex = 9,
     .caption = "JS代码编辑区", .backColor = kButtonFace, .toolTip = kSaveTip},
    {.name = "Label4", .kind = ControlKind::Label, .container = nullptr,
     .left = 2520, .top = 480, .width = 2295, .height = 255, .tabIndex = 8,
     .caption = "CSS代码编辑区", .backColor = kButtonFace, .toolTip = kSaveTip},
    {.name = "Label3", .kind = ControlKind::Label, .container = nullptr,
     .left = 12840, .top = 480, .width = 2175, .height = 255, .tabIndex = 7,
     .caption = "向开发者提交建议以及错误", .backColor = kButtonFace, .cursor = &handCursor()},
    {.name = "Label2", .kind = ControlKind::Label, .container = nullptr,
     .left = 7440, .top = 480, .width = 1575, .height = 255, .tabIndex = 5,
     .caption = "结果显示区：", .backColor = kButtonFace},
    {.name = "Label1", .kind = ControlKind::Label, .container = nullptr,
     .left = 0, .top = 480, .width = 2415, .height = 255, .tabIndex = 4,
     .caption = "HTML代码编辑区", .backColor = kInactiveTitleBar, .toolTip = kSaveTip},
};

const MenuRow kMenus[] = {
    {"mnuFile", nullptr, "文件(&F)"},
    {"mnuFileNew", "mnuFile", "新建(&N)", "Ctrl+N"},
    {"mnuFileOpen", "mnuFile", "打开(&O)...", "F1"},
    {"mnuFileSave", "mnuFile", "保存(&S)", "F2"},
    {"mnuFileSaveAs", "mnuFile", "另存为(&A)...", "F3"},
    {"mnuFilePrint", "mnuFile", "打印(&P)..."},
    {"mnuFileExit", "mnuFile", "退出(&X)"},
    {"mnuEdit", nullptr, "编辑(&E)"},
    {"mnuEditCut", "mnuEdit", "剪贴(&T)"},
    {"mnuEditCopy", "mnuEdit", "复制(&C)"},
    {"mnuEditPaste", "mnuEdit", "粘贴(&P)"},
    {"mnuView", nullptr, "视图(&V)"},
    {"mnuViewToolbar", "mnuView", "工具栏(&T)", nullptr, Check::On},
    {"mnuTxt", nullptr, "文字(&T)"},
    {"mnuTxtFont", "mnuTxt", "字体(&F)"},
    {"mnuTxtColor", "mnuTxt", "颜色(&A)"},
    {"mnuTxtBar0", "mnuTxt", "-"},
    {"mnuTxtBold", "mnuTxt", "粗体(&B)"},
    {"mnuTxtItalic", "mnuTxt", "斜体(&I)"},
    {"mnuTxtUnderline", "mnuTxt", "下划线(&U)"},
    {"mnuTxtBar1", "mnuTxt", "-"},
    {"mnuTxtL", "mnuTxt", "左对齐(&L)", nullptr, Check::Off},
    {"mnuTxtC", "mnuTxt", "置中(&C)", nullptr, Check::Off},
    {"mnuTxtR", "mnuTxt", "右对齐(&R)", nullptr, Check::Off},
    {"qzone", nullptr, "Qzone"},
};

const ToolbarButtonRow kToolbarButtons[] = {
    {"新建", "新建", 1, Style::Normal},
    {"打开", "打开", 2, Style::Normal},
    {"保存", "保存", 3, Style::Normal},
    {"打印", "打印", 4, Style::Normal},
    {"剪切", "剪切", 5, Style::Normal},
    {"复制", "复制", 6, Style::Normal},
    {"粘贴", "粘贴", 7, Style::Normal},
    {"字体", "字体", 14, Style::Normal},
    {"字体颜色", "字体颜色", 15, Style::Normal},
    {"粗体", "粗体", 8, Style::Normal},
    {"斜体", "斜体", 9, Style::Normal},
    {"下划线", "下划线", 10, Style::Normal},
    {nullptr, nullptr, 0, Style::Separator},
    {"左对齐", "左对齐", 11, Style::Grouped},
    {"置中", "置中", 12, Style::Grouped},
    {"右对齐", "右对齐", 13, Style::Grouped},
};

// clang-format on

// Families that show Chinese text where the pane's own font is not installed.
const char* const kPaneFontFallbacks[] = {"Microsoft YaHei", "Noto Sans CJK SC",
                                          "WenQuanYi Micro Hei", "Droid Sans Fallback"};

}  // namespace

const platform::WindowDescription& frmMDescription() {
  static const platform::Picture* const icons[] = {&windowIcon32(), &windowIcon16()};
  static const platform::WindowDescription description{
      .name = "frmM",
      .caption = "Tavelin 2.0",
      .clientWidth = 15375,
      .clientHeight = 10095,
      .icons = icons,
      .controls = kControls,
      .menus = kMenus,
      .toolbarName = "tbToolBar",
      .toolbarButtonWidth = 23,
      .toolbarButtonHeight = 21,
      .toolbarButtons = kToolbarButtons,
      .imageList = toolbarPictures(),
      .imageWidth = 16,
      .imageHeight = 15,
      .imageMaskColor = 0xC0C0C0,
      .paneFont = {"微软雅黑", kPaneFontFallbacks, 12},
  };
  return description;
}

}  // namespace tavelin::editor
