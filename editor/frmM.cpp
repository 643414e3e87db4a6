#include "frmM.h"

#include <QDir>
#include <QFileInfo>

#include "CommonDialog.h"
#include "FileFilters.h"
#include "Links.h"
#include "PlatformFailure.h"
#include "frmMDescription.h"
#include "layout/LayoutEngine.h"

using namespace Qt::StringLiterals;

namespace tavelin::editor {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

const QString kUnsavedMark = u"(未保存)"_s;
constexpr std::uint32_t kHighlighted = 0x80000003u;  // inactive title bar
constexpr std::uint32_t kPlain = 0x8000000Fu;        // button face
constexpr float kPaneHeight = 9375;

}  // namespace

// Everything the window keeps of one pane: the pane's row of the pane table.
struct frmM::Pane {
  platform::RichTextPane& box;
  platform::Label& label;
  QString cleanCaption;
  QString& file;
  Boolean& hasFile;
  Boolean& dirty;
  const char* filter;
};

frmM::frmM(platform::Services services, layout::LayoutEngine& layoutEngine)
    : services_(services),
      layoutEngine_(layoutEngine),
      dlgCommonDialog(services.dialog),
      window_(platform::buildWindow(frmMDescription())),
      RichTextBox1(window_->pane("RichTextBox1")),
      RichTextBox2(window_->pane("RichTextBox2")),
      RichTextBox3(window_->pane("RichTextBox3")),
      Label1(window_->label("Label1")),
      Label4(window_->label("Label4")),
      Label5(window_->label("Label5")),
      Text2(window_->textField("Text2")),
      WebBrowser1(window_->browser("WebBrowser1")),
      tbToolBar(window_->toolbar("tbToolBar")),
      mnuViewToolbar(window_->menuItem("mnuViewToolbar")),
      mnuTxtL(window_->menuItem("mnuTxtL")),
      mnuTxtC(window_->menuItem("mnuTxtC")),
      mnuTxtR(window_->menuItem("mnuTxtR")) {
  panes_[0].reset(new Pane{RichTextBox1, Label1, u"HTML代码编辑区"_s, strHtmlFile, blnHtmlHasFile,
                           blnHtmlDirty, kHtmlFilter});
  panes_[1].reset(new Pane{RichTextBox2, Label4, u"CSS代码编辑区"_s, strCssFile, blnCssHasFile,
                           blnCssDirty, kCssFilter});
  panes_[2].reset(new Pane{RichTextBox3, Label5, u"JS代码编辑区"_s, strJsFile, blnJsHasFile,
                           blnJsDirty, kJsFilter});
  bindEvents();
}

frmM::~frmM() = default;

void frmM::Show() {
  guarded([this] { Form_Load(); });
  window_->show();
}

void frmM::guarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const platform::PlatformFailure& failure) {
    services_.messageBox.reportFailure(failure.describe(), u"Tavelin"_s);
  } catch (const std::exception& failure) {
    services_.messageBox.reportFailure(QString::fromLocal8Bit(failure.what()), u"Tavelin"_s);
  }
}

// ---- Window events ----

void frmM::Form_Load() {
  blnHtmlDirty = vbFalse;
  strHtmlFile.clear();
  blnHtmlHasFile = vbFalse;
  for (auto& pane : panes_) pane->box.switchWordWrapOff();
}

void frmM::Form_Resize() {
  // A resize never troubles the user: whatever the engine cannot do stays as it is.
  try {
    layoutEngine_.ResizeForm(window_->layoutForm());
  } catch (...) {
  }
}

void frmM::Form_QueryUnload(Boolean& Cancel, int /*UnloadMode*/) {
  // Unsaved CSS or JS text is lost on closing just as surely as HTML text, so any dirty pane asks.
  const bool unsaved = blnHtmlDirty == vbTrue || blnCssDirty == vbTrue || blnJsDirty == vbTrue;
  if (!unsaved) return;
  if (services_.messageBox.askYesNo(u"当前记录尚未保存，确认要退出?"_s, u"提示"_s) ==
      platform::MessageBox::No)
    Cancel = vbTrue;
}

