#include "UnwrappedDocumentLayout.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <climits>
#include <cmath>

namespace tavelin::platform {
namespace {

// A paragraph's state lives in the paragraph: its height in pixels as the document's line count,
// and its width in pixels as its user state, which is -1 while the height is only an estimate.
// The document creates paragraphs with state -1, so a new paragraph always reads as estimated.
constexpr int kEstimated = -1;

// Changes that touch more paragraphs than this are laid out in background steps; fewer are laid
// out at once, which is what typing, a small paste or a format on a few lines costs.
constexpr int kLaidAtOnce = 64;
// How long one background step may keep the event loop from the user's keys.
constexpr qint64 kStepMilliseconds = 8;
// Removing or shortening the widest paragraph is followed by a search for the new widest one,
// after a pause, so that a run of deletions is followed by one search only.
constexpr int kWidestRescanDelayMs = 100;

// How many painted paragraphs keep their glyphs: a few screens' worth.
constexpr std::size_t kShapedParagraphs = 256;

// Lines are never broken; this width only keeps the line from being clipped.
constexpr qreal kUnboundedLineWidth = qreal(INT_MAX);

// Everything below the given top, across the whole width.
QRectF everythingFrom(qreal top) { return QRectF(0, top, qreal(INT_MAX), qreal(INT_MAX)); }

bool isEstimated(const QTextBlock& block) { return block.userState() < 0; }

qreal indentOf(const QTextDocument& document, const QTextBlockFormat& format) {
  return format.indent() * document.indentWidth();
}

enum class HorizontalPlace { Left, Centre, Right };

HorizontalPlace placeOf(const QTextDocument& document, const QTextBlock& block,
                        const QTextBlockFormat& format) {
  Qt::Alignment align = format.hasProperty(QTextFormat::BlockAlignment)
                            ? format.alignment()
                            : document.defaultTextOption().alignment();
  align &= Qt::AlignHorizontal_Mask;
  if (align & Qt::AlignHCenter) return HorizontalPlace::Centre;
  const bool rightToLeft = block.textDirection() == Qt::RightToLeft;
  if (align & Qt::AlignRight)
    return rightToLeft && !(align & Qt::AlignAbsolute) ? HorizontalPlace::Left
                                                       : HorizontalPlace::Right;
  if (align & Qt::AlignLeft)
    return rightToLeft && !(align & Qt::AlignAbsolute) ? HorizontalPlace::Right
                                                       : HorizontalPlace::Left;
  return HorizontalPlace::Left;
}

}  // namespace

// Sits in a paragraph whose glyphs are kept; the document deletes it with the paragraph, which
// takes the paragraph off the layout's list.
class UnwrappedDocumentLayout::ShapedMark : public QTextBlockUserData {
 public:
  ShapedMark(UnwrappedDocumentLayout* owner, const QTextBlock& block)
      : owner(owner), block(block) {}
  ~ShapedMark() override {
    if (owner) owner->forgetShaped(this);
  }

