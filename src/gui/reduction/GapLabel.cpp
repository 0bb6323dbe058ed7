#include "gui/reduction/GapLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Two blanks or more separate pieces; a single blank belongs to the text ("01 05 12").
constexpr int kMinGap = 2;
// The condition controls leave this many empty pixels around their items; the label is
// drawn above them, so its text may reach into that margin.
constexpr int kControlMargin = 3;
// Room left between a control's items and the text that follows it.
constexpr int kClearance = 6;
// A first piece that runs under a control is squeezed, but not beyond this ratio.
constexpr double kMinSqueeze = 0.7;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

} // namespace

TGapLabel::TGapLabel(const QString &caption, QWidget *parent)
    : QLabel(parent)
{
    setCaption(caption);
}

void TGapLabel::setCaption(const QString &caption)
{
    setText(caption);
    relayout();
}

void TGapLabel::setObstacles(const QList<QWidget *> &obstacles)
{
    m_obstacles.clear();
    for (QWidget *w : obstacles)
        m_obstacles.append(w);
    relayout();
}

void TGapLabel::setBreakBefore(QChar marker)
{
    m_breakBefore = marker;
    relayout();
}

QList<QRect> TGapLabel::obstacleRects() const
{
    QList<QRect> rects;
    for (const QPointer<QWidget> &w : m_obstacles)
        if (w && w->parentWidget() == parentWidget())
            rects.append(w->geometry()
                             .adjusted(kControlMargin, kControlMargin, -kControlMargin, -kControlMargin)
                             .translated(-pos()));
    return rects;
}

void TGapLabel::relayout()
{
    const QFontMetrics metrics(font());
    // 宋体 draws a character of the ASCII range half as wide as its pixel height and
    // every other character (Chinese, full-width punctuation) as wide as it is high.
    const int full = font().pixelSize() > 0 ? font().pixelSize() : metrics.height();
    const int half = full / 2;
    const QString caption = text();
    const int lineHeight = metrics.height();
    // The rows the glyphs cover (Chinese characters reach from about the ascent down to
    // a little below the baseline).
    const QRect ink = metrics.boundingRect(QStringLiteral("尾数gy")).translated(0, metrics.ascent());
    const QList<QRect> obstacles = obstacleRects();
    auto hits = [&](int left, int width) -> const QRect * {
        for (const QRect &r : obstacles)
            if (r.top() <= ink.bottom() && r.bottom() >= ink.top() && r.left() < left + width
                && r.right() >= left)
                return &r;
        return nullptr;
    };

    m_pieces.clear();
    int gridX = 0;
    int pieceGridX = 0;
    QString current;
    auto closePiece = [&]() {
        if (current.isEmpty())
            return;
        Piece piece{current, pieceGridX, metrics.horizontalAdvance(current)};
        if (m_pieces.isEmpty()) {
            if (const QRect *r = hits(0, piece.width)) {
                const int room = r->left() - 2;
                if (room >= piece.width * kMinSqueeze)
                    piece.width = room;
            }
        } else {
            const Piece &before = m_pieces.last();
            piece.x = std::max(piece.x, before.x + before.width + half);
            while (const QRect *r = hits(piece.x, piece.width))
                piece.x = r->right() + 1 + kClearance;
        }
        m_pieces.append(piece);
        current.clear();
    };

    for (qsizetype i = 0; i < caption.size();) {
        if (isBlank(caption[i])) {
            qsizetype end = i;
            while (end < caption.size() && isBlank(caption[end]))
                ++end;
            const auto run = static_cast<int>(end - i);
            if (run >= kMinGap || current.isEmpty())
                closePiece();
            else
                current += caption.mid(i, run);
            gridX += run * half;
            i = end;
            continue;
        }
        if (caption[i] == m_breakBefore && !m_breakBefore.isNull())
            closePiece();
        if (current.isEmpty())
            pieceGridX = gridX;
        current += caption[i];
        gridX += caption[i].unicode() < 0x80 ? half : full;
        ++i;
    }
    closePiece();

    const int width = m_pieces.isEmpty() ? 0 : m_pieces.last().x + m_pieces.last().width;
    setFixedSize(std::max(width, 1), lineHeight);
    update();
}

void TGapLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics(font());
    for (const Piece &piece : m_pieces) {
        const int natural = metrics.horizontalAdvance(piece.text);
        painter.save();
        painter.translate(piece.x, 0);
        if (natural > piece.width && natural > 0)
            painter.scale(static_cast<double>(piece.width) / natural, 1.0);
        painter.drawText(0, metrics.ascent(), piece.text);
        painter.restore();
    }
}

void TGapLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayout();
}
