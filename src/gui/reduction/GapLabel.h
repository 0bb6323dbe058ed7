#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

// A label whose caption leaves room, in runs of blanks, for the controls placed over
// it ("3区间:01-11:      个,12-22: ..."). The runs were measured for 宋体, where a
// blank is half a character wide; with any other typeface the text after a run would
// slide under the control. So the caption is drawn in pieces: each piece starts where
// 宋体 would put it, but never under one of the label's obstacles (the controls that
// lie over it); a piece that an obstacle would cover is moved to just right of it.
//
// text() stays the whole caption; the label sizes itself to the drawn pieces.
class TGapLabel : public QLabel
{
    Q_OBJECT

public:
    TGapLabel(const QString &caption, QWidget *parent);

    // Replaces the caption (use this, not QLabel::setText, so the pieces follow).
    void setCaption(const QString &caption);
    // The controls lying over the label; they must be siblings of it.
    void setObstacles(const QList<QWidget *> &obstacles);
    // Also starts a piece before every occurrence of `marker` (besides the blank runs).
    void setBreakBefore(QChar marker);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Piece
    {
        QString text;
        int x = 0;          // left edge in label coordinates
        int width = 0;      // drawn width (the text's own width or a squeezed one)
    };
    void relayout();
    QList<QRect> obstacleRects() const;   // in label coordinates

    QList<QPointer<QWidget>> m_obstacles;
    QChar m_breakBefore;
    QList<Piece> m_pieces;
};