// ---- Panes ----

void frmM::markChanged(Pane& pane) {
  pane.dirty = vbTrue;
  pane.label.setCaption(pane.cleanCaption + kUnsavedMark);
}

void frmM::switchTo(Pane& shown) {
  shown.label.setBackColor(kHighlighted);
  for (auto& other : panes_)
    if (other.get() != &shown) other->label.setBackColor(kPlain);
  for (auto& other : panes_)
    if (other.get() != &shown) other->box.setHeightTwips(0);
  shown.box.setHeightTwips(kPaneHeight);
}

void frmM::RichTextBox1_Change() { markChanged(*panes_[0]); }
void frmM::RichTextBox2_Change() { markChanged(*panes_[1]); }
void frmM::RichTextBox3_Change() { markChanged(*panes_[2]); }
void frmM::Label1_Click() { switchTo(*panes_[0]); }
void frmM::Label4_Click() { switchTo(*panes_[1]); }
void frmM::Label5_Click() { switchTo(*panes_[2]); }

// ---- File commands ----

void frmM::mnuFileNew_Click() {
  RichTextBox1.setText(QString());
  window_->form().setCaption(u"Tavelin"_s);
}

void frmM::mnuFileOpen_Click() {
  dlgCommonDialog.DialogTitle = text(kOpenTitle);
  dlgCommonDialog.Filter = text(kOpenFilter);
  dlgCommonDialog.ShowOpen();
  if (dlgCommonDialog.FileName.isEmpty()) return;
  RichTextBox1.loadFile(dlgCommonDialog.FileName);
  window_->form().setCaption(dlgCommonDialog.FileName);
}

void frmM::save(Pane& pane) {
  // A pane without a file gets one through Save As; if the user closes that dialog without a
  // choice the pane stays as it was, unsaved text and all.
  if (pane.hasFile == vbFalse) {
    saveAs(pane);
    return;
  }
  pane.box.saveFile(pane.file, platform::RichTextPane::PlainText);
  pane.label.setCaption(pane.cleanCaption);
  pane.dirty = vbFalse;
}

void frmM::saveAs(Pane& pane) {
  dlgCommonDialog.DialogTitle = text(kSaveAsTitle);
  dlgCommonDialog.Filter = text(pane.filter);
  dlgCommonDialog.ShowSave();
  const QString chosen = dlgCommonDialog.FileName;
  if (chosen.isEmpty()) return;
  pane.box.saveFile(chosen, platform::RichTextPane::PlainText);
  pane.file = chosen;
  window_->form().setCaption(chosen);
  pane.dirty = vbFalse;
  pane.hasFile = vbTrue;
  pane.label.setCaption(pane.cleanCaption);
}

void frmM::mnuFileSave_Click() { save(*panes_[0]); }
void frmM::mnuFileSaveAs_Click() { saveAs(*panes_[0]); }
void frmM::SaveCss() { save(*panes_[1]); }
void frmM::SaveCssAs() { saveAs(*panes_[1]); }
void frmM::SaveJs() { save(*panes_[2]); }
void frmM::SaveJsAs() { saveAs(*panes_[2]); }
void frmM::Label1_DblClick() { mnuFileSave_Click(); }
void frmM::Label4_DblClick() { SaveCss(); }
void frmM::Label5_DblClick() { SaveJs(); }

void frmM::mnuFilePrint_Click() {
  dlgCommonDialog.Flags = kPrintFlags;
  if (RichTextBox1.selLength() != 0) dlgCommonDialog.Flags += platform::CommonDialog::PD_SELECTION;
  platform::PrinterDevice* printer = dlgCommonDialog.ShowPrinter();
  if (!printer) return;  // closed without a choice: nothing to print on
  RichTextBox1.selPrint(*printer);
}

void frmM::mnuFileExit_Click() { window_->form().unload(); }

// ---- Edit and format commands ----

