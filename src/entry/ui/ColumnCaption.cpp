#include "entry/ui/ColumnCaption.h"

#include <QPainter>
#include <algorithm>

namespace natalis {

namespace {
constexpr int kGapPx = 6;     // between a box or a word and the rest of the text
constexpr int kIndentPx = 3;  // a word's start, in from its box's left edge
}  // namespace

ColumnCaption::ColumnCaption(const QString& text, std::vector<QWidget*> boxes, QWidget* parent)
    : QLabel(text, parent), boxes_(std::move(boxes)) {}

QStringList ColumnCaption::Pieces() const {
    const QStringList words = text().split(' ', Qt::SkipEmptyParts);
    const int n = std::min(static_cast<int>(boxes_.size()), static_cast<int>(words.size()));
    QStringList pieces = words.mid(0, n);
    // The rest keeps its own spacing, from the first character after the n-th word.
    int at = 0;
    for (int i = 0; i < n; ++i) at = text().indexOf(words[i], at) + words[i].size();
    const QString rest = text().mid(at).trimmed();
    if (!rest.isEmpty()) pieces << rest;
    return pieces;
}

std::vector<QRect> ColumnCaption::PieceRects() const {
    const QStringList pieces = Pieces();
    const QFontMetrics fm(font());
    const QWidget* top = window();
    const int selfLeft = mapTo(top, QPoint(0, 0)).x();
    std::vector<QRect> rects;
    int wordsEnd = 0;  // right of the last word drawn, plus a gap
    int boxesEnd = 0;  // right of the last box headed, plus a gap
    for (int i = 0; i < pieces.size(); ++i) {
        const int w = fm.horizontalAdvance(pieces[i]);
        int x = 0;
        if (i < static_cast<int>(boxes_.size())) {
            // Over its box, where the box's text starts.
            const QWidget* box = boxes_[static_cast<std::size_t>(i)];
            x = std::max(wordsEnd, box->mapTo(top, QPoint(0, 0)).x() - selfLeft + kIndentPx);
            boxesEnd = box->mapTo(top, QPoint(box->width(), 0)).x() - selfLeft + kGapPx;
        } else {
            // After the last box when it fits there, else right after the last word.
            x = boxesEnd + w <= width() ? boxesEnd : wordsEnd;
        }
        rects.emplace_back(x, 0, w, height());
        wordsEnd = x + w + kGapPx;
    }
    return rects;
}

void ColumnCaption::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(foregroundRole()));
    p.setFont(font());
    const QStringList pieces = Pieces();
    const std::vector<QRect> rects = PieceRects();
    for (int i = 0; i < pieces.size(); ++i) {
        p.drawText(rects[static_cast<std::size_t>(i)], Qt::AlignLeft | Qt::AlignVCenter, pieces[i]);
    }
}

}  // namespace natalis
