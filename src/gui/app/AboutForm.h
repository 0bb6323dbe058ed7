#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QPushButton;

// The about box: the maker's logo, the program's name, version, date, what "网站支持"
// opens (the player's own site or the built-in page), the newest draw and where the
// history file is kept. A click on the logo or on that line closes the box and asks the
// main window for "网站支持".
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

    // The site the player named in "website.txt"; empty: the built-in page.
    void SetPlayerSite(const QUrl &site);
    // Where the history file lives, shown under the address.
    void SetHistoryFile(const QString &path);
    // The newest draw of the history with its date when known ("第2026095期（2026-08-16）").
    void SetNewestDraw(const QString &text);

    void WebSiteLblClick();

signals:
    void supportPageRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
