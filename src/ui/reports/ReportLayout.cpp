#include "ui/reports/ReportLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace q7582 {
namespace {

// So many characters are laid out at a time to learn their widths: a few milliseconds.
constexpr int MeasureStepChars = 10000;

} // namespace

ReportLayout::ReportLayout(QTextDocument* document) : QAbstractTextDocumentLayout(document)
{
    documentChanged(0, 0, document->characterCount() - 1);
}

// As Qt's layout gives a paragraph: the page less the margins.
qreal ReportLayout::lineWidth() const { return document()->pageSize().width() - 2 * document()->documentMargin(); }

// What Qt's layout gives a line whose glyphs all come from the block's font.
qreal ReportLayout::fontLineHeight(const QTextBlock& block)
{
    const int format = block.charFormatIndex();
    const auto found = lineHeights_.constFind(format);
    if (found != lineHeights_.cend())
        return *found;
    const QFontMetricsF font(block.charFormat().font());
    return *lineHeights_.insert(format, std::ceil(font.ascent() + font.descent() + std::max<qreal>(0, font.leading())));
}

void ReportLayout::placeFrom(std::size_t index) const
{
    for (std::size_t i = index; i < paragraphs_.size(); ++i)
        paragraphs_[i].top = i == 0 ? document()->documentMargin() : paragraphs_[i - 1].top + paragraphs_[i - 1].height;
}

// The paragraph at height y, or the first or last one beyond them.
std::size_t ReportLayout::indexAt(qreal y) const
{
    const auto below = std::upper_bound(paragraphs_.begin(), paragraphs_.end(), y,
                                        [](qreal at, const Paragraph& p) { return at < p.top; });
    return below == paragraphs_.begin() ? 0 : std::size_t(below - paragraphs_.begin()) - 1;
}

// The block's lines as Qt's layout sets them, for the present width; a new height moves
// the paragraphs below, a new width widens the document.
QTextLayout* ReportLayout::laidOut(const QTextBlock& block, std::size_t index) const
{
    Paragraph& p = paragraphs_[index];
    QTextLayout* layout = block.layout();
    const qreal available = lineWidth();
    if (p.laidOutFor != available) {
        const QTextBlockFormat format = block.blockFormat();
        QTextOption option = document()->defaultTextOption();
        option.setTextDirection(block.textDirection());
        option.setTabs(format.tabPositions());
        option.setAlignment(QStyle::visualAlignment(
            block.textDirection(),
            format.hasProperty(QTextFormat::BlockAlignment) ? format.alignment() : option.alignment()));
        layout->setTextOption(option);
        layout->beginLayout();
        qreal height = 0, width = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(available);
            if (line.naturalTextWidth() > available) // no wrapping: the line is as long as its text
                line.setLineWidth(line.naturalTextWidth());
            line.setPosition(QPointF(0, height));
            height += line.height();
            width = std::max(width, line.naturalTextWidth());
        }
        layout->endLayout();
        p.laidOutFor = available;
        p.width = width;
        if (width > widest_) {
            widest_ = width;
            sizeChanged_ = true;
        }
        if (height != p.height) {
            p.height = height;
            placeFrom(index + 1);
            sizeChanged_ = true;
        }
        if (sizeChanged_ && !idle_.isActive())
            idle_.start(0, const_cast<ReportLayout*>(this)); // tells the view once this paint or answer is over
    }
    layout->setPosition(QPointF(document()->documentMargin(), p.top));
    return layout;
}

void ReportLayout::measureSome()
{
    int budget = MeasureStepChars;
    QTextBlock block = document()->findBlockByNumber(int(nextToMeasure_));
    for (; block.isValid() && budget > 0; block = block.next(), ++nextToMeasure_)
        if (paragraphs_[nextToMeasure_].width < 0) {
            laidOut(block, nextToMeasure_);
            budget -= block.length();
        }
}

void ReportLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    lineHeights_.clear(); // the formats may have changed, or their indices
    // A call over the whole unchanged text tells of a new width or new defaults: the
    // paragraphs are laid out anew when next painted, and keep their heights and widths.
    const bool wholeText = from == 0 && charsRemoved == 0 && charsAdded == document()->characterCount();
    if (!wholeText || !current())
        replace(from, charsAdded);
    if (document()->characterCount() <= MeasureStepChars)
        measureSome(); // a short text is whole at once; a long one shows before it is measured
    sizeChanged_ = false;
    emit documentSizeChanged(documentSize());
    emit update();
    if (!allMeasured())
        idle_.start(0, this);
}

