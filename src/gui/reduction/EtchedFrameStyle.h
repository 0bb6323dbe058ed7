#pragma once

#include <QProxyStyle>

// Draws group boxes the classic way: an etched line with no fill, broken at the top
// left by the caption. The condition controls paint their own background in the colour
// of the box they sit on; the toolkit's shaded group box interior would leave a lighter
// patch behind every one of them.
class TEtchedFrameStyle : public QProxyStyle
{
    Q_OBJECT

public:
    explicit TEtchedFrameStyle(QObject *owner);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget = nullptr) const override;

    // The one instance for the group boxes below `owner` (made on first use, owned by it).
    static TEtchedFrameStyle *of(QObject *owner);
};
