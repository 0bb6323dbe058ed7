#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the maker's logo, the program's name, version, date, the support
// site's address, the newest draw and where the history file is kept. The logo and the address open the site in the system's web browser.
class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    QLabel *LogoImg = nullptr;
    QLabel *SoftNameLbl = nullptr;
    QLabel *VersionLbl = nullptr;
    QLabel *DateLbl = nullptr;
    QLabel *WebSiteLbl = nullptr;
    QPushButton *CloseBt = nullptr;
    QLabel *DataFileLbl = nullptr;
    QLabel *NewestDrawLbl = nullptr;

    // Where the history file lives, shown under the address.
    void SetHistoryFile(const QString &path);
    // The newest draw of the history with its date when known ("第2026095期（2026-08-16）").
    void SetNewestDraw(const QString &text);

    void WebSiteLblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
