// Draws the program's own pictures: the tool bar icons (PNG), the application icon, the
// start-up picture and the maker's logo of the about box (JPEG). The files are committed
// under src/gui/app/res/; run this again after changing a drawing:
//   gallery_artwork /work/main/src/gui/app/res
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

namespace {

const QString kFont = QStringLiteral("WenQuanYi Micro Hei");

void ball(QPainter &p, QPointF c, qreal r, QColor color, const QString &text = {})
{
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.3);
    g.setColorAt(0, color.lighter(170));
    g.setColorAt(0.5, color);
    g.setColorAt(1, color.darker(160));
    p.setPen(QPen(color.darker(200), r / 10));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    if (!text.isEmpty()) {
        QFont f(kFont);
        f.setPixelSize(int(r * 1.0));
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, text);
    }
}

using Drawing = std::function<void(QPainter &)>;

QImage icon(const Drawing &draw)
{
    QImage img(48, 48, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return img;
}

const QColor kRed(214, 40, 40), kBlue(30, 90, 200), kGreen(40, 150, 60), kGold(230, 170, 20),
    kInk(50, 60, 80);

void sheet(QPainter &p, QRectF r)
{
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(252, 252, 245));
    p.drawRoundedRect(r, 3, 3);
    p.setPen(QPen(QColor(150, 160, 180), 2));
    for (qreal y = r.top() + 9; y < r.bottom() - 4; y += 7)
        p.drawLine(QPointF(r.left() + 6, y), QPointF(r.right() - 6, y));
}