  UnwrappedDocumentLayout* owner;
  QTextBlock block;
  quint64 lastPainted = 0;
};

UnwrappedDocumentLayout::UnwrappedDocumentLayout(QTextDocument* document)
    : QAbstractTextDocumentLayout(document) {
  // Tells QTextEdit that the content does not depend on the page width, so resizing the view
  // relays nothing out.
  setProperty("contentHasAlignment", false);
  pendingTimer_.setSingleShot(true);
  pendingTimer_.setInterval(0);
  connect(&pendingTimer_, &QTimer::timeout, this, &UnwrappedDocumentLayout::layoutPendingSteps);
  widestTimer_.setSingleShot(true);
  widestTimer_.setInterval(kWidestRescanDelayMs);
  connect(&widestTimer_, &QTimer::timeout, this, [this] {
    rescanWidest();
    reportSizeChange();
  });
  dropShapedTimer_.setSingleShot(true);
  dropShapedTimer_.setInterval(0);
  connect(&dropShapedTimer_, &QTimer::timeout, this, &UnwrappedDocumentLayout::dropOldestShaped);
  const QFontMetricsF metrics(document->defaultFont());
  estimatedHeight_ = qMax(1, qCeil(metrics.height() + qMax<qreal>(metrics.leading(), 0)));
  blockCount_ = document->blockCount();
}

UnwrappedDocumentLayout::~UnwrappedDocumentLayout() {
  // The marks stay in their paragraphs, which may outlive this layout.
  for (ShapedMark* mark : shaped_) mark->owner = nullptr;
}

// ---- Laying out one paragraph ----

UnwrappedDocumentLayout::Laid UnwrappedDocumentLayout::layoutBlock(QTextBlock& block) const {
  QTextDocument& doc = *document();
  QTextLayout* layout = block.layout();
  const QTextBlockFormat format = block.blockFormat();

  QTextOption option = doc.defaultTextOption();
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(block.textDirection());
  option.setTabs(format.tabPositions());
  // Alignment is placed by alignLines, against the viewport's width rather than the line's.
  option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
  layout->setTextOption(option);

  qreal y = 0;
  qreal right = 0;
  layout->beginLayout();
  for (bool first = true;; first = false) {
    QTextLine line = layout->createLine();
    if (!line.isValid()) break;
    line.setLeadingIncluded(true);
    line.setLineWidth(kUnboundedLineWidth);
    const qreal x = first ? format.textIndent() : 0;
    line.setPosition(QPointF(x, y));
    y += line.height();
    right = qMax(right, x + line.naturalTextWidth());
  }
  layout->endLayout();

  if (placeOf(doc, block, format) != HorizontalPlace::Left) {
    mayHaveAlignment_ = true;
    alignLines(block, *layout);
  }
  const Laid laid{
      block.isVisible() ? qCeil(format.topMargin() + y + format.bottomMargin()) : 0,
      qCeil(format.leftMargin() + indentOf(doc, format) + right + format.rightMargin())};
  block.setLineCount(laid.height);
  block.setUserState(laid.width);
  return laid;
}

void UnwrappedDocumentLayout::alignLines(const QTextBlock& block, QTextLayout& layout) const {
  const QTextDocument& doc = *document();
  const QTextBlockFormat format = block.blockFormat();
  const HorizontalPlace place = placeOf(doc, block, format);
  const qreal available =
      alignmentWidth_ - format.leftMargin() - indentOf(doc, format) - format.rightMargin();
  for (int i = 0; i < layout.lineCount(); ++i) {
    QTextLine line = layout.lineAt(i);
    const qreal start = i == 0 ? format.textIndent() : 0;
    const qreal room = available - start - line.naturalTextWidth();
    qreal x = start;
    if (room > 0 && place == HorizontalPlace::Right) x += room;
    if (room > 0 && place == HorizontalPlace::Centre) x += room / 2;
    line.setPosition(QPointF(x, line.y()));
  }
}

void UnwrappedDocumentLayout::ensureLaidOut(QTextBlock& block) const {
  if (!isEstimated(block) && (block.layout()->lineCount() > 0 || !block.isVisible())) return;
  const int oldHeight = block.lineCount();
  const int oldWidth = block.userState();
  const Laid laid = layoutBlock(block);
  noteWidth(oldWidth, laid.width);
  if (laid.height != oldHeight || laid.width > oldWidth) {
    // Asked for while painting or hit-testing: tell the view about the new size afterwards.
    if (!sizeCheckQueued_) {
      sizeCheckQueued_ = true;
      QMetaObject::invokeMethod(
          const_cast<UnwrappedDocumentLayout*>(this),
          [this] {
            sizeCheckQueued_ = false;
            reportSizeChange();
          },
          Qt::QueuedConnection);
    }
  }
}

void UnwrappedDocumentLayout::noteWidth(int oldWidth, int newWidth) const {
  if (newWidth > widest_)
    widest_ = newWidth;
  else if (oldWidth == widest_ && newWidth < oldWidth)
    widestStale_ = true;
}

// ---- Geometry ----

qreal UnwrappedDocumentLayout::blockTop(const QTextBlock& block) const {
  return document()->documentMargin() + block.firstLineNumber();
}

QPointF UnwrappedDocumentLayout::blockOrigin(const QTextBlock& block) const {
  const QTextDocument& doc = *document();
  const QTextBlockFormat format = block.blockFormat();
  return QPointF(doc.documentMargin() + format.leftMargin() + indentOf(doc, format),
                 blockTop(block) + format.topMargin());
}

QTextBlock UnwrappedDocumentLayout::blockAt(qreal y) const {
  const QTextDocument& doc = *document();
  const qreal offset = y - doc.documentMargin();
  if (offset < 0) return doc.firstBlock();
  const qreal total = doc.lineCount();
  if (offset >= total) return doc.lastBlock();
  const QTextBlock block = doc.findBlockByLineNumber(int(offset));
  return block.isValid() ? block : doc.lastBlock();
}

QSizeF UnwrappedDocumentLayout::documentSize() const {
  const QTextDocument& doc = *document();
  const qreal margin = doc.documentMargin();
  return QSizeF(widest_ + 2 * margin, doc.lineCount() + 2 * margin);
}

QRectF UnwrappedDocumentLayout::frameBoundingRect(QTextFrame* frame) const {
  if (frame != document()->rootFrame()) return QRectF();
  return QRectF(QPointF(0, 0), documentSize());
}

QRectF UnwrappedDocumentLayout::blockBoundingRect(const QTextBlock& block) const {
  if (!block.isValid() || !block.isVisible()) return QRectF();
  QTextBlock laid = block;
  ensureLaidOut(laid);
  const QTextLayout* layout = laid.layout();
  qreal height = 0;
  qreal width = 0;
  for (int i = 0; i < layout->lineCount(); ++i) {
    const QTextLine line = layout->lineAt(i);
    height = qMax(height, line.y() + line.height());
    width = qMax(width, line.x() + line.naturalTextWidth());
  }
  return QRectF(blockOrigin(laid), QSizeF(width, std::ceil(height)));
}

int UnwrappedDocumentLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const {
  QTextBlock block = blockAt(point.y());
  while (block.isValid() && !block.isVisible()) block = block.next();
  if (!block.isValid()) return -1;
  ensureLaidOut(block);
  const QTextLayout* layout = block.layout();
  if (layout->lineCount() == 0) return block.position();
  const QPointF at = point - blockOrigin(block);
  int index = 0;
  while (index + 1 < layout->lineCount() && at.y() >= layout->lineAt(index + 1).y()) ++index;
  const QTextLine line = layout->lineAt(index);
  if (accuracy == Qt::ExactHit) {
    const bool onLine = at.y() >= line.y() && at.y() < line.y() + line.height();
    const bool onText = at.x() >= line.x() && at.x() <= line.x() + line.naturalTextWidth();
    if (!onLine || !onText) return -1;
  }
  return block.position() + line.xToCursor(at.x());
}

// ---- Painting ----

void UnwrappedDocumentLayout::draw(QPainter* painter, const PaintContext& context) {
  const QTextDocument& doc = *document();
  const QRectF clip = context.clip.isValid() ? context.clip : frameBoundingRect(doc.rootFrame());
  bool cursorWidthSet = false;
  int cursorWidth = property("cursorWidth").toInt(&cursorWidthSet);
  if (!cursorWidthSet) cursorWidth = 1;
  const qreal backgroundRight = qMax(qreal(widest_) + doc.documentMargin(), clip.right());

  painter->save();
  painter->setPen(context.palette.color(QPalette::Text));
  for (QTextBlock block = blockAt(clip.top()); block.isValid(); block = block.next()) {
    if (!block.isVisible()) continue;
    ensureLaidOut(block);
    const qreal top = blockTop(block);
    if (top > clip.bottom()) break;
    const QTextBlockFormat format = block.blockFormat();
    const QPointF origin = blockOrigin(block);
    QTextLayout* layout = block.layout();

    const QBrush background = format.background();
    if (background.style() != Qt::NoBrush) {
      const QRectF box(origin.x(), top, backgroundRight - origin.x(), block.lineCount());
      painter->save();
      painter->setBrushOrigin(box.topLeft());
      painter->fillRect(box, background);
      painter->restore();
    }

    const int position = block.position();
    const int length = block.length();
    QList<QTextLayout::FormatRange> selections;
    for (const Selection& range : context.selections) {
      const int start = range.cursor.selectionStart() - position;
      const int end = range.cursor.selectionEnd() - position;
      if (start < length && end > 0 && end > start) {
        selections.append({start, end - start, range.format});
      } else if (!range.cursor.hasSelection() &&
                 range.format.hasProperty(QTextFormat::FullWidthSelection) &&
                 block.contains(range.cursor.position())) {
        // A full-width selection needs only a position to name its line.
        const QTextLine line = layout->lineForTextPosition(range.cursor.position() - position);
        QTextLayout::FormatRange whole{line.textStart(), line.textLength(), range.format};
        if (whole.start + whole.length == length - 1) ++whole.length;  // and the line's end
        selections.append(whole);
      }
    }
    keepShaped(block);
    layout->draw(painter, origin, selections, clip);

    const int caret = context.cursorPosition;
    const bool preediting = caret < -1 && !layout->preeditAreaText().isEmpty();
    if ((caret >= position && caret < position + length) || preediting) {
      const int inBlock =
          caret < -1 ? layout->preeditAreaPosition() - (caret + 2) : caret - position;
      layout->drawCursor(painter, origin, inBlock, cursorWidth);
    }
  }
  painter->restore();
  if (shaped_.size() > kShapedParagraphs) dropShapedTimer_.start();
}

void UnwrappedDocumentLayout::keepShaped(QTextBlock& block) {
  auto* mark = dynamic_cast<ShapedMark*>(block.userData());
  if (!mark) {
    if (block.userData()) return;  // someone else's data: leave that paragraph as it is
    mark = new ShapedMark(this, block);
    block.setUserData(mark);
    shaped_.push_back(mark);
    block.layout()->setCacheEnabled(true);
  }
  mark->lastPainted = ++paintCount_;
}

void UnwrappedDocumentLayout::forgetShaped(ShapedMark* mark) {
  shaped_.erase(std::remove(shaped_.begin(), shaped_.end(), mark), shaped_.end());
}

void UnwrappedDocumentLayout::dropOldestShaped() {
  while (shaped_.size() > kShapedParagraphs) {
    ShapedMark* oldest = *std::min_element(
        shaped_.begin(), shaped_.end(),
        [](const ShapedMark* a, const ShapedMark* b) { return a->lastPainted < b->lastPainted; });
    QTextBlock block = oldest->block;
    block.layout()->setCacheEnabled(false);
    // The glyphs go only when the paragraph is laid out again without the cache.
    if (!isEstimated(block)) layoutBlock(block);
    block.setUserData(nullptr);  // deletes the mark, which leaves the list
  }
}

// ---- Following the document's changes ----

UnwrappedDocumentLayout::Inputs UnwrappedDocumentLayout::inputsNow() const {
  const QTextDocument& doc = *document();
  const QTextOption option = doc.defaultTextOption();
  return Inputs{doc.defaultFont(),        doc.documentMargin(), doc.indentWidth(),
                option.tabStopDistance(), option.tabs(),        int(option.flags()),
                option.useDesignMetrics()};
}

void UnwrappedDocumentLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
  QTextDocument& doc = *document();
  // A document cleared inside an edit block reports the clearing and the new text under one
  // revision, so the length tells them apart.
  const bool sameText =
      doc.revision() == laidRevision_ && doc.characterCount() == laidCharacterCount_;
  laidRevision_ = doc.revision();
  laidCharacterCount_ = doc.characterCount();
  if (from == 0 && charsRemoved == 0 && charsAdded == doc.characterCount()) {
    // The whole text to be laid out again. Unless an edit made it so, none of it changed: a new
    // default font or text option, or only a new page width, which QTextEdit sets whenever a
    // scroll bar comes or goes and which unwrapped text does not depend on.
    const Inputs now = inputsNow();
    if (sameText && laidWith_ == now) return;
    laidWith_ = now;
  }
  shiftPendingRange(from, charsRemoved, charsAdded);
  const int newBlockCount = doc.blockCount();
  const bool blocksChanged = newBlockCount != blockCount_;
  // A paragraph that went may have been the widest; a search for the new widest follows.
  if (newBlockCount < blockCount_) widestStale_ = true;
  blockCount_ = newBlockCount;

