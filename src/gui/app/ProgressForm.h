#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;
class QProgressBar;

// The progress window of the reduction: borderless, always on top. The reduction sets
// the bar's range and position and shows and hides the window. It can be dragged by its
// own background within the top 40 pixels.
class TProgressForm : public QWidget
{
    Q_OBJECT
public:
    explicit TProgressForm(QWidget *parent = nullptr);

    QLabel *TitleLbl = nullptr;
    QProgressBar *ProgressBar = nullptr;

    // Centres the window on the screen (done at creation; the reduction may repeat it).
    void centreOnScreen();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void FormMouseDown(QMouseEvent *event);

    bool m_dragging = false;
    QPoint m_grabOffset;
};
