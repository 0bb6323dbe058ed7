// The tab "旋转矩阵" on the reduction panel: the commands reach the core and the answers
// reach the screen and the current result.
#include "app/AppResources.h"
#include "app/MsgBox.h"
#include "app/ProgressForm.h"
#include "app/RcmPanel.h"
#include "controls/ColorChk.h"
#include "reduction/NumberRangeSheet.h"
#include "reduction/ResultSheet.h"
#include "wheel/WheelTab.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

class TestWheelTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<TProgressForm> m_progress;
    std::unique_ptr<TRcmPanel> m_panel;
    QStringList m_messages;
    QStringList m_status;
    TWheelTab *tab() const { return m_panel->WheelSheet; }

    void pick(const QString &numbers, const QString &guarantee)
    {
        tab()->WheelNumChk->SetCheckedText(QStringLiteral(","), numbers);
        tab()->WheelGuaranteeCb->setCurrentIndex(tab()->WheelGuaranteeCb->findText(guarantee));
    }

private slots:
    void initTestCase()
    {
        AppResources::installFontSubstitutes();
        AppResources::init();
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_messages.append(text); });
    }

    void init()
    {
        m_messages.clear();
        m_status.clear();
        m_progress = std::make_unique<TProgressForm>();
        m_panel = std::make_unique<TRcmPanel>();
        QFont f(QStringLiteral("宋体"));
        f.setPixelSize(14);
        m_panel->setFont(f);
        m_panel->setProgressForm(m_progress.get());
        m_panel->setStatusSink([this](const QString &text) { m_status.append(text); });
        m_panel->ResetConditions();
        m_panel->resize(1000, 640);
        m_panel->show();
        m_panel->RcmPctl->setCurrentWidget(tab());
    }

    void twelveNumbersBecomeTheResult()
    {
        pick(QStringLiteral("01,03,05,08,11,14,17,20,23,26,29,32"), QStringLiteral("中6保5"));
        QTest::mouseClick(tab()->WheelMakeBt, Qt::LeftButton);
        const QStringList tickets = tab()->WheelMemo->toPlainText().split('\n');
        QCOMPARE(qsizetype(tab()->Tickets().size()), tickets.size());
        QVERIFY(tab()->WheelCountLbl->text().contains(QStringLiteral("全部组合924注")));
        QVERIFY(tab()->WheelVerifiedLbl->text().startsWith(QStringLiteral("已验证：12个号码中任意6个开出（共924种情形）")));
        QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
        QCoreApplication::processEvents();   // the labels' new sizes reach the layout
        QVERIFY(m_panel->grab().save(QStringLiteral(SSQ_RENDER_DIR "/wheel_tab.png")));

        QTest::mouseClick(tab()->WheelUseBt, Qt::LeftButton);
        QCOMPARE(AliveCount(m_panel->ResultList()), int(tickets.size()));
        QCOMPARE(m_panel->RcmPctl->currentWidget(), m_panel->RcmSheet4);
        // The prize check finds a ticket among the result's entries.
        m_panel->FindInMemo(tickets.first());
        QCOMPARE(m_status.last(), QStringLiteral("恭喜，找到号码%1，是缩水结果的第1注").arg(tickets.first()));
    }

    void survivorsCovered()
    {
        m_panel->TabSheet3->setNumbers(NumberRangeFromText(QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12")));
        QTest::mouseClick(m_panel->RcmPanelScaleBt, Qt::LeftButton);
        QCOMPARE(AliveCount(m_panel->ResultList()), 924);
        QCOMPARE(tab()->WheelSurvivorLbl->text(), QStringLiteral("缩水结果924注"));
        tab()->WheelSurvivorCb->setCurrentIndex(0);   // 保5
        QTest::mouseClick(tab()->WheelSurvivorBt, Qt::LeftButton);
        const QString expected = QStringLiteral("缩水后旋转（保5）：缩水结果924注，旋转后%1注").arg(tab()->Tickets().size());
        QCOMPARE(tab()->WheelSurvivorLbl->text(), expected);
        QVERIFY(tab()->Tickets().size() < 924);
        QVERIFY(tab()->WheelVerifiedLbl->text().startsWith(QStringLiteral("已验证：924注")));
    }

    void refusals()
    {
        pick(QStringLiteral("1,2,3,4,5,6"), QStringLiteral("中5保5"));
        QTest::mouseClick(tab()->WheelMakeBt, Qt::LeftButton);
        QTest::mouseClick(tab()->WheelSurvivorBt, Qt::LeftButton);
        QCOMPARE(m_messages, QStringList({QStringLiteral("请选择7到33个不同的红球号码！！"), QStringLiteral("请先进行缩水计算！！")}));
        QVERIFY(tab()->Tickets().empty());
        QVERIFY(!tab()->WheelUseBt->isEnabled());
    }

    // A case the table lacks runs the search behind the progress window; "取消" ends it
    // and nothing is shown.
    void cancelLongSearch()
    {
        QStringList all;
        for (int i = 1; i <= 26; ++i)
            all << QString::number(i);
        pick(all.join(','), QStringLiteral("中5保5"));
        bool sawWindow = false;
        QTimer::singleShot(1500, [&] {
            sawWindow = m_progress->isVisible();
            m_progress->grab().save(QStringLiteral(SSQ_RENDER_DIR "/wheel_progress.png"));
            if (auto *cancel = m_progress->findChild<QPushButton *>(QStringLiteral("WheelCancelBt")))
                QTest::mouseClick(cancel, Qt::LeftButton);
        });
        QTest::mouseClick(tab()->WheelMakeBt, Qt::LeftButton);
        QVERIFY(sawWindow);
        QVERIFY(!m_progress->isVisible());
        QVERIFY(tab()->Tickets().empty());
        QVERIFY(tab()->WheelMemo->toPlainText().isEmpty());
    }
};

QTEST_MAIN(TestWheelTab)
#include "tst_WheelTab.moc"
