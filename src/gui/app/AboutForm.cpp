#include "gui/app/AboutForm.h"

#include "core/base/AppInfo.h"
#include "gui/app/AppResources.h"

#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("关于"));
    // 46 pixels taller than the classic box: one line names the newest draw, one says
    // where the history file is.
    setFixedSize(421, 211);
    QFont f(QStringLiteral("宋体"));
    f.setPixelSize(14);
    setFont(f);

    auto *bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(8, 8, 167, 47);
    LogoImg = new QLabel(bevel);
    LogoImg->setObjectName(QStringLiteral("LogoImg"));
    LogoImg->setGeometry(3, 3, 161, 41);
    LogoImg->setPixmap(AppResources::logoPicture());
    LogoImg->setCursor(Qt::PointingHandCursor);
    LogoImg->installEventFilter(this);

    SoftNameLbl = new QLabel(QString::fromUtf16(AppInfo::kProgramName) + QLatin1Char(' '), this);
    SoftNameLbl->setObjectName(QStringLiteral("SoftNameLbl"));
    QFont nameFont = font();
    nameFont.setPixelSize(20);
    nameFont.setBold(true);
    SoftNameLbl->setFont(nameFont);
    SoftNameLbl->setStyleSheet(QStringLiteral("color: red;"));
    SoftNameLbl->setGeometry(190, 14, 226, 28);

    VersionLbl = new QLabel(QString::fromUtf16(AppInfo::kVersionText), this);
    VersionLbl->setObjectName(QStringLiteral("VersionLbl"));
    VersionLbl->setGeometry(190, 56, 226, 20);

    DateLbl = new QLabel(QString::fromUtf16(AppInfo::kDateText), this);
    DateLbl->setObjectName(QStringLiteral("DateLbl"));
    DateLbl->setGeometry(190, 80, 226, 20);

    WebSiteLbl = new QLabel(this);
    WebSiteLbl->setObjectName(QStringLiteral("WebSiteLbl"));
    WebSiteLbl->setStyleSheet(QStringLiteral("color: blue;"));
    WebSiteLbl->setCursor(Qt::PointingHandCursor);
    WebSiteLbl->setGeometry(190, 104, 228, 20);
    WebSiteLbl->installEventFilter(this);

    CloseBt = new QPushButton(QStringLiteral("关闭"), this);
    CloseBt->setObjectName(QStringLiteral("CloseBt"));
    CloseBt->setGeometry(320, 171, 85, 28);

    DataFileLbl = new QLabel(this);
    DataFileLbl->setObjectName(QStringLiteral("DataFileLbl"));
    DataFileLbl->setGeometry(12, 148, 400, 18);
    DataFileLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    NewestDrawLbl = new QLabel(this);
    NewestDrawLbl->setObjectName(QStringLiteral("NewestDrawLbl"));
    NewestDrawLbl->setGeometry(12, 128, 400, 18);
    SetNewestDraw({});
    SetPlayerSite({});
    CloseBt->setDefault(true);
    // Esc (the cancel key) closes a QDialog by itself.
    connect(CloseBt, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutForm::SetHistoryFile(const QString &path)
{
    const QString text = QStringLiteral("开奖数据文件：") + QDir::toNativeSeparators(path);
    // A long path is shortened in the middle; the whole of it is the label's tool-tip.
    DataFileLbl->setText(DataFileLbl->fontMetrics().elidedText(text, Qt::ElideMiddle, DataFileLbl->width()));
    DataFileLbl->setToolTip(QDir::toNativeSeparators(path));
}

void TAboutForm::SetPlayerSite(const QUrl &site)
{
    const QString text = site.isEmpty() ? QStringLiteral("网站支持：程序的说明页") : site.toString();
    WebSiteLbl->setText(WebSiteLbl->fontMetrics().elidedText(text, Qt::ElideMiddle, WebSiteLbl->width()));
    WebSiteLbl->setToolTip(site.isEmpty() ? QString() : site.toString());
}

void TAboutForm::SetNewestDraw(const QString &text)
{
    NewestDrawLbl->setText(text.isEmpty() ? QStringLiteral("最新开奖：开奖数据为空")
                                          : QStringLiteral("最新开奖：") + text);
}

void TAboutForm::WebSiteLblClick()
{
    accept();
    emit supportPageRequested();
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == LogoImg || watched == WebSiteLbl)
        && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        WebSiteLblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
