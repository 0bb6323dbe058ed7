// The splash window, the progress window, the explanation window and the about box.
#include "app/AboutForm.h"
#include "app/AppResources.h"
#include "app/ProgressForm.h"
#include "app/SmForm.h"
#include "app/SplashForm.h"
#include "app/SystemOpen.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestAuxWindows : public QObject
{
    Q_OBJECT
private:
    void render(QWidget *w, const QString &name)
    {
        QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
        w->grab().save(QStringLiteral(SSQ_RENDER_DIR "/") + name + QStringLiteral(".png"));
    }

private slots:
    void pictures()
    {
        QCOMPARE(AppResources::splashPicture().size(), QSize(450, 353));
        QCOMPARE(AppResources::logoPicture().size(), QSize(161, 41));
        for (const char *name : {"data", "chart", "scale", "recommend", "query", "web", "about",
                                 "exit", "download", "clear", "import", "save", "app"})
            QVERIFY2(!AppResources::icon(QString::fromLatin1(name)).isNull(), name);
    }

    void splashFlashesAndGoes()
    {
        TSplashForm::flash();
        const auto widgets = QApplication::topLevelWidgets();
        for (QWidget *w : widgets)
            QVERIFY(!qobject_cast<TSplashForm *>(w));
        TSplashForm splash;
        QCOMPARE(splash.size(), QSize(450, 353));
        render(&splash, QStringLiteral("splash"));
    }

    void progressFormLayout()
    {
        TProgressForm form;
        QCOMPARE(form.size(), QSize(498, 57));
        QCOMPARE(form.TitleLbl->text(), QStringLiteral("正在进行缩水计算..."));
        QCOMPARE(form.ProgressBar->geometry(), QRect(8, 32, 481, 18));
        QCOMPARE(form.ProgressBar->maximum(), 110);
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form.palette().color(QPalette::Window), QColor(207, 210, 179));
        form.ProgressBar->setValue(55);
        render(&form, QStringLiteral("progress"));
    }

    void progressFormDrag_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("moves");
        QTest::newRow("top band") << 20 << true;
        QTest::newRow("40 pixels") << 40 << true;
        QTest::newRow("41 pixels") << 41 << false;
    }

    void progressFormDrag()
    {
        QFETCH(int, y);
        QFETCH(bool, moves);
        TProgressForm form;
        form.move(100, 100);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint before = form.pos();
        // A point of the background, right of the label and the bar.
        const QPoint at(494, y);
        QVERIFY(form.childAt(at) == nullptr);
        QTest::mousePress(&form, Qt::LeftButton, {}, at);
        QMouseEvent move(QEvent::MouseMove, QPointF(at + QPoint(30, 25)),
                         QPointF(form.mapToGlobal(at + QPoint(30, 25))), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(&form, &move);
        QTest::mouseRelease(&form, Qt::LeftButton, {}, at + QPoint(30, 25));
        QCOMPARE(form.pos() != before, moves);
        if (moves)
            QCOMPARE(form.pos(), before + QPoint(30, 25));
    }

    void explanationWindow()
    {
        TSmForm form;
        QCOMPARE(form.size(), QSize(426, 351));
        form.Memo->setPlainText(QStringLiteral("说明"));
        QString seenCaption;
        QTimer::singleShot(50, &form, [&] {
            seenCaption = form.windowTitle();
            QVERIFY(form.isModal() || form.isVisible());
            form.resize(600, 500);
            QApplication::processEvents();
            QCOMPARE(form.Memo->size(), QSize(600, 500));
            form.accept();
        });
        form.ShowExplanation(QStringLiteral("统计分析表 图表说明"));
        QCOMPARE(seenCaption, QStringLiteral("统计分析表 图表说明"));
    }

    void aboutBox()
    {
        QList<QUrl> opened;
        SystemOpen::setHook([&](const QUrl &url) { opened << url; });
        TAboutForm about;
        QCOMPARE(about.windowTitle(), QStringLiteral("关于"));
        QCOMPARE(about.size(), QSize(421, 211));
        QCOMPARE(about.SoftNameLbl->text(), QStringLiteral("晨帆选号通 "));
        QCOMPARE(about.VersionLbl->text(), QStringLiteral("发行版本:2005"));
        QCOMPARE(about.DateLbl->text(), QStringLiteral("发行日期:2005年04月28日"));
        QCOMPARE(about.WebSiteLbl->text(), QStringLiteral("http://www.mingchuan.example"));
        QCOMPARE(about.CloseBt->text(), QStringLiteral("关闭"));
        QVERIFY(about.CloseBt->isDefault());
        QCOMPARE(about.LogoImg->pixmap().size(), QSize(161, 41));
        about.SetHistoryFile(QStringLiteral("/home/user/.local/share/ssq/ssq.dxt"));
        QCOMPARE(about.DataFileLbl->text(), QStringLiteral("开奖数据文件：/home/user/.local/share/ssq/ssq.dxt"));
        const QString deep = QStringLiteral("/a/very/long/folder/name/that/goes/on/and/on/and/on/for/ever/ssq.dxt");
        about.SetHistoryFile(deep);
        QVERIFY(about.DataFileLbl->text().endsWith(QStringLiteral("ssq.dxt")));
        QCOMPARE(about.DataFileLbl->toolTip(), deep);
        about.SetNewestDraw(QStringLiteral("第2026095期（2026-08-16）"));
        QCOMPARE(about.NewestDrawLbl->text(), QStringLiteral("最新开奖：第2026095期（2026-08-16）"));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        render(&about, QStringLiteral("about"));
        // The whole address must be readable.
        QVERIFY2(about.WebSiteLbl->width() >= about.WebSiteLbl->sizeHint().width(),
                 qPrintable(QString::number(about.WebSiteLbl->sizeHint().width())));

        QTest::mouseClick(about.WebSiteLbl, Qt::LeftButton);
        QTest::mouseClick(about.LogoImg, Qt::LeftButton);
        QCOMPARE(opened, (QList<QUrl>{QUrl(QStringLiteral("http://www.mingchuan.example/")),
                                      QUrl(QStringLiteral("http://www.mingchuan.example/"))}));
        SystemOpen::setHook({});

        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
        about.show();
        about.CloseBt->click();
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(TestAuxWindows)
#include "tst_AuxWindows.moc"