void arrow(QPainter &p, QPointF from, QPointF to, QColor c)
{
    p.setPen(QPen(c, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    QLineF l(to, from);
    QLineF a = l, b = l;
    a.setAngle(l.angle() + 35);
    b.setAngle(l.angle() - 35);
    a.setLength(11);
    b.setLength(11);
    p.drawLine(a);
    p.drawLine(b);
}

QMap<QString, Drawing> icons()
{
    QMap<QString, Drawing> m;
    m[QStringLiteral("data")] = [](QPainter &p) {
        sheet(p, QRectF(6, 4, 30, 40));
        p.setPen(QPen(kGold.darker(130), 1));
        p.setBrush(kGold);
        QPainterPath pen;
        pen.moveTo(42, 14);
        pen.lineTo(46, 18);
        pen.lineTo(26, 38);
        pen.lineTo(20, 40);
        pen.lineTo(22, 34);
        pen.closeSubpath();
        p.drawPath(pen);
    };
    m[QStringLiteral("chart")] = [](QPainter &p) {
        p.setPen(QPen(kInk, 3));
        p.drawLine(6, 4, 6, 42);
        p.drawLine(6, 42, 44, 42);
        const int h[] = {14, 26, 18, 32};
        const QColor c[] = {kRed, kBlue, kGreen, kGold};
        for (int i = 0; i < 4; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(c[i]);
            p.drawRect(QRectF(11 + i * 8.5, 40 - h[i], 7, h[i]));
        }
        p.setPen(QPen(kRed.darker(130), 2.5));
        p.drawPolyline(QPolygonF({QPointF(12, 24), QPointF(21, 14), QPointF(30, 20), QPointF(42, 6)}));
    };
    m[QStringLiteral("scale")] = [](QPainter &p) {
        QPainterPath f;
        f.moveTo(4, 6);
        f.lineTo(44, 6);
        f.lineTo(28, 24);
        f.lineTo(28, 40);
        f.lineTo(20, 45);
        f.lineTo(20, 24);
        f.closeSubpath();
        QLinearGradient g(4, 0, 44, 0);
        g.setColorAt(0, kBlue.lighter(150));
        g.setColorAt(1, kBlue);
        p.setPen(QPen(kBlue.darker(160), 2));
        p.setBrush(g);
        p.drawPath(f);
        ball(p, QPointF(14, 12), 4, kRed);
        ball(p, QPointF(24, 11), 4, kRed);
        ball(p, QPointF(34, 12), 4, kRed);
    };
    m[QStringLiteral("recommend")] = [](QPainter &p) {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const qreal r = i % 2 ? 9 : 21;
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(24 + r * std::cos(a), 25 + r * std::sin(a));
        }
        QRadialGradient g(20, 18, 24);
        g.setColorAt(0, QColor(255, 240, 140));
        g.setColorAt(1, kGold);
        p.setPen(QPen(kGold.darker(150), 2));
        p.setBrush(g);
        p.drawPolygon(star);
    };
    m[QStringLiteral("query")] = [](QPainter &p) {
        sheet(p, QRectF(4, 4, 28, 36));
        p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(33, 33, 44, 44);
        p.setPen(QPen(kInk, 3));
        p.setBrush(QColor(200, 230, 255, 200));
        p.drawEllipse(QPointF(27, 27), 10, 10);
    };
    m[QStringLiteral("web")] = [](QPainter &p) {
        QRadialGradient g(18, 16, 26);
        g.setColorAt(0, QColor(150, 210, 255));
        g.setColorAt(1, QColor(20, 100, 190));
        p.setPen(QPen(QColor(10, 60, 130), 2));
        p.setBrush(g);
        p.drawEllipse(QPointF(24, 24), 20, 20);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(230, 245, 255), 1.8));
        p.drawEllipse(QPointF(24, 24), 9, 20);
        p.drawLine(4, 24, 44, 24);
        p.drawLine(24, 4, 24, 44);
        p.drawArc(QRectF(7, 4, 34, 16), 200 * 16, 140 * 16);
        p.drawArc(QRectF(7, 28, 34, 16), 20 * 16, 140 * 16);
    };
    m[QStringLiteral("about")] = [](QPainter &p) {
        ball(p, QPointF(24, 24), 20, kBlue);
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(28);
        f.setBold(true);
        f.setItalic(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(4, 4, 40, 40), Qt::AlignCenter, QStringLiteral("i"));
    };
    m[QStringLiteral("exit")] = [](QPainter &p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(150, 100, 60));
        p.drawRect(QRectF(8, 4, 22, 40));
        p.setBrush(kGold);
        p.drawEllipse(QPointF(25, 25), 2, 2);
        arrow(p, QPointF(22, 24), QPointF(45, 24), kRed);
    };
    m[QStringLiteral("download")] = [](QPainter &p) {
        sheet(p, QRectF(6, 16, 36, 29));
        arrow(p, QPointF(24, 2), QPointF(24, 30), kGreen);
    };
    m[QStringLiteral("clear")] = [](QPainter &p) {
        sheet(p, QRectF(6, 4, 30, 40));
        p.setPen(QPen(kRed, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(20, 20, 42, 42);
        p.drawLine(42, 20, 20, 42);
    };
    m[QStringLiteral("import")] = [](QPainter &p) {
        p.setPen(QPen(kGold.darker(160), 2));
        p.setBrush(QColor(250, 210, 100));
        QPainterPath f;
        f.moveTo(3, 12);
        f.lineTo(18, 12);
        f.lineTo(22, 16);
        f.lineTo(45, 16);
        f.lineTo(45, 43);
        f.lineTo(3, 43);
        f.closeSubpath();
        p.drawPath(f);
        arrow(p, QPointF(24, 2), QPointF(24, 34), kBlue);
    };
    m[QStringLiteral("save")] = [](QPainter &p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(5, 5, 38, 38), 4, 4);
        p.setBrush(QColor(240, 240, 240));
        p.drawRect(QRectF(12, 5, 24, 14));
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(QRectF(11, 26, 26, 17));
        p.setBrush(kInk);
        p.drawRect(QRectF(28, 8, 5, 8));
    };
    m[QStringLiteral("app")] = [](QPainter &p) {
        ball(p, QPointF(17, 18), 13, kRed, QStringLiteral("6"));
        ball(p, QPointF(31, 31), 13, kBlue, QStringLiteral("1"));
    };
    return m;
}