  const int lastPosition = doc.characterCount() - 1;
  QTextBlock first = doc.findBlock(qBound(0, from, lastPosition));
  const int end = qBound(0, from + charsAdded, lastPosition);
  const QTextBlock last = doc.findBlock(end);
  if (!first.isValid() || !last.isValid()) return;

  if (last.blockNumber() - first.blockNumber() >= kLaidAtOnce) {
    estimateRange(first, end);
    Q_EMIT update(everythingFrom(blockTop(first)));
    reportSizeChange();
    return;
  }

  bool moved = blocksChanged;
  const QTextBlock stop = last.next();
  for (QTextBlock block = first; block != stop; block = block.next()) {
    const int oldHeight = block.lineCount();
    const int oldWidth = block.userState();
    const Laid laid = layoutBlock(block);
    noteWidth(oldWidth, laid.width);
    moved = moved || laid.height != oldHeight;
  }
  const qreal top = blockTop(first);
  if (moved)
    Q_EMIT update(everythingFrom(top));
  else
    Q_EMIT update(QRectF(0, top, qreal(INT_MAX), blockTop(last) + last.lineCount() - top));
  reportSizeChange();
}

void UnwrappedDocumentLayout::estimateRange(QTextBlock first, int endPosition) {
  // The first paragraph is laid out for real: its height is the estimate for the rest, which is
  // exact for the common case of text in one font.
  const int oldWidth = first.userState();
  const Laid laid = layoutBlock(first);
  noteWidth(oldWidth, laid.width);
  if (first.layout()->lineCount() == 1 && laid.height > 0) estimatedHeight_ = laid.height;

  const QTextBlock stop = document()->findBlock(endPosition).next();
  for (QTextBlock block = first.next(); block.isValid() && block != stop; block = block.next()) {
    const int width = block.userState();
    if (width >= 0) {
      // Laid out before: its old height is the best estimate; its width is no longer known.
      if (width == widest_) widestStale_ = true;
      block.setUserState(kEstimated);
    } else {
      block.setLineCount(estimatedHeight_);
    }
  }
  const int from = first.next().isValid() ? first.next().position() : first.position();
  pendingFrom_ = pendingFrom_ < 0 ? from : qMin(pendingFrom_, from);
  pendingTo_ = qMax(pendingTo_, endPosition + 1);
  pendingTimer_.start();
}

