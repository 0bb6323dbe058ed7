#include "app/MsgBox.h"
#include "history/HistoryParser.h"
#include "recommend/PridictContent.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

TBeenCodesRecArr shippedHistory()
{
    QFile file(QStringLiteral(SSQ_TEST_DATA "/ssq.dxt"));
    TBeenCodesRecArr history;
    if (file.open(QIODevice::ReadOnly)) {
        Collector reporter;
        DataTxtToCodeArr(HistoryTextLines(file.readAll()), history, reporter);
    }
    return history;
}

struct Printed
{
    QString title;
    QStringList lines;
    int fontSize = 0;
    int calls = 0;
};

} // namespace

class TestPridictPanel : public QObject
{
    Q_OBJECT

private:
    TBeenCodesRecArr m_history;
    QStringList m_status;
    QStringList m_errors;
    Printed m_printed;

    std::unique_ptr<TPridictContent> makePanel(const TBeenCodesRecArr *history)
    {
        m_status.clear();
        m_errors.clear();
        m_printed = {};
        auto panel = std::make_unique<TPridictContent>(
            history, [this](const QString &text) { m_status << text; },
            [this](const QString &title, const QStringList &lines, int fontSize) {
                m_printed = {title, lines, fontSize, m_printed.calls + 1};
            });
        panel->resize(760, 420);
        return panel;
    }

    // Presses a tool button, or triggers an item of the 复式 menu.
    static void press(TPridictContent &panel, const QString &name)
    {
        if (auto *button = panel.findChild<QToolButton *>(name)) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
        auto *action = panel.RcmFsMenu->findChild<QAction *>(name);
        if (!action) {
            for (QAction *a : panel.RcmFsMenu->actions())
                if (a->objectName() == name)
                    action = a;
        }
        QVERIFY2(action, qPrintable(name));
        action->trigger();
    }

private slots:
    void initTestCase()
    {
        m_history = shippedHistory();
        QVERIFY(m_history.size() > 3000);
        MsgBox::setHook([this](MsgBox::Kind, const QString &text) { m_errors << text; });
    }

    void cleanupTestCase() { MsgBox::setHook({}); }

    void toolBarLayout()
    {
        auto panel = makePanel(&m_history);
        QCOMPARE(panel->ToolBar1->objectName(), QStringLiteral("ToolBar1"));
        QCOMPARE(panel->TuiMemo->objectName(), QStringLiteral("TuiMemo"));
        QStringList captions;
        QStringList names;
        for (QAction *action : panel->ToolBar1->actions()) {
            if (action->isSeparator()) {
                captions << QStringLiteral("|");
                continue;
            }
            auto *button = qobject_cast<QToolButton *>(panel->ToolBar1->widgetForAction(action));
            QVERIFY(button);
            QCOMPARE(button->width(), 63);
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!button->icon().isNull());
            captions << button->text();
            names << button->objectName();
        }
        QCOMPARE(captions, (QStringList{"导出", "打印", "|", "冷码推荐", "热码推荐", "必出码荐",
                                        "胆码推荐", "单注推荐", "复式预测"}));
        QCOMPARE(names, (QStringList{"RcmExportBt", "RcmPrintBt", "RcmLmBt", "RcmRmBt",
                                     "RcmBcmBt", "RcmDmBt", "RcmDzBt", "RcmFsBt"}));
        QStringList items;
        for (QAction *action : panel->RcmFsMenu->actions())
            items << action->text();
        QCOMPARE(items, (QStringList{"复式推荐(23码)推荐2组", "复式推荐(15码)推荐20组",
                                     "复式推荐(12码)推荐30组"}));
        QCOMPARE(panel->TuiMemo->palette().color(QPalette::Base), QColor(241, 223, 205));
        QCOMPARE(panel->TuiMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }

    void fsButtonOpensTheMenu()
    {
        auto panel = makePanel(&m_history);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QTest::mouseClick(panel->RcmFsBt, Qt::LeftButton);
        QTRY_VERIFY(panel->RcmFsMenu->isVisible());
        QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
        panel->RcmFsMenu->grab().save(QStringLiteral(SSQ_RENDER_DIR "/pridict_fs_menu.png"));
        panel->RcmFsMenu->hide();
        QVERIFY(m_status.isEmpty());   // the menu itself computes nothing
    }

