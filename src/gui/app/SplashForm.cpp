#include "gui/app/SplashForm.h"

#include "gui/app/AppResources.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

TSplashForm::TSplashForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(AppResources::splashPicture())
{
    setObjectName(QStringLiteral("SplashForm"));
    setFixedSize(450, 353);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSplashForm::flash()
{
    TSplashForm splash;
    splash.show();
    splash.repaint();
    // Let the window system map and draw it before the main window's build takes over.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    splash.hide();
}

void TSplashForm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(rect(), m_picture);
}
