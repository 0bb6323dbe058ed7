#pragma once

#include <QWidget>

// The start-up picture: a borderless window, shown and painted at once while the main
// window is built, then freed.
class TSplashForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSplashForm(QWidget *parent = nullptr);

    // Shows the splash window, paints it at once, hides and frees it.
    static void flash();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
