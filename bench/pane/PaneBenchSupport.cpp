#include "PaneBenchSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QTextDocument>
#include <QWidget>
#include <array>
#include <cstdint>

#include "UnwrappedDocumentLayout.h"

using namespace Qt::StringLiterals;

namespace tavelin::bench {
namespace {

// A small fixed generator: the page must be the same from run to run.
class Lcg {
 public:
  std::uint32_t next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return std::uint32_t(state_ >> 33);
  }
  int below(int n) { return int(next() % std::uint32_t(n)); }

 private:
  std::uint64_t state_ = 0x5EEDu;
};

const std::array kWords = {u"section"_s, u"content"_s, u"navigation"_s, u"header"_s,
                           u"footer"_s,  u"article"_s, u"summary"_s,    u"details"_s,
                           u"item"_s,    u"link"_s,    u"button"_s,     u"value"_s};
const std::array kChinese = {u"网页设计"_s, u"代码编辑"_s, u"首页"_s,     u"新闻中心"_s,
                             u"联系我们"_s, u"产品介绍"_s, u"关于我们"_s, u"在线留言"_s};

QString sentence(Lcg& random, int chars) {
  QString out;
  while (out.size() < chars) {
    if (!out.isEmpty()) out += u' ';
    out += random.below(4) == 0 ? kChinese[size_t(random.below(int(kChinese.size())))]
                                : kWords[size_t(random.below(int(kWords.size())))];
  }
  return out;
}

QString line(Lcg& random, int n) {
  const QString indent(2 * (1 + random.below(5)), u' ');
  const QString cls = kWords[size_t(random.below(int(kWords.size())))];
  switch (random.below(4)) {
    case 0:
      return indent +
             u"<div class=\"%1-%2\" id=\"block%3\">"_s.arg(cls).arg(random.below(100)).arg(n) +
             sentence(random, 20 + random.below(50)) + u"</div>"_s;
    case 1:
      return indent + u"<a href=\"/%1/page%2.html\" title=\""_s.arg(cls).arg(n) +
             sentence(random, 10 + random.below(30)) + u"\">"_s +
             sentence(random, 10 + random.below(20)) + u"</a>"_s;
    case 2:
      return indent +
             u"<p style=\"margin: %1px; color: #%2;\">"_s.arg(random.below(20))
                 .arg(random.below(0xFFFFFF), 6, 16, QChar(u'0')) +
             sentence(random, 30 + random.below(50)) + u"</p>"_s;
    default:
      return indent + u"<li><span class=\"%1\">"_s.arg(cls) +
             sentence(random, 30 + random.below(60)) + u"</span></li>"_s;
  }
}

}  // namespace

QString makeHtmlPage(qsizetype bytes) {
  Lcg random;
  QString page =
      u"<!DOCTYPE html>\n<html>\n<head>\n  <meta charset=\"utf-8\">\n"
      "  <title>示例页面</title>\n</head>\n<body>\n"_s;
  qsizetype utf8 = page.toUtf8().size();
  for (int n = 0; utf8 < bytes; ++n) {
    const QString next = line(random, n) + u'\n';
    utf8 += next.toUtf8().size();
    page += next;
  }
  page += u"</body>\n</html>\n"_s;
  return page;
}

QFont paneFont() {
  QFont font;
  font.setFamilies({u"微软雅黑"_s, u"Microsoft YaHei"_s, u"Noto Sans CJK SC"_s,
                    u"WenQuanYi Micro Hei"_s, u"Droid Sans Fallback"_s});
  font.setPointSize(12);
  font.setWeight(QFont::Normal);
  return font;
}

void showAsPane(QWidget& widget) {
  widget.resize(kPaneWidth, kPaneHeight);
  widget.show();
  settle();
  widget.repaint();
}

void typeKey(QWidget& target, QWidget& viewport, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(&target, &release);
  QApplication::processEvents();
  viewport.repaint();
}

void settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::sendPostedEvents();
    QApplication::processEvents();
  }
}

}  // namespace tavelin::bench

namespace tavelin::bench {

void finishLayout(QTextDocument& document) {
  if (auto* unwrapped = qobject_cast<platform::UnwrappedDocumentLayout*>(document.documentLayout()))
    unwrapped->finishLayout();
  else
    (void)document.documentLayout()->documentSize();  // the toolkit's layout finishes on asking
  settle();
}

}  // namespace tavelin::bench