void frmM::mnuEditCopy_Click() { services_.clipboard.setText(RichTextBox1.selText()); }

void frmM::mnuEditCut_Click() {
  mnuEditCopy_Click();
  RichTextBox1.setSelText(QString());
}

void frmM::mnuEditPaste_Click() { RichTextBox1.setSelText(services_.clipboard.text()); }

void frmM::mnuTxtBold_Click() { RichTextBox1.setSelBold(!RichTextBox1.selBold()); }
void frmM::mnuTxtItalic_Click() { RichTextBox1.setSelItalic(!RichTextBox1.selItalic()); }
void frmM::mnuTxtUnderline_Click() { RichTextBox1.setSelUnderline(!RichTextBox1.selUnderline()); }

void frmM::mnuTxtColor_Click() {
  // A colour dialog closed without a choice formats nothing.
  if (!dlgCommonDialog.ShowColor()) return;
  RichTextBox1.setSelColor(dlgCommonDialog.Color);
}

void frmM::mnuTxtFont_Click() {
  dlgCommonDialog.Flags = kFontFlags;
  // A font dialog closed without a choice formats nothing.
  if (!dlgCommonDialog.ShowFont()) return;
  RichTextBox1.setSelFontName(dlgCommonDialog.FontName);
  RichTextBox1.setSelFontSize(dlgCommonDialog.FontSize);
  RichTextBox1.setSelBold(dlgCommonDialog.FontBold);
  RichTextBox1.setSelItalic(dlgCommonDialog.FontItalic);
  RichTextBox1.setSelUnderline(dlgCommonDialog.FontUnderline);
  RichTextBox1.setSelStrikeThru(dlgCommonDialog.FontStrikethru);
}

void frmM::mnuTxtL_Click() {
  mnuTxtR.setChecked(false);
  mnuTxtL.setChecked(true);
  mnuTxtC.setChecked(false);
  RichTextBox1.setSelAlignment(platform::RichTextPane::AlignLeft);
}

void frmM::mnuTxtC_Click() {
  mnuTxtR.setChecked(false);
  mnuTxtL.setChecked(false);
  mnuTxtC.setChecked(true);
  RichTextBox1.setSelAlignment(platform::RichTextPane::AlignCenter);
}

void frmM::mnuTxtR_Click() {
  mnuTxtR.setChecked(true);
  mnuTxtL.setChecked(false);
  mnuTxtC.setChecked(false);
  RichTextBox1.setSelAlignment(platform::RichTextPane::AlignRight);
}

void frmM::mnuViewToolbar_Click() {
  mnuViewToolbar.setChecked(!mnuViewToolbar.checked());
  tbToolBar.setVisible(mnuViewToolbar.checked());
}

void frmM::tbToolBar_ButtonClick(const QString& Key) {
  struct Dispatch {
    const char* key;
    void (frmM::*command)();
  };
  static constexpr Dispatch kDispatch[] = {
      {"新建", &frmM::mnuFileNew_Click},      {"打开", &frmM::mnuFileOpen_Click},
      {"保存", &frmM::mnuFileSave_Click},     {"打印", &frmM::mnuFilePrint_Click},
      {"剪切", &frmM::mnuEditCut_Click},      {"复制", &frmM::mnuEditCopy_Click},
      {"粘贴", &frmM::mnuEditPaste_Click},    {"字体", &frmM::mnuTxtFont_Click},
      {"字体颜色", &frmM::mnuTxtColor_Click}, {"粗体", &frmM::mnuTxtBold_Click},
      {"斜体", &frmM::mnuTxtItalic_Click},    {"下划线", &frmM::mnuTxtUnderline_Click},
      {"左对齐", &frmM::mnuTxtL_Click},       {"置中", &frmM::mnuTxtC_Click},
      {"右对齐", &frmM::mnuTxtR_Click},
  };
  for (const Dispatch& row : kDispatch) {
    if (Key == text(row.key)) {
      (this->*row.command)();
      return;
    }
  }
}

// ---- Preview, links and clock ----

