#include "gui/app/ProgressForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QWindow>

namespace {
constexpr int kGripHeight = 40;   // the band that acts as a title bar
}

TProgressForm::TProgressForm(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ProgressForm"));
    setFixedSize(498, 57);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(207, 210, 179));
    pal.setColor(QPalette::WindowText, Qt::blue);
    setPalette(pal);
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(14);
    f.setBold(true);
    setFont(f);

    TitleLbl = new QLabel(QStringLiteral("正在进行缩水计算..."), this);
    TitleLbl->setObjectName(QStringLiteral("TitleLbl"));
    TitleLbl->move(8, 8);
    TitleLbl->adjustSize();

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setGeometry(8, 32, 481, 18);
    ProgressBar->setRange(0, 110);
    ProgressBar->setTextVisible(false);

    centreOnScreen();
}

void TProgressForm::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TProgressForm::mousePressEvent(QMouseEvent *event)
{
    FormMouseDown(event);
}

void TProgressForm::FormMouseDown(QMouseEvent *event)
{
    // Presses on the label or the bar go to them; only the window's own background
    // reaches here.
    if (event->button() != Qt::LeftButton || event->position().y() > kGripHeight)
        return;
    // The window system moves the window like one grabbed by its title bar; where it
    // cannot (no such support), follow the mouse ourselves.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragging = true;
    m_grabOffset = event->globalPosition().toPoint() - pos();
}

void TProgressForm::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        move(event->globalPosition().toPoint() - m_grabOffset);
}

void TProgressForm::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}