void drawTitle(QPainter &p, QRectF r, const QString &text, int px, QColor color, bool bold)
{
    QFont f(kFont);
    f.setPixelSize(px);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(r.translated(2, 2), Qt::AlignCenter, text);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

QImage splash()
{
    QImage img(450, 353, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, 353);
    bg.setColorAt(0, QColor(120, 20, 24));
    bg.setColorAt(0.55, QColor(200, 50, 40));
    bg.setColorAt(1, QColor(245, 190, 90));
    p.fillRect(img.rect(), bg);
    // A fan of light rays behind the balls.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 18; ++i) {
        p.setBrush(QColor(255, 255, 255, i % 2 ? 10 : 22));
        p.drawPie(QRectF(-225, -120, 900, 700), i * 20 * 16, 10 * 16);
    }
    const int reds[] = {3, 9, 15, 18, 26, 33};
    for (int i = 0; i < 6; ++i)
        ball(p, QPointF(62 + i * 54, 205), 23, kRed.lighter(110),
             QString::asprintf("%02d", reds[i]));
    ball(p, QPointF(62 + 6 * 54 - 4, 205), 23, kBlue, QStringLiteral("07"));
    drawTitle(p, QRectF(0, 40, 450, 70), QStringLiteral("晨帆选号通"), 52, QColor(255, 235, 120), true);
    drawTitle(p, QRectF(0, 112, 450, 30), QStringLiteral("双色球  选号 · 缩水 · 图表分析"), 20,
              Qt::white, false);
    drawTitle(p, QRectF(0, 262, 450, 26), QStringLiteral("V2005"), 18, Qt::white, true);
    drawTitle(p, QRectF(0, 306, 450, 26), QStringLiteral("正在启动，请稍候……"), 15,
              QColor(90, 30, 10), false);
    return img;
}

QImage logo()
{
    QImage img(161, 41, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 161, 0);
    bg.setColorAt(0, QColor(250, 248, 235));
    bg.setColorAt(1, QColor(225, 235, 250));
    p.fillRect(img.rect(), bg);
    ball(p, QPointF(20, 20), 14, kRed);
    p.setPen(QPen(QColor(255, 255, 255), 2.5));
    p.drawLine(QPointF(13, 27), QPointF(20, 12));
    p.drawLine(QPointF(20, 12), QPointF(27, 27));
    QFont f(kFont);
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 70, 150));
    p.drawText(QRectF(40, 0, 120, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("明川网"));
    f.setPixelSize(9);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRectF(41, 26, 120, 13), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("MINGCHUAN"));
    return img;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("."));
    const auto all = icons();
    for (auto it = all.begin(); it != all.end(); ++it)
        if (!icon(it.value()).save(out.filePath(it.key() + QStringLiteral(".png"))))
            return 1;
    if (!splash().save(out.filePath(QStringLiteral("splash.jpg")), "JPG", 90))
        return 1;
    if (!logo().save(out.filePath(QStringLiteral("logo.jpg")), "JPG", 92))
        return 1;
    // Optional second folder: PNG previews to look at (every picture on one sheet).
    if (argc > 2) {
        QImage sheet(470, 480, QImage::Format_RGB32);
        sheet.fill(QColor(236, 233, 216));
        QPainter p(&sheet);
        p.drawImage(10, 10, QImage(out.filePath(QStringLiteral("splash.jpg"))));
        p.drawImage(10, 370, QImage(out.filePath(QStringLiteral("logo.jpg"))));
        int x = 10;
        for (auto it = all.begin(); it != all.end(); ++it, x += 34)
            p.drawImage(QRect(x, 420, 24, 24), icon(it.value()));
        x = 180;
        for (auto it = all.begin(); it != all.end() && x < 460; ++it, x += 50)
            p.drawImage(x, 365, icon(it.value()));
        p.end();
        sheet.save(QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("artwork.png")));
    }
    return 0;
}