void frmM::Command1_Click() {
  const QString preview = PreviewFile();
  QDir().mkpath(QFileInfo(preview).absolutePath());
  RichTextBox1.saveFile(preview, platform::RichTextPane::PlainText);
  if (strHtmlFile != QString())
    WebBrowser1.navigate(strHtmlFile);
  else
    WebBrowser1.navigate(preview);
}

void frmM::Label3_Click() { WebBrowser1.navigate(FeedbackUrl()); }

void frmM::qzone_Click() { services_.programStarter.shell(PersonalPageCommandLine()); }

void frmM::Timer1_Timer() { Text2.setText(ClockText(services_.clock.now())); }

// ---- Events to handlers ----

void frmM::bindEvents() {
  using Event = platform::Window::Event;
  struct Binding {
    const char* control;
    Event event;
    void (frmM::*handler)();
  };
  static constexpr Binding kBindings[] = {
      {"RichTextBox1", Event::Change, &frmM::RichTextBox1_Change},
      {"RichTextBox2", Event::Change, &frmM::RichTextBox2_Change},
      {"RichTextBox3", Event::Change, &frmM::RichTextBox3_Change},
      {"Label1", Event::Click, &frmM::Label1_Click},
      {"Label4", Event::Click, &frmM::Label4_Click},
      {"Label5", Event::Click, &frmM::Label5_Click},
      {"Label1", Event::DblClick, &frmM::Label1_DblClick},
      {"Label4", Event::DblClick, &frmM::Label4_DblClick},
      {"Label5", Event::DblClick, &frmM::Label5_DblClick},
      {"Label3", Event::Click, &frmM::Label3_Click},
      {"Command1", Event::Click, &frmM::Command1_Click},
      {"Timer1", Event::Timer, &frmM::Timer1_Timer},
      {"mnuFileNew", Event::Click, &frmM::mnuFileNew_Click},
      {"mnuFileOpen", Event::Click, &frmM::mnuFileOpen_Click},
      {"mnuFileSave", Event::Click, &frmM::mnuFileSave_Click},
      {"mnuFileSaveAs", Event::Click, &frmM::mnuFileSaveAs_Click},
      {"mnuFilePrint", Event::Click, &frmM::mnuFilePrint_Click},
      {"mnuFileExit", Event::Click, &frmM::mnuFileExit_Click},
      {"mnuEditCut", Event::Click, &frmM::mnuEditCut_Click},
      {"mnuEditCopy", Event::Click, &frmM::mnuEditCopy_Click},
      {"mnuEditPaste", Event::Click, &frmM::mnuEditPaste_Click},
      {"mnuViewToolbar", Event::Click, &frmM::mnuViewToolbar_Click},
      {"mnuTxtFont", Event::Click, &frmM::mnuTxtFont_Click},
      {"mnuTxtColor", Event::Click, &frmM::mnuTxtColor_Click},
      {"mnuTxtBold", Event::Click, &frmM::mnuTxtBold_Click},
      {"mnuTxtItalic", Event::Click, &frmM::mnuTxtItalic_Click},
      {"mnuTxtUnderline", Event::Click, &frmM::mnuTxtUnderline_Click},
      {"mnuTxtL", Event::Click, &frmM::mnuTxtL_Click},
      {"mnuTxtC", Event::Click, &frmM::mnuTxtC_Click},
      {"mnuTxtR", Event::Click, &frmM::mnuTxtR_Click},
      {"qzone", Event::Click, &frmM::qzone_Click},
  };
  for (const Binding& b : kBindings)
    window_->on(b.control, b.event,
                [this, handler = b.handler] { guarded([&] { (this->*handler)(); }); });
  window_->onButtonClick(
      "tbToolBar", [this](const QString& key) { guarded([&] { tbToolBar_ButtonClick(key); }); });
  window_->onQueryUnload(
      [this](std::int16_t& cancel, int mode) { guarded([&] { Form_QueryUnload(cancel, mode); }); });
  window_->onResize([this] { Form_Resize(); });
}

}  // namespace tavelin::editor
