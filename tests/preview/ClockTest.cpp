// The clock field on the toolbar shows the current date and time, renewed at every tick.
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

#include "EditorFixture.h"

namespace tavelin::testing {
namespace {

using namespace Qt::StringLiterals;

class Clock : public EditorFixture {
 protected:
  QTimer* timer() { return mainWindow().findChild<QTimer*>(u"Timer1"_s); }
  QLineEdit* field() { return widget<QLineEdit>("Text2"); }
  // Waits for the next real tick of the window's own timer.
  bool nextTick() {
    QSignalSpy ticked(timer(), &QTimer::timeout);
    return ticked.wait(5000);
  }
  // "现在是:" + the locale's short date, one blank, then a time whose hours, minutes and seconds
  // are those of `at` (the locale decides 12 or 24 hours and any day-period mark).
  static void expectClockText(const QString& shown, const QDateTime& at) {
    const QString head =
        u"现在是:"_s + QLocale::system().toString(at.date(), QLocale::ShortFormat) + u' ';
    ASSERT_TRUE(shown.startsWith(head)) << shown.toStdString() << " / " << head.toStdString();
    const QString time = shown.mid(head.size());
    const int hour12 = at.time().hour() % 12 == 0 ? 12 : at.time().hour() % 12;
    const QRegularExpression pattern(
        u"^\\D*0?(%1|%2)[:.]%3[:.]%4(\\s*\\D*)?$"_s.arg(at.time().hour())
            .arg(hour12)
            .arg(at.time().minute(), 2, 10, QLatin1Char('0'))
            .arg(at.time().second(), 2, 10, QLatin1Char('0')));
    EXPECT_TRUE(pattern.match(time).hasMatch()) << time.toStdString();
  }
};

TEST_F(Clock, TimerTicksEveryTenthOfASecondFromTheStart) {
  ASSERT_NE(timer(), nullptr);
  EXPECT_EQ(timer()->interval(), 100);
  EXPECT_TRUE(timer()->isActive());
}

TEST_F(Clock, EachTickShowsTheDateAndTheTimeWithSeconds) {
  const QDateTime times[] = {QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7)),
                             QDateTime(QDate(2027, 1, 2), QTime(23, 59, 58)),
                             QDateTime(QDate(2030, 6, 30), QTime(0, 0, 0))};
  for (const QDateTime& at : times) {
    SCOPED_TRACE(at.toString(Qt::ISODate).toStdString());
    clock.now_ = at;
    ASSERT_TRUE(nextTick());
    expectClockText(field()->text(), at);
  }
  // No blank between the prefix and the date.
  EXPECT_NE(field()->text().at(4), u' ');
}

TEST_F(Clock, TicksGoOnWhileTheToolbarIsHidden) {
  menuAction("mnuViewToolbar")->trigger();
  ASSERT_FALSE(field()->isVisible());
  clock.now_ = QDateTime(QDate(2028, 2, 29), QTime(13, 14, 15));

  ASSERT_TRUE(nextTick());
  expectClockText(field()->text(), clock.now_);

  menuAction("mnuViewToolbar")->trigger();
  EXPECT_TRUE(field()->isVisible());
  expectClockText(field()->text(), clock.now_);
}

}  // namespace
}  // namespace tavelin::testing
