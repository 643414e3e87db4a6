#include "QtControls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPalette>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <utility>

namespace tavelin::platform {

QColor screenColor(std::uint32_t color) {
  if ((color & 0x80000000u) == 0)
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
  const QPalette palette = QApplication::palette();
  switch (color & 0xFFu) {
    case 3:  // inactive title bar: the highlight of the pane shown
      return palette.color(QPalette::Inactive, QPalette::Highlight).lighter(150);
    case 5:  // window background
      return palette.color(QPalette::Base);
    case 15:  // button face
      return palette.color(QPalette::Button);
    default:
      return palette.color(QPalette::Window);
  }
}

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
  setAutoFillBackground(true);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setFocusPolicy(Qt::NoFocus);
}

QString CaptionLabel::caption() const { return QLabel::text(); }

void CaptionLabel::setCaption(const QString& caption) { QLabel::setText(caption); }

std::uint32_t CaptionLabel::backColor() const { return backColor_; }

void CaptionLabel::setBackColor(std::uint32_t color) {
  backColor_ = color;
  QPalette p = palette();
  p.setColor(QPalette::Window, screenColor(color));
  setPalette(p);
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  // The release that ends a double-click is not a click of its own.
  if (std::exchange(releaseEndsDoubleClick_, false)) return;
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clicked)
    clicked();
}

void CaptionLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  releaseEndsDoubleClick_ = true;
  if (event->button() == Qt::LeftButton && doubleClicked) doubleClicked();
}

BrowserWidget::BrowserWidget(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  // A blank page until the first one arrives.
  setAutoFillBackground(true);
  QPalette blank = palette();
  blank.setColor(QPalette::Window, Qt::white);
  setPalette(blank);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
}

QWebEngineView& BrowserWidget::view() {
  if (!view_) {
    view_ = new QWebEngineView(this);
    view_->setObjectName(objectName());
    // Pages without a charset declaration are the editor's own UTF-8 files.
    view_->settings()->setDefaultTextEncoding(QStringLiteral("utf-8"));
    layout()->addWidget(view_);
    setFocusProxy(view_);
  }
  return *view_;
}

void BrowserWidget::navigate(const QString& target) {
  const QFileInfo file(target);
  if (!target.contains(QStringLiteral("://")) && (file.isAbsolute() || file.exists()))
    view().load(QUrl::fromLocalFile(file.absoluteFilePath()));
  else
    view().load(QUrl::fromUserInput(target));
}

void ClientArea::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (resized) resized();
}

void MainForm::closeEvent(QCloseEvent* event) {
  std::int16_t cancel = 0;
  if (queryUnload) queryUnload(cancel, 0);
  if (cancel != 0)
    event->ignore();
  else
    event->accept();
}

}  // namespace tavelin::platform