    void everyCommandFillsTheMemo_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("completion");
        QTest::newRow("冷码") << "RcmLmBt" << 6 << "冷码推荐(第1组)4个号" << "完成 冷码推荐";
        QTest::newRow("热码") << "RcmRmBt" << 6 << "热码推荐(第1组)4个号" << "完成 热码推荐";
        QTest::newRow("必出码") << "RcmBcmBt" << 2 << "必出码推荐:5个号" << "完成 必出码推荐";
        QTest::newRow("胆码") << "RcmDmBt" << 2 << "胆码推荐:5个号" << "完成 胆码推荐";
        QTest::newRow("单注") << "RcmDzBt" << 806 << "单注预测(100注):" << "完成 单注预测";
        QTest::newRow("复式23") << "RcmFsMenuR2" << 4 << "复式推荐(第1组):22+3个号" << "完成 复式推荐";
        QTest::newRow("复式15") << "RcmFsMenuR20" << 40 << "复式推荐(第1组):15+3个号" << "完成 复式推荐";
        QTest::newRow("复式12") << "RcmFsMenu30" << 60 << "复式推荐(第1组):12+3个号" << "完成 复式推荐";
    }

    void everyCommandFillsTheMemo()
    {
        QFETCH(QString, control);
        QFETCH(int, lines);
        QFETCH(QString, firstLine);
        QFETCH(QString, completion);
        auto panel = makePanel(&m_history);
        panel->TuiMemo->setPlainText(QStringLiteral("旧内容\n"));
        press(*panel, control);
        const QStringList memo = panel->memoLines();
        QCOMPARE(memo.size(), lines);
        QCOMPARE(memo.first(), firstLine);
        QCOMPARE(m_status, QStringList{completion});
        QVERIFY(m_errors.isEmpty());
        // A second run replaces the text with the same text.
        press(*panel, control);
        QCOMPARE(panel->memoLines(), memo);
    }

    void shortHistoryKeepsMemoAndStatus_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("ok");
        QTest::newRow("冷码 19") << 19 << "RcmLmBt" << false;
        QTest::newRow("冷码 20") << 20 << "RcmLmBt" << true;
        QTest::newRow("单注 19") << 19 << "RcmDzBt" << false;
        QTest::newRow("单注 20") << 20 << "RcmDzBt" << true;
        QTest::newRow("复式 25") << 25 << "RcmFsMenu30" << false;
        QTest::newRow("复式 26") << 26 << "RcmFsMenu30" << true;
    }

    void shortHistoryKeepsMemoAndStatus()
    {
        QFETCH(int, draws);
        QFETCH(QString, control);
        QFETCH(bool, ok);
        const TBeenCodesRecArr history(m_history.end() - draws, m_history.end());
        auto panel = makePanel(&history);
        panel->TuiMemo->setPlainText(QStringLiteral("之前的推荐\n"));
        press(*panel, control);
        if (ok) {
            QVERIFY(m_errors.isEmpty());
            QCOMPARE(m_status.size(), 1);
            QVERIFY(panel->memoLines() != QStringList{"之前的推荐"});
        } else {
            QCOMPARE(m_errors, QStringList{QString::fromUtf16(kHistoryTooShortMessage)});
            QVERIFY(m_status.isEmpty());
            QCOMPARE(panel->memoLines(), QStringList{"之前的推荐"});
        }
    }

    void noHistoryAtAll()
    {
        auto panel = makePanel(nullptr);
        press(*panel, QStringLiteral("RcmBcmBt"));
        QCOMPARE(m_errors, QStringList{QString::fromUtf16(kHistoryTooShortMessage)});
    }

    void exportWritesTheEditedMemoInGbk()
    {
        QTemporaryDir dir;
        auto panel = makePanel(&m_history);
        press(*panel, QStringLiteral("RcmLmBt"));
        // The user edits the memo by hand; export takes what it holds.
        panel->TuiMemo->moveCursor(QTextCursor::End);
        panel->TuiMemo->insertPlainText(QStringLiteral("我的备注："));   // as an input method commits it
        QTest::keyClicks(panel->TuiMemo, "01,02");
        const QString path = dir.filePath(QStringLiteral("推荐.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older, longer file that must be replaced completely\r\n");
        old.close();
        panel->setSaveFileChooser([&] { return path; });
        QTest::mouseClick(panel->RcmExportBt, Qt::LeftButton);
        QVERIFY(m_errors.isEmpty());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QStringDecoder gbk("GBK");
        const QString text = gbk.decode(bytes);
        QVERIFY(!gbk.hasError());
        QStringList expected = panel->memoLines();
        QCOMPARE(expected.size(), 7);
        QCOMPARE(expected.last(), QStringLiteral("我的备注：01,02"));
        QCOMPARE(text, expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        const QByteArray title = QStringEncoder("GBK").encode(QStringLiteral("冷码推荐"));
        QVERIFY(bytes.startsWith(title));
    }

    void exportKeepsTrailingEmptyLines()
    {
        QTemporaryDir dir;
        auto panel = makePanel(&m_history);
        press(*panel, QStringLiteral("RcmDzBt"));
        const QString path = dir.filePath(QStringLiteral("dz.txt"));
        panel->setSaveFileChooser([&] { return path; });
        panel->RcmExportBtClick();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 807);   // 806 lines and the end after the last break
        QCOMPARE(lines[805], QByteArray("\r"));
        QCOMPARE(lines[1].size(), 18);   // "01 02 03 04 05 06\r"
    }

    void exportCancelledWritesNothing()
    {
        QTemporaryDir dir;
        auto panel = makePanel(&m_history);
        press(*panel, QStringLiteral("RcmLmBt"));
        panel->setSaveFileChooser([] { return QString(); });
        panel->RcmExportBtClick();
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        QVERIFY(m_errors.isEmpty());
    }

    void exportFailureIsReported()
    {
        QTemporaryDir dir;
        auto panel = makePanel(&m_history);
        press(*panel, QStringLiteral("RcmLmBt"));
        const QString path = dir.filePath(QStringLiteral("missing/folder/x.txt"));
        panel->setSaveFileChooser([&] { return path; });
        panel->RcmExportBtClick();
        QCOMPARE(m_errors.size(), 1);
        QVERIFY2(m_errors[0].startsWith(QStringLiteral("无法写入文件“")), qPrintable(m_errors[0]));
        QVERIFY2(m_errors[0].size() > path.size() + 10, qPrintable(m_errors[0]));   // has a reason
        QVERIFY(!QFile::exists(path));
    }

    void exportRefusesWhatGbkCannotHold()
    {
        QTemporaryDir dir;
        auto panel = makePanel(&m_history);
        panel->TuiMemo->setPlainText(QStringLiteral("ok\n\U0001F600\n"));
        const QString path = dir.filePath(QStringLiteral("e.txt"));
        panel->setSaveFileChooser([&] { return path; });
        panel->RcmExportBtClick();
        QCOMPARE(m_errors.size(), 1);
        QVERIFY2(m_errors[0].contains(QStringLiteral("第2行")), qPrintable(m_errors[0]));
        QVERIFY(!QFile::exists(path));
    }

    void printTakesTheMemo()
    {
        auto panel = makePanel(&m_history);
        press(*panel, QStringLiteral("RcmFsMenuR2"));
        panel->TuiMemo->moveCursor(QTextCursor::End);
        panel->TuiMemo->insertPlainText(QStringLiteral("手写一行"));
        QTest::mouseClick(panel->RcmPrintBt, Qt::LeftButton);
        QCOMPARE(m_printed.calls, 1);
        QCOMPARE(m_printed.title, QStringLiteral("晨帆选号通 "));
        QCOMPARE(m_printed.fontSize, 12);
        QCOMPARE(m_printed.lines.size(), 5);
        QCOMPARE(m_printed.lines.last(), QStringLiteral("手写一行"));
        QVERIFY(m_status == QStringList{"完成 复式推荐"});
    }

    void render()
    {
        auto panel = makePanel(&m_history);
        press(*panel, QStringLiteral("RcmRmBt"));
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
        QVERIFY(panel->grab().save(QStringLiteral(SSQ_RENDER_DIR "/pridict_panel.png")));
        press(*panel, QStringLiteral("RcmFsMenuR20"));
        QVERIFY(panel->grab().save(QStringLiteral(SSQ_RENDER_DIR "/pridict_panel_fs15.png")));
    }
};

QTEST_MAIN(TestPridictPanel)
#include "tst_PridictPanel.moc"
