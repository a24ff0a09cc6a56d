#pragma once
// ReportLayout: the report viewer's document layout. A report is thousands of one-line
// paragraphs, and Qt's own layout shapes every one of them before the view is painted,
// which took far longer than building the report. This one places each paragraph from
// its font's line height alone, shapes a paragraph when it is painted or asked about,
// and measures the others' widths in short steps while the program is idle. Lines land
// where Qt's layout puts them; a paragraph found taller than its font's line (a glyph
// from a fallback font) moves those below it once it is laid out. It knows the plain
// paragraphs the viewer writes: no frames, tables, lists, images, margins or indents.

#include <QAbstractTextDocumentLayout>
#include <QBasicTimer>
#include <QHash>

#include <vector>

namespace q7582 {

class ReportLayout : public QAbstractTextDocumentLayout {
    Q_OBJECT
public:
    explicit ReportLayout(QTextDocument* document);

    void draw(QPainter* painter, const PaintContext& context) override;
    int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame* frame) const override;
    QRectF blockBoundingRect(const QTextBlock& block) const override;

    // Whether every paragraph's width is known, so that documentSize is final.
    bool allMeasured() const { return nextToMeasure_ >= paragraphs_.size(); }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
    void timerEvent(QTimerEvent* event) override;

private:
    struct Paragraph {
        qreal top = 0;
        qreal height = 0;
        qreal width = -1;      // the natural width of its widest line; -1 until laid out once
        qreal laidOutFor = -1; // the line width its QTextLayout was laid out for; -1: none
    };

    bool current() const { return paragraphs_.size() == std::size_t(document()->blockCount()); }
    qreal lineWidth() const;
    qreal fontLineHeight(const QTextBlock& block);
    void placeFrom(std::size_t index) const;
    std::size_t indexAt(qreal y) const;
    QTextLayout* laidOut(const QTextBlock& block, std::size_t index) const;
    void measureSome();
    void replace(int from, int charsAdded);

    mutable std::vector<Paragraph> paragraphs_;
    mutable qreal widest_ = 0;
    mutable bool sizeChanged_ = false; // by a paragraph laid out to paint or answer
    mutable QBasicTimer idle_;
    std::size_t nextToMeasure_ = 0; // those before it all have a width
    QHash<int, qreal> lineHeights_; // by character format index
};

} // namespace q7582
