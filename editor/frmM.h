#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "Services.h"
#include "VbTypes.h"
#include "Window.h"

namespace tavelin::platform {
class CommonDialog;
}
namespace tavelin::layout {
class LayoutEngine;
LayoutEngine& processEngine();
}  // namespace tavelin::layout

namespace tavelin::editor {

// The editor's main window: three code panes (HTML, CSS, JS), a preview and the commands behind
// its menus, toolbar, labels and button. Every command acts on the HTML pane; the CSS and JS panes
// are saved through their labels.
class frmM {
 public:
  // The layout engine keeps the controls in proportion; the program has one for the process.
  explicit frmM(platform::Services services,
                layout::LayoutEngine& layoutEngine = layout::processEngine());
  ~frmM();

  // Runs Form_Load, then shows the window centred.
  void Show();
  platform::Window& window() { return *window_; }

  // Pane state.
  QString strHtmlFile, strCssFile, strJsFile;
  Boolean blnHtmlHasFile = vbFalse, blnCssHasFile = vbFalse, blnJsHasFile = vbFalse;
  Boolean blnHtmlDirty = vbFalse, blnCssDirty = vbFalse, blnJsDirty = vbFalse;

  // Window events.
  void Form_Load();
  void Form_Resize();
  void Form_QueryUnload(Boolean& Cancel, int UnloadMode);

  // Panes.
  void RichTextBox1_Change();
  void RichTextBox2_Change();
  void RichTextBox3_Change();
  void Label1_Click();
  void Label4_Click();
  void Label5_Click();

  // File commands.
  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  void mnuFileSave_Click();
  void mnuFileSaveAs_Click();
  void mnuFilePrint_Click();
  void mnuFileExit_Click();
  void SaveCss();
  void SaveCssAs();
  void SaveJs();
  void SaveJsAs();
  void Label1_DblClick();
  void Label4_DblClick();
  void Label5_DblClick();

  // Edit and format commands.
  void mnuEditCut_Click();
  void mnuEditCopy_Click();
  void mnuEditPaste_Click();
  void mnuTxtFont_Click();
  void mnuTxtColor_Click();
  void mnuTxtBold_Click();
  void mnuTxtItalic_Click();
  void mnuTxtUnderline_Click();
  void mnuTxtL_Click();
  void mnuTxtC_Click();
  void mnuTxtR_Click();
  void mnuViewToolbar_Click();
  void tbToolBar_ButtonClick(const QString& Key);

  // Preview, links and clock.
  void Command1_Click();
  void Label3_Click();
  void qzone_Click();
  void Timer1_Timer();

 private:
  struct Pane;
  void bindEvents();
  // The event boundary: a failure ends the command and is reported; it never ends the program.
  void guarded(const std::function<void()>& command);
  void markChanged(Pane& pane);
  void switchTo(Pane& pane);
  void save(Pane& pane);
  void saveAs(Pane& pane);

  platform::Services services_;
  layout::LayoutEngine& layoutEngine_;
  platform::CommonDialog& dlgCommonDialog;
  std::unique_ptr<platform::Window> window_;
  platform::RichTextPane& RichTextBox1;
  platform::RichTextPane& RichTextBox2;
  platform::RichTextPane& RichTextBox3;
  platform::Label& Label1;
  platform::Label& Label4;
  platform::Label& Label5;
  platform::TextField& Text2;
  platform::BrowserView& WebBrowser1;
  platform::Toolbar& tbToolBar;
  platform::MenuItem& mnuViewToolbar;
  platform::MenuItem& mnuTxtL;
  platform::MenuItem& mnuTxtC;
  platform::MenuItem& mnuTxtR;
  std::array<std::unique_ptr<Pane>, 3> panes_;
};

}  // namespace tavelin::editor