// The paragraphs of the changed blocks are new: placed by their fonts, not yet measured.
void ReportLayout::replace(int from, int charsAdded)
{
    const QTextDocument* doc = document();
    const QTextBlock firstBlock = doc->findBlock(from);
    const QTextBlock lastBlock = doc->findBlock(from + charsAdded);
    const auto first = std::size_t(firstBlock.blockNumber());
    const auto end = std::size_t((lastBlock.isValid() ? lastBlock : doc->lastBlock()).blockNumber()) + 1;
    const auto oldEnd = std::ptrdiff_t(end) - (std::ptrdiff_t(doc->blockCount()) - std::ptrdiff_t(paragraphs_.size()));
    paragraphs_.erase(paragraphs_.begin() + std::ptrdiff_t(first), paragraphs_.begin() + oldEnd);
    paragraphs_.insert(paragraphs_.begin() + std::ptrdiff_t(first), end - first, Paragraph{});
    QTextBlock block = firstBlock;
    for (std::size_t i = first; i < end; ++i, block = block.next())
        paragraphs_[i].height = fontLineHeight(block);
    placeFrom(first);
    widest_ = 0;
    for (const Paragraph& p : paragraphs_)
        widest_ = std::max(widest_, p.width);
    nextToMeasure_ = std::min(nextToMeasure_, first);
}

void ReportLayout::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != idle_.timerId())
        return QAbstractTextDocumentLayout::timerEvent(event);
    if (!current())
        return; // told of the change soon
    measureSome();
    if (allMeasured())
        idle_.stop();
    if (std::exchange(sizeChanged_, false)) {
        emit documentSizeChanged(documentSize());
        emit update();
    }
}

QSizeF ReportLayout::documentSize() const
{
    const qreal margin = document()->documentMargin();
    const qreal bottom = paragraphs_.empty() ? margin : paragraphs_.back().top + paragraphs_.back().height;
    return {std::max(document()->pageSize().width(), widest_ + 2 * margin), bottom + margin};
}

QRectF ReportLayout::frameBoundingRect(QTextFrame*) const { return {QPointF(), documentSize()}; }

QRectF ReportLayout::blockBoundingRect(const QTextBlock& block) const
{
    if (!block.isValid() || !current())
        return {};
    const QTextLayout* layout = laidOut(block, std::size_t(block.blockNumber()));
    QRectF box = layout->boundingRect();
    box.moveTopLeft(layout->position());
    return box;
}

// As Qt's layout draws: in the text colour, the selections in their formats, within the
// page less its side margins.
void ReportLayout::draw(QPainter* painter, const PaintContext& context)
{
    if (!current())
        return;
    const qreal margin = document()->documentMargin();
    const QRectF page = QRectF(QPointF(), documentSize()).adjusted(margin, 0, -margin, 0);
    const QRectF clip = context.clip.isValid() ? context.clip & page : page;
    const qreal top = context.clip.isValid() ? context.clip.top() : page.top();
    const qreal bottom = context.clip.isValid() ? context.clip.bottom() : page.bottom();
    const QPen pen = painter->pen();
    std::size_t index = indexAt(top);
    for (QTextBlock block = document()->findBlockByNumber(int(index)); block.isValid(); block = block.next(), ++index) {
        QTextLayout* layout = laidOut(block, index);
        const QRectF box = layout->boundingRect().translated(layout->position());
        if (box.top() > bottom)
            break;
        if (box.bottom() < top)
            continue;
        QList<QTextLayout::FormatRange> selections;
        for (const Selection& selection : context.selections) {
            const int start = selection.cursor.selectionStart() - block.position();
            const int end = selection.cursor.selectionEnd() - block.position();
            if (start < block.length() && end > 0 && end > start)
                selections.append({start, end - start, selection.format});
        }
        painter->setPen(context.palette.color(QPalette::Text));
        layout->draw(painter, QPointF(), selections, clip);
    }
    painter->setPen(pen);
}

// As Qt's layout answers: the position nearest the point, or -1 for an exact hit
// beside the text.
int ReportLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const
{
    if (!current())
        return -1;
    const std::size_t index = indexAt(point.y());
    const QTextBlock block = document()->findBlockByNumber(int(index));
    const QTextLayout* layout = laidOut(block, index);
    const QRectF box = layout->boundingRect().translated(layout->position());
    int position = block.position();
    bool onText = false;
    if (point.y() > box.bottom()) {
        position += block.length();
    } else if (point.y() >= box.top()) {
        const QPointF at = point - layout->position();
        int offset = 0;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const QRectF text = line.naturalTextRect();
            if (text.top() > at.y()) {
                offset = std::min(offset, line.textStart());
            } else if (text.bottom() <= at.y()) {
                offset = std::max(offset, line.textStart() + line.textLength());
            } else {
                onText = text.left() <= at.x() && text.right() >= at.x();
                offset = line.xToCursor(at.x(), accuracy == Qt::ExactHit ? QTextLine::CursorOnCharacter
                                                                         : QTextLine::CursorBetweenCharacters);
                break;
            }
        }
        position += offset;
    }
    if (accuracy == Qt::ExactHit && !onText)
        return -1;
    return std::clamp(position, 0, document()->characterCount() - 1);
}

} // namespace q7582
