#include "gui/reduction/EtchedFrameStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace {
constexpr int kCaptionLeft = 8;   // where the caption breaks the top line
constexpr int kCaptionPad = 2;    // blank pixels either side of the caption
} // namespace

TEtchedFrameStyle::TEtchedFrameStyle(QObject *owner)
    : QProxyStyle(QApplication::style()->name())
{
    setParent(owner);
}

void TEtchedFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                           QPainter *painter, const QWidget *widget) const
{
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QFontMetrics &metrics = box->fontMetrics;
    const QRect whole = box->rect;
    const QRect caption(whole.left() + kCaptionLeft, whole.top(),
                        metrics.horizontalAdvance(box->text) + 2 * kCaptionPad, metrics.height());
    const QRect frame = whole.adjusted(0, metrics.height() / 2, -1, -1);
    const QColor face = box->palette.color(QPalette::Window);

    painter->save();
    painter->setClipRegion(QRegion(whole).subtracted(box->text.isEmpty() ? QRegion() : QRegion(caption)));
    painter->setBrush(Qt::NoBrush);
    painter->setPen(face.darker(150));
    painter->drawRect(frame.adjusted(0, 0, -1, -1));
    painter->setPen(face.lighter(150));
    painter->drawRect(frame.adjusted(1, 1, 0, 0));
    painter->setClipping(false);
    painter->setPen(box->palette.color(QPalette::WindowText));
    painter->drawText(caption.adjusted(kCaptionPad, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      box->text);
    painter->restore();
}

TEtchedFrameStyle *TEtchedFrameStyle::of(QObject *owner)
{
    if (auto *style = owner->findChild<TEtchedFrameStyle *>(QString(), Qt::FindDirectChildrenOnly))
        return style;
    return new TEtchedFrameStyle(owner);
}