void UnwrappedDocumentLayout::shiftPendingRange(int from, int charsRemoved, int charsAdded) {
  if (pendingFrom_ < 0) return;
  const int removedEnd = from + charsRemoved;
  const int delta = charsAdded - charsRemoved;
  if (pendingFrom_ >= removedEnd)
    pendingFrom_ += delta;
  else if (pendingFrom_ > from)
    pendingFrom_ = from;
  if (pendingTo_ >= removedEnd)
    pendingTo_ += delta;
  else if (pendingTo_ > from)
    pendingTo_ = from + charsAdded;
  if (pendingTo_ <= pendingFrom_) pendingFrom_ = pendingTo_ = -1;
}

void UnwrappedDocumentLayout::layoutPendingSteps() { layoutPending(kStepMilliseconds); }

void UnwrappedDocumentLayout::finishLayout() {
  layoutPending(-1);
  if (widestStale_) {
    widestTimer_.stop();
    rescanWidest();
    reportSizeChange();
  }
}

void UnwrappedDocumentLayout::layoutPending(qint64 budgetMs) {
  if (pendingFrom_ < 0) return;
  QTextDocument& doc = *document();
  Q_EMIT blocksAboutToMove();
  QElapsedTimer clock;
  clock.start();
  const int lastPosition = doc.characterCount() - 1;
  QTextBlock block = doc.findBlock(qBound(0, pendingFrom_, lastPosition));
  const QTextBlock stop = doc.findBlock(qBound(0, pendingTo_ - 1, lastPosition)).next();
  bool moved = false;
  for (int count = 1; block.isValid() && block != stop; ++count) {
    if (isEstimated(block)) {
      const int oldHeight = block.lineCount();
      const Laid laid = layoutBlock(block);
      noteWidth(kEstimated, laid.width);
      moved = moved || laid.height != oldHeight;
    }
    block = block.next();
    if (budgetMs >= 0 && count % 32 == 0 && clock.elapsed() >= budgetMs) break;
  }
  if (!block.isValid() || block == stop) {
    pendingFrom_ = pendingTo_ = -1;
  } else {
    pendingFrom_ = block.position();
    pendingTimer_.start();
  }
  reportSizeChange();
  if (moved) Q_EMIT update(everythingFrom(0));
  Q_EMIT blocksMoved();
}

void UnwrappedDocumentLayout::rescanWidest() const {
  int widest = 0;
  for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next())
    widest = qMax(widest, block.userState());
  widest_ = widest;
  widestStale_ = false;
}

void UnwrappedDocumentLayout::reportSizeChange() const {
  if (widestStale_ && !widestTimer_.isActive()) widestTimer_.start();
  const QSizeF size = documentSize();
  if (size == reportedSize_) return;
  reportedSize_ = size;
  Q_EMIT const_cast<UnwrappedDocumentLayout*>(this)->documentSizeChanged(size);
}

void UnwrappedDocumentLayout::setAlignmentWidth(qreal width) {
  if (width == alignmentWidth_) return;
  alignmentWidth_ = width;
  if (!mayHaveAlignment_) return;
  const QTextDocument& doc = *document();
  for (QTextBlock block = doc.firstBlock(); block.isValid(); block = block.next()) {
    if (isEstimated(block)) continue;
    if (placeOf(doc, block, block.blockFormat()) != HorizontalPlace::Left)
      alignLines(block, *block.layout());
  }
  Q_EMIT update(everythingFrom(0));
}

}  // namespace tavelin::platform
