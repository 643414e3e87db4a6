#pragma once

#include <QDateTime>
#include <QString>

namespace tavelin::editor {

// Where Run writes the page it previews: test.html in the user's own cache folder.
QString PreviewFile();

// The chat page the feedback label opens; host, account and site are build settings.
QString FeedbackUrl();

QString PersonalPageUrl();
// The command line that opens the personal page in the system's browser.
QString PersonalPageCommandLine();

// "现在是:" followed by the locale's short date, one blank and the time with seconds.
QString ClockText(const QDateTime& now);

}  // namespace tavelin::editor
