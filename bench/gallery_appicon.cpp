// Draws the application icon in the freedesktop sizes, as vector drawing scaled to each
// size, so every size is crisp. The PNGs are committed under data/icons/; run again after
// changing the drawing:
//   gallery_appicon /work/main/data/icons
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

namespace {

void ball(QPainter &p, QPointF c, qreal r, QColor color)
{
    QRadialGradient g(c - QPointF(r / 2.8, r / 2.8), r * 1.35);
    g.setColorAt(0, color.lighter(185));
    g.setColorAt(0.45, color);
    g.setColorAt(1, color.darker(170));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    // the white disc on which a ball's number is printed
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(c + QPointF(-r * 0.05, -r * 0.05), r * 0.42, r * 0.42);
}

QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // a ticket behind two balls: six reds and one blue
    p.setPen(QPen(QColor(70, 80, 100), 2));
    p.setBrush(QColor(252, 250, 240));
    p.drawRoundedRect(QRectF(6, 4, 44, 54), 5, 5);
    p.setPen(QPen(QColor(200, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(13, 15 + i * 9), QPointF(43, 15 + i * 9));
    ball(p, QPointF(30, 42), 15, QColor(214, 36, 36));
    ball(p, QPointF(49, 46), 12, QColor(28, 88, 205));
    return img;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("icons");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2").arg(out).arg(size);
        QDir().mkpath(dir);
        if (!drawIcon(size).save(dir + QStringLiteral("/ssq.png")))
            return 1;
    }
    return 0;
}
