#include "Links.h"

#include <QDir>
#include <QLocale>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace tavelin::editor {

QString PreviewFile() {
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + u"/test.html"_s;
}

QString FeedbackUrl() {
  return u"http://"_s + QStringLiteral(TAVELIN_FEEDBACK_HOST) + u"/msgrd?V=1&Uin="_s +
         QStringLiteral(TAVELIN_FEEDBACK_UIN) + u"&Exe=QQ&Site="_s +
         QStringLiteral(TAVELIN_FEEDBACK_SITE) + u"&Menu=No"_s;
}

QString PersonalPageUrl() { return QStringLiteral(TAVELIN_PERSONAL_PAGE_URL); }

QString PersonalPageCommandLine() {
#ifdef Q_OS_WIN
  return u"explorer.exe "_s + PersonalPageUrl();
#else
  return u"xdg-open "_s + PersonalPageUrl();
#endif
}

namespace {

// The locale's long time form carries the seconds; its time-zone part is not wanted on a clock.
QString timeWithSeconds(const QLocale& locale) {
  QString format = locale.timeFormat(QLocale::LongFormat);
  format.remove(u't');
  format = format.trimmed();
  if (!format.contains(u's')) format.replace(u"mm"_s, u"mm:ss"_s);
  return format;
}

}  // namespace

QString ClockText(const QDateTime& now) {
  const QLocale locale = QLocale::system();
  return u"现在是:"_s + locale.toString(now.date(), QLocale::ShortFormat) + u' ' +
         locale.toString(now.time(), timeWithSeconds(locale));
}

}  // namespace tavelin::editor
