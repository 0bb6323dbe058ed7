#include "gui/recommend/RecommendIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace {

constexpr int kSide = 24;

QPixmap canvas()
{
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void paintBall(QPainter &p, const QRectF &rect, const QColor &colour)
{
    QRadialGradient shade(rect.center() - QPointF(rect.width() / 5, rect.height() / 5),
                          rect.width() * 0.65);
    shade.setColorAt(0.0, colour.lighter(180));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1.0, colour.darker(160));
    p.setPen(QPen(colour.darker(200), 1));
    p.setBrush(shade);
    p.drawEllipse(rect);
    // The white label of a drawn ball.
    const QRectF label(rect.center().x() - rect.width() / 6, rect.center().y() - rect.height() / 6,
                       rect.width() / 3, rect.height() / 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(label);
}

} // namespace

namespace RecommendIcons {

QIcon ball(const QColor &colour)
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintBall(p, QRectF(2.5, 2.5, 19, 19), colour);
    return QIcon(pixmap);
}

QIcon twoBalls(const QColor &front, const QColor &back)
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintBall(p, QRectF(9.5, 1.5, 13, 13), back);
    paintBall(p, QRectF(1.5, 8.5, 15, 15), front);
    return QIcon(pixmap);
}

QIcon printer()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor outline(60, 60, 70);
    // The sheet going in, the body, the printed sheet coming out.
    p.setPen(QPen(outline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 11, 7));
    QLinearGradient body(0, 9, 0, 18);
    body.setColorAt(0, QColor(200, 204, 214));
    body.setColorAt(1, QColor(130, 136, 150));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(1.5, 8.5, 21, 10), 2, 2);
    p.setBrush(QColor(90, 200, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(17.5, 10.5, 2.5, 2.5));
    p.setPen(QPen(outline, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 14.5, 11, 8));
    p.setPen(QPen(QColor(120, 120, 130), 1));
    p.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
    p.drawLine(QPointF(8.5, 20), QPointF(13.5, 20));
    return QIcon(pixmap);
}

} // namespace RecommendIcons
