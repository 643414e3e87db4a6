#pragma once

#include <QFont>
#include <QString>
#include <memory>

class QTextEdit;
class QPlainTextEdit;
class QWidget;
class QTextDocument;

namespace tavelin::bench {

// An HTML page of about `bytes` UTF-8 bytes as people write them: nested elements, lines of 60 to
// 120 characters, some Chinese text. The same size always gives the same page.
QString makeHtmlPage(qsizetype bytes);

// The font the editor's panes use.
QFont paneFont();

// The size the editor gives its pane, in pixels.
constexpr int kPaneWidth = 481;
constexpr int kPaneHeight = 625;

// Shows the widget at the pane's size and lets it settle, so later figures hold no first-paint
// work.
void showAsPane(QWidget& widget);

// One key press as the user types it, followed by the change handling and a paint of the viewport.
void typeKey(QWidget& target, QWidget& viewport, Qt::Key key, const QString& text);

// Sends every posted event.
void settle();

// Lays out the whole document now instead of in the layout's background steps, as it stands once
// the user has looked at a freshly opened file for a moment.
void finishLayout(QTextDocument& document);

}  // namespace tavelin::bench
