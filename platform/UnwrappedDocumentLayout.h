#pragma once

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextOption>
#include <QTimer>
#include <optional>
#include <vector>

namespace tavelin::platform {

// The layout of a rich-text pane whose lines are never wrapped: each paragraph is one line (more
// only at explicit line breaks), so a paragraph's height depends on its own characters alone.
//
// The toolkit's own document layout walks every paragraph after an edit to find the positions
// below it, which makes each key press cost time in proportion to the text after the caret. Here
// each paragraph's height in pixels is kept in the document's per-paragraph line count, a tree the
// document maintains across every insertion and removal: the y of a paragraph, the paragraph at a
// y and the total height are then logarithmic look-ups, and an edit lays out only the paragraphs
// it touched. Large changes (a file opened, a big paste or reformat) are laid out in background
// steps; until then their paragraphs carry an estimated height and whatever is painted or asked
// for is laid out on the spot.
//
// Paragraph formats honoured: alignment (within the viewport's width), left and right margins,
// indent, first-line indent, space before and after, background. Frames, tables and images are
// not laid out; the pane never holds them.
class UnwrappedDocumentLayout : public QAbstractTextDocumentLayout {
  Q_OBJECT

 public:
  explicit UnwrappedDocumentLayout(QTextDocument* document);
  ~UnwrappedDocumentLayout() override;

  void draw(QPainter* painter, const PaintContext& context) override;
  int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
  int pageCount() const override { return 1; }
  QSizeF documentSize() const override;
  QRectF frameBoundingRect(QTextFrame* frame) const override;
  QRectF blockBoundingRect(const QTextBlock& block) const override;

  // The width centred and right-aligned paragraphs are placed in: the viewport's, less the
  // document's margins.
  void setAlignmentWidth(qreal width);

  // Lays out now whatever still waits for a background step.
  void finishLayout();
  bool layoutIsFinished() const { return pendingFrom_ < 0 && !widestStale_; }

  // Document coordinates: the paragraph at a height (the nearest one above or below the text
  // when outside it) and the top of a paragraph's box.
  QTextBlock blockAt(qreal y) const;
  qreal blockTop(const QTextBlock& block) const;

 Q_SIGNALS:
  // Around a background step, which may change the heights of paragraphs anywhere: a view keeps
  // what it shows in place by noting its top paragraph before and scrolling back to it after.
  void blocksAboutToMove();
  void blocksMoved();

 protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;

 private:
  class ShapedMark;
  struct Laid {
    int height;
    int width;
  };
  // What besides the text decides how paragraphs are laid out.
  struct Inputs {
    QFont font;
    qreal margin;
    qreal indentWidth;
    qreal tabStopDistance;
    QList<QTextOption::Tab> tabs;
    int flags;
    bool designMetrics;
    bool operator==(const Inputs&) const = default;
  };
  Inputs inputsNow() const;
  // Lays out one paragraph and records its height and width in the paragraph itself.
  Laid layoutBlock(QTextBlock& block) const;
  // Lays out a paragraph that is still estimated, or whose layout was dropped.
  void ensureLaidOut(QTextBlock& block) const;
  // Places the lines of an aligned paragraph in the current alignment width.
  void alignLines(const QTextBlock& block, QTextLayout& layout) const;
  QPointF blockOrigin(const QTextBlock& block) const;
  void noteWidth(int oldWidth, int newWidth) const;
  void estimateRange(QTextBlock first, int endPosition);
  void shiftPendingRange(int from, int charsRemoved, int charsAdded);
  void layoutPendingSteps();
  void layoutPending(qint64 budgetMs);
  void rescanWidest() const;
  void reportSizeChange() const;
  // Painted paragraphs keep their shaped glyphs, so that repainting the view (each key press
  // does) shapes only what changed; the least recently painted ones give theirs up.
  void keepShaped(QTextBlock& block);
  void forgetShaped(ShapedMark* mark);
  void dropOldestShaped();

  qreal alignmentWidth_ = 0;
  mutable int widest_ = 0;            // the widest paragraph's width, pixels
  mutable bool widestStale_ = false;  // the widest paragraph may have gone or shrunk
  mutable bool sizeCheckQueued_ = false;
  mutable QSizeF reportedSize_;
  mutable bool mayHaveAlignment_ = false;
  std::optional<Inputs> laidWith_;
  // The document's revision and length at the last change followed.
  int laidRevision_ = -1;
  int laidCharacterCount_ = -1;
  int blockCount_ = 0;
  int estimatedHeight_ = 0;
  // Character range [pendingFrom_, pendingTo_) holding every paragraph still estimated; -1 when
  // there is none.
  int pendingFrom_ = -1;
  int pendingTo_ = -1;
  QTimer pendingTimer_;
  mutable QTimer widestTimer_;
  std::vector<ShapedMark*> shaped_;
  quint64 paintCount_ = 0;
  QTimer dropShapedTimer_;
};

}  // namespace tavelin::platform
