#include "app/AppResources.h"
#include "app/MsgBox.h"
#include "app/ProgressForm.h"
#include "app/RcmPanel.h"
#include "controls/ColorChk.h"
#include "controls/MultiChk.h"
#include "controls/MultiSe.h"
#include "reduction/CodeGroupEditor.h"
#include "reduction/CodeSelSheet.h"
#include "reduction/CodeSetForm.h"
#include "reduction/ConditionFile.h"
#include "reduction/ConditionSheet.h"
#include "reduction/GapLabel.h"
#include "reduction/NumberRangeSheet.h"
#include "reduction/ProgressFormDriver.h"
#include "reduction/ResultOutput.h"
#include "reduction/ResultSheet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QStringEncoder>
#include <QTest>

#include "reduction/PrizeStatsBox.h"
#include "reduction/StageStatsTable.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <memory>

namespace {

DrawRecord Draw(int year, int no, TCodeRedArr reds, int blue)
{
    DrawRecord d;
    d.Year = year;
    d.No = no;
    d.Red = reds;
    d.Blue = blue;
    return d;
}

TBeenCodesRecArr SmallHistory()
{
    return {Draw(2005, 1, {2, 9, 15, 18, 25, 33}, 7), Draw(2005, 2, {1, 5, 12, 20, 28, 33}, 3)};
}

CheckList Checks(std::initializer_list<int> items)
{
    CheckList list;
    for (int i : items)
        list.setChecked(i, true);
    return list;
}

std::array<bool, 33> Numbers(std::initializer_list<int> numbers)
{
    std::array<bool, 33> range{};
    for (int n : numbers)
        range[n - 1] = true;
    return range;
}

// A condition set that touches every member with something other than its default.
ConditionSet Varied()
{
    ConditionSet c;
    c.ZoneCounts = {Checks({0, 4}), Checks({2}), Checks({1, 3})};
    c.SixZoneSpread = Checks({5});
    c.SixZoneOddEven = Checks({0, 2});
    c.Mod3Counts = {Checks({5}), Checks({0}), Checks({1, 2})};
    c.Mod6Groups = Checks({3});
    c.AcRange = {4, 9};
    c.MaxGapRange = {-2, 30};
    c.OddEvenRatio = Checks({3});
    c.BigSmallRatio = Checks({6});
    c.ConsecCount = Checks({1, 5});
    c.ConsecGroups = Checks({3});
    c.SumRange = {50, 120};
    c.SameTailCount = Checks({4});
    c.PrevTailSame = Checks({0, 6});
    c.TailSumRange = {10, 40};
    c.TailMod5Groups = Checks({4});
    c.TailBigSmallRatio = Checks({0});
    c.NumberRange = Numbers({1, 17, 33});
    c.MatchCount1 = Checks({0, 6});
    c.MatchCount2 = Checks({4});
    c.CodeSel1 = {QStringLiteral("01,08,09&1,2"), QStringLiteral("05,06&2")};
    c.CodeSel2 = {QStringLiteral("1,2,3&0")};
    return c;
}

QByteArray Gbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

void ClickItem(TMultiChk *list, int index)
{
    QTest::mouseClick(list, Qt::LeftButton, {}, list->RectOfChk(index).center());
}

} // namespace

class TestRcmPanel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TRcmPanel> m_panel;
    std::unique_ptr<TProgressForm> m_progress;
    std::unique_ptr<QWidget> m_captionWindow;
    TBeenCodesRecArr m_history;
    QStringList m_messages;
    QStringList m_status;
    QString m_saveAnswer, m_openAnswer, m_askAnswer;
    QList<FileDialogRequest> m_requests;
    QStringList m_printed;
    QString m_printTitle;
    int m_printFont = 0;

    TConditionSheet *sheet1() { return m_panel->RcmSheet1; }
    TCodeGroupEditor *editor(int n)
    {
        return n == 1 ? m_panel->RcmSheet2->RcmSheet2Gbx1 : m_panel->RcmSheet2->RcmSheet2Gbx2;
    }
    QString memo() { return m_panel->RcmSheet4->RcmMemo->toPlainText(); }

    void runWith(const ConditionSet &c)
    {
        m_panel->SetConditions(c);
        QTest::mouseClick(m_panel->RcmPanelScaleBt, Qt::LeftButton);
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
        m_requests.clear();
        m_printed.clear();
        m_saveAnswer.clear();
        m_openAnswer.clear();
        m_askAnswer.clear();
        m_history = SmallHistory();
        m_progress = std::make_unique<TProgressForm>();
        m_captionWindow = std::make_unique<QWidget>();
        m_panel = std::make_unique<TRcmPanel>();
        QFont f(QStringLiteral("宋体"));
        f.setPixelSize(14);
        m_panel->setFont(f);
        m_panel->CreateConditionControls();
        m_panel->setHistory(&m_history);
        m_panel->setProgressForm(m_progress.get());
        m_panel->setCaptionWindow(m_captionWindow.get());
        m_panel->setStatusSink([this](const QString &text) { m_status.append(text); });
        TRcmDialogs &d = m_panel->dialogs();
        d.saveFile = [this](QWidget *, const FileDialogRequest &r) {
            m_requests.append(r);
            return m_saveAnswer;
        };
        d.openFile = [this](QWidget *, const FileDialogRequest &r) {
            m_requests.append(r);
            return m_openAnswer;
        };
        d.askText = [this](QWidget *, const QString &caption) {
            m_status.append(QStringLiteral("ask:") + caption);
            return m_askAnswer;
        };
        d.print = [this](QWidget *, const QString &title, const QStringList &lines, int size) {
            m_printTitle = title;
            m_printed = lines;
            m_printFont = size;
        };
        m_panel->ResetConditions();
        m_panel->resize(1000, 640);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    }

    void cleanup()
    {
        m_panel.reset();
        m_progress.reset();
        m_captionWindow.reset();
    }

    // ---- the panel's frame -------------------------------------------------------------

    void toolBarAndTabs()
    {
        QStringList captions;
        QStringList hidden;
        for (QAction *action : m_panel->RcmPanelTbr->actions()) {
            if (action->isSeparator()) {
                captions.append(QStringLiteral("|"));
                continue;
            }
            auto *button = qobject_cast<QToolButton *>(m_panel->RcmPanelTbr->widgetForAction(action));
            if (!action->isVisible())
                hidden.append(button ? button->text() : QStringLiteral("spin"));
            else if (button)
                captions.append(button->text());
        }
        QCOMPARE(captions.join(QLatin1Char(' ')),
                 QStringLiteral("清除条件 条件导入 条件导出 | 导出结果 结果兑奖 打印结果 | 缩水计算 查看结果"));
        QCOMPARE(hidden, (QStringList{QStringLiteral("超级推荐"), QStringLiteral("spin")}));
        QCOMPARE(m_panel->RcmPanelScaleBt->width(), 63);
        QCOMPARE(m_panel->RcmPanelCodeRcmCountSe->minimum(), 2);
        QCOMPARE(m_panel->RcmPanelCodeRcmCountSe->maximum(), 7);
        QCOMPARE(m_panel->RcmPanelCodeRcmCountSe->value(), 2);

        QTabWidget *tabs = m_panel->RcmPctl;
        QCOMPARE(tabs->count(), 6);   // and "旋转矩阵"
        const QStringList tabCaptions{QStringLiteral("条件缩水"), QStringLiteral("自选号码"),
                                      QStringLiteral("选号范围"), QStringLiteral("缩水结果"),
                                      QStringLiteral("历史验证")};
        const QStringList tabNames{QStringLiteral("RcmSheet1"), QStringLiteral("RcmSheet2"),
                                   QStringLiteral("TabSheet3"), QStringLiteral("RcmSheet4"),
                                   QStringLiteral("BackTestSheet")};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(tabs->tabText(i), tabCaptions[i]);
            QCOMPARE(tabs->widget(i)->objectName(), tabNames[i]);
        }
    }

    void groupBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("height");
        QTest::newRow("1") << "GroupBox1" << "区间类型：" << 0 << 99;
        QTest::newRow("2") << "GroupBox2" << "除3余类型：" << 99 << 70;
        QTest::newRow("3") << "GroupBox3" << "杂项缩水：" << 169 << 99;
        QTest::newRow("4") << "GroupBox4" << "尾数设计：" << 268 << 120;
    }
    void groupBoxes()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, top);
        QFETCH(int, height);
        auto *box = sheet1()->findChild<QGroupBox *>(name);
        QVERIFY(box);
        QCOMPARE(box->title(), caption);
        QCOMPARE(box->geometry().top(), top);
        QCOMPARE(box->height(), height);
        QCOMPARE(box->x(), 0);
        // Full width of the panel, never narrower than the design.
        QVERIFY(box->width() >= 680);
        QCOMPARE(box->width(), sheet1()->RcmSheet1Panel->width());
        QCOMPARE(sheet1()->RcmSheet1Panel->palette().color(QPalette::Window), QColor(231, 220, 216));
    }

    void labels_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("zones") << "GroupBox1"
                               << "3区间:01-11:                      个,12-22:                       "
                                  "个,23-33:                       个."
                               << 11 << 22;
        QTest::newRow("zone6") << "GroupBox1" << "6区间分段出现的区间数:                                 个" << 11 << 46;
        QTest::newRow("oddEvenZone") << "GroupBox1" << "奇偶6区间出现的区间数:                                 个" << 11 << 70;
        QTest::newRow("mod3") << "GroupBox2"
                              << "除3余:余0有                          个,余1有                          "
                                 "个,余2有                          个"
                              << 11 << 22;
        QTest::newRow("mod6") << "GroupBox2" << "除6余分组出现的组数:                               组" << 11 << 46;
        QTest::newRow("ac") << "GroupBox3" << "AC值设计：" << 11 << 22;
        QTest::newRow("gap") << "GroupBox3" << "最大间隔：" << 11 << 46;
        QTest::newRow("oddEven") << "GroupBox3" << "奇偶设计：" << 11 << 70;
        QTest::newRow("consec") << "GroupBox3" << "连号：                         有                  组" << 307 << 22;
        QTest::newRow("sum") << "GroupBox3" << "总和值：" << 403 << 46;
        QTest::newRow("bigSmall") << "GroupBox3" << "号码大小比:" << 403 << 73;
        QTest::newRow("sameTail") << "GroupBox4" << "尾数相同个数：" << 11 << 22;
        QTest::newRow("tailSum") << "GroupBox4" << "尾数和：" << 11 << 70;
        QTest::newRow("tailMod5") << "GroupBox4" << "尾数除5余分组出现的组数:                          组" << 11 << 94;
        QTest::newRow("tailBig") << "GroupBox4" << "尾数大小比：" << 387 << 22;
    }
    void labels()
    {
        QFETCH(QString, box);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, top);
        auto *parent = sheet1()->findChild<QGroupBox *>(box);
        TGapLabel *found = nullptr;
        for (auto *label : parent->findChildren<TGapLabel *>())
            if (label->text() == caption)
                found = label;
        QVERIFY2(found, qPrintable(caption));
        QCOMPARE(found->pos(), QPoint(left, top));
    }

    void conditionControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<int>("capWidth");
        const QString r = QStringLiteral("0:6,1:5,2:4,3:3,4:2,5:1,6:0");
        QTest::newRow("z0") << "ZoneCounts0" << "GroupBox1" << QPoint(96, 18) << "0,1,2,3,4" << 10;
        QTest::newRow("z1") << "ZoneCounts1" << "GroupBox1" << QPoint(316, 18) << "0,1,2,3,4" << 10;
        QTest::newRow("z2") << "ZoneCounts2" << "GroupBox1" << QPoint(536, 18) << "0,1,2,3,4" << 10;
        QTest::newRow("six") << "SixZoneSpread" << "GroupBox1" << QPoint(180, 44) << "1,2,3,4,5,6" << 15;
        QTest::newRow("sixOE") << "SixZoneOddEven" << "GroupBox1" << QPoint(180, 68) << "1,2,3,4,5,6" << 15;
        QTest::newRow("m0") << "Mod3Counts0" << "GroupBox2" << QPoint(90, 18) << "0,1,2,3,4,5" << 9;
        QTest::newRow("m1") << "Mod3Counts1" << "GroupBox2" << QPoint(330, 18) << "0,1,2,3,4,5" << 9;
        QTest::newRow("m2") << "Mod3Counts2" << "GroupBox2" << QPoint(570, 18) << "0,1,2,3,4,5" << 9;
        QTest::newRow("mod6") << "Mod6Groups" << "GroupBox2" << QPoint(150, 44) << "1,2,3,4,5,6" << 15;
        QTest::newRow("oe") << "OddEvenRatio" << "GroupBox3" << QPoint(80, 70) << r << 23;
        QTest::newRow("bs") << "BigSmallRatio" << "GroupBox3" << QPoint(480, 70) << r << 23;
        QTest::newRow("cc") << "ConsecCount" << "GroupBox3" << QPoint(340, 18) << "0,1,2,3,4,5" << 10;
        QTest::newRow("cg") << "ConsecGroups" << "GroupBox3" << QPoint(540, 18) << "0,1,2,3" << 10;
        QTest::newRow("st") << "SameTailCount" << "GroupBox4" << QPoint(110, 18) << "0,1,2,3,4" << 15;
        QTest::newRow("pt") << "PrevTailSame" << "GroupBox4" << QPoint(150, 40) << "0,1,2,3,4,5,6" << 15;
        QTest::newRow("t5") << "TailMod5Groups" << "GroupBox4" << QPoint(180, 92) << "1,2,3,4,5" << 15;
        QTest::newRow("tb") << "TailBigSmallRatio" << "GroupBox4" << QPoint(470, 18) << r << 23;
        QTest::newRow("mc1") << "MatchCount1" << "RcmSheet2Gbx1" << QPoint(86, 60) << "0,1,2,3,4,5,6" << 20;
        QTest::newRow("mc2") << "MatchCount2" << "RcmSheet2Gbx2" << QPoint(86, 60) << "0,1,2,3,4" << 20;
    }
    void conditionControls()
    {
        QFETCH(QString, name);
        QFETCH(QString, box);
        QFETCH(QPoint, pos);
        QFETCH(QString, captions);
        QFETCH(int, capWidth);
        auto *list = m_panel->findChild<TMultiChk *>(name);
        QVERIFY(list);
        QCOMPARE(list->parentWidget()->objectName(), box);
        QCOMPARE(list->pos(), pos);
        QStringList got;
        for (int i = 0; i < list->count(); ++i)
            got.append(list->GetCaption(i));
        QCOMPARE(got.join(QLatin1Char(',')), captions);
        QCOMPARE(list->capWidth(), capWidth);
        QCOMPARE(list->cols(), list->count());
        QCOMPARE(list->rows(), 1);
        QCOMPARE(list->cursor().shape(), Qt::PointingHandCursor);
    }

    void ranges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("spinWidth");
        QTest::addColumn<QString>("values");
        QTest::newRow("ac") << "AcRange" << "GroupBox3" << QPoint(80, 14) << 40 << "3,10";
        QTest::newRow("gap") << "MaxGapRange" << "GroupBox3" << QPoint(80, 40) << 40 << "1,28";
        QTest::newRow("sum") << "SumRange" << "GroupBox3" << QPoint(460, 40) << 45 << "21,180";
        QTest::newRow("tail") << "TailSumRange" << "GroupBox4" << QPoint(80, 60) << 40 << "3,51";
    }
    void ranges()
    {
        QFETCH(QString, name);
        QFETCH(QString, box);
        QFETCH(QPoint, pos);
        QFETCH(int, spinWidth);
        QFETCH(QString, values);
        auto *range = m_panel->findChild<TMultiSpinEdit *>(name);
        QVERIFY(range);
        QCOMPARE(range->parentWidget()->objectName(), box);
        QCOMPARE(range->pos(), pos);
        QCOMPARE(range->caption(0), QStringLiteral("最小值:"));
        QCOMPARE(range->caption(1), QStringLiteral("最大值:"));
        QCOMPARE(range->capWidth(), 60);
        QCOMPARE(range->cols(), 2);
        QCOMPARE(range->spinWidth(), spinWidth);
        QCOMPARE(range->GetValuesText(QStringLiteral(",")), values);
    }

    void numberRangeTab()
    {
        TNumberRangeSheet *tab = m_panel->TabSheet3;
        TColorMChk *grid = tab->NumberRange;
        QCOMPARE(grid->parentWidget(), tab->TabSheet3Gbx1);
        QCOMPARE(tab->TabSheet3Gbx1->title(), QStringLiteral("参奖选号："));
        QCOMPARE(tab->TabSheet3Gbx1->palette().color(QPalette::Window), QColor(222, 233, 209));
        QCOMPARE(grid->pos(), QPoint(25, 80));
        QCOMPARE(grid->count(), 33);
        QCOMPARE(grid->cols(), 10);
        QCOMPARE(grid->rows(), 4);
        QCOMPARE(grid->cellWidth(), 30);
        QCOMPARE(grid->cellHeight(), 20);
        QCOMPARE(grid->spacing(), 6);
        QCOMPARE(grid->GetCaption(32), QStringLiteral("33"));
        QCOMPARE(tab->TabSheet3TbrSelAll->text(), QStringLiteral("全部选择"));
        QCOMPARE(tab->TabSheet3TbrSelNone->text(), QStringLiteral("全部清除"));
        QVERIFY(!tab->TabSheet3Tbr->actions().constLast()->isVisible());

        m_panel->RcmPctl->setCurrentWidget(tab);
        QTest::mouseClick(tab->TabSheet3TbrSelAll, Qt::LeftButton);
        QCOMPARE(grid->CheckedCount(), 33);
        std::array<bool, 33> all;
        all.fill(true);
        QCOMPARE(m_panel->Conditions().NumberRange, all);
        QTest::mouseClick(tab->TabSheet3TbrSelNone, Qt::LeftButton);
        QCOMPARE(grid->CheckedCount(), 0);
        QCOMPARE(m_panel->Conditions().NumberRange, (std::array<bool, 33>{}));
    }

    // ---- the conditions ----------------------------------------------------------------

    void defaultsAfterStartUp()
    {
        QCOMPARE(m_panel->Conditions(), DefaultConditions());
    }

    void roundTrip()
    {
        const ConditionSet c = Varied();
        m_panel->SetConditions(c);
        QCOMPARE(m_panel->Conditions(), c);
        // The controls really show it, not just a copy.
        QVERIFY(sheet1()->ZoneCounts[0]->GetCheck(4));
        QVERIFY(!sheet1()->ZoneCounts[0]->GetCheck(3));
        QCOMPARE(sheet1()->SumRange->GetValuesText(QStringLiteral(",")), QStringLiteral("50,120"));
        QCOMPARE(m_panel->TabSheet3->NumberRange->GetCheckedText(QStringLiteral(",")),
                 QStringLiteral("1,17,33"));
        QCOMPARE(editor(1)->CodeSelLbx->count(), 2);
    }

    void clearConditions()
    {
        m_panel->SetConditions(Varied());
        QTest::mouseClick(m_panel->RcmPanelClearBindsBt, Qt::LeftButton);
        const ConditionSet after = m_panel->Conditions();
        QCOMPARE(after, DefaultConditions(Varied()));
        // The match-count boxes belong to the editors and keep their checks.
        QCOMPARE(after.MatchCount1, Varied().MatchCount1);
        QCOMPARE(after.MatchCount2, Varied().MatchCount2);
        QVERIFY(after.CodeSel1.isEmpty());
        QVERIFY(after.CodeSel2.isEmpty());
        QCOMPARE(m_panel->TabSheet3->NumberRange->CheckedCount(), 0);
    }

    void checksThroughTheMouse()
    {
        ClickItem(sheet1()->OddEvenRatio, 3);
        ClickItem(sheet1()->ZoneCounts[2], 0);
        const ConditionSet c = m_panel->Conditions();
        QCOMPARE(c.OddEvenRatio, Checks({3}));
        QCOMPARE(c.ZoneCounts[2], Checks({0}));
    }

    // ---- the label with the newest draw -----------------------------------------------

    void newestDrawLabel()
    {
        m_panel->RcmPctl->setCurrentWidget(m_panel->RcmSheet2);
        m_panel->RcmPctl->setCurrentWidget(sheet1());
        QCOMPARE(sheet1()->SameTailCountLbl->text(),
                 QStringLiteral("尾数与上期相同个数：(上期号码:01 05 12 20 28 33)"));
        // A new draw shows at the next showing of the tab.
        m_history.push_back(Draw(2005, 3, {3, 7, 11, 19, 24, 30}, 5));
        m_panel->RcmPctl->setCurrentWidget(m_panel->RcmSheet2);
        m_panel->RcmPctl->setCurrentWidget(sheet1());
        QCOMPARE(sheet1()->SameTailCountLbl->text(),
                 QStringLiteral("尾数与上期相同个数：(上期号码:03 07 11 19 24 30)"));
        m_history.clear();
        m_panel->RcmPctl->setCurrentWidget(m_panel->RcmSheet2);
        m_panel->RcmPctl->setCurrentWidget(sheet1());
        QCOMPARE(sheet1()->SameTailCountLbl->text(), QStringLiteral("尾数与上期相同个数："));
    }

    // Every piece of label text lies clear of the controls and inside its box, so nothing
    // is hidden under a check list (the newest draw's reds included).
    void labelTextStaysReadable()
    {
        m_panel->RcmPctl->setCurrentWidget(sheet1());
        const QStringList pieces = sheet1()->SameTailCountLbl->pieceTexts();
        QCOMPARE(pieces.last(), QStringLiteral("(上期号码:01 05 12 20 28 33)"));
        for (TGapLabel *label : sheet1()->findChildren<TGapLabel *>()) {
            QWidget *box = label->parentWidget();
            const QList<QRect> rects = label->pieceRects();
            for (qsizetype k = 0; k < rects.size(); ++k) {
                const QRect piece = rects[k];
                QVERIFY2(piece.right() < box->width() - 2, qPrintable(label->pieceTexts()[k]));
                for (QWidget *control : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                    if (qobject_cast<TGapLabel *>(control))
                        continue;
                    // The controls keep 3 empty pixels around their items, where the
                    // label (drawn above them) may reach.
                    const QRect covered = control->geometry().adjusted(3, 3, -3, -3);
                    QVERIFY2(!piece.intersects(covered),
                             qPrintable(label->pieceTexts()[k] + QStringLiteral(" / ")
                                        + control->objectName()));
                }
            }
        }
    }

    // Text after a run of blanks starts where 宋体 would put it, or right of the control
    // that lies over that place.
    void gapLabelPieces_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("control");   // in the parent, empty for none
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<QList<int>>("lefts");
        QTest::newRow("grid") << "个  组" << QRect() << QStringList{"个", "组"} << QList<int>{0, 28};
        QTest::newRow("single blank kept") << "01 05  x" << QRect() << QStringList{"01 05", "x"}
                                           << QList<int>{0, 49};
        QTest::newRow("pushed") << "ab     cd" << QRect(20, 0, 80, 20) << QStringList{"ab", "cd"}
                                << QList<int>{0, 103};
        QTest::newRow("clear of it") << "ab          cd" << QRect(20, 0, 40, 20)
                                     << QStringList{"ab", "cd"} << QList<int>{0, 84};
    }
    void gapLabelPieces()
    {
        QFETCH(QString, caption);
        QFETCH(QRect, control);
        QFETCH(QStringList, pieces);
        QFETCH(QList<int>, lefts);
        QWidget parent;
        QFont f(QStringLiteral("宋体"));
        f.setPixelSize(14);
        parent.setFont(f);
        TGapLabel label(caption, &parent);
        label.move(0, 0);
        QWidget obstacle(&parent);
        if (!control.isEmpty()) {
            obstacle.setGeometry(control);
            label.setObstacles({&obstacle});
        }
        QCOMPARE(label.text(), caption);
        QCOMPARE(label.pieceTexts(), pieces);
        QList<int> got;
        for (const QRect &r : label.pieceRects())
            got.append(r.left());
        QCOMPARE(got, lefts);
    }

    // ---- the reduction -----------------------------------------------------------------

    void reductionWritesTheReport()
    {
        ConditionSet c = DefaultConditions();
        c.NumberRange = Numbers({1, 2, 3, 4, 5, 6, 7, 8});
        c.CodeSel1 = {QStringLiteral("1,2&0,1")};
        m_panel->RcmPctl->setCurrentWidget(m_panel->RcmSheet2);
        QSignalSpy done(m_panel.get(), &TRcmPanel::reductionDone);
        runWith(c);
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(done.count(), 1);

        TCodeList expected;
        const ReductionRun run = RunReduction(c, m_history, expected);
        const QStringList lines = memo().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), run.report.size());
        QVERIFY(lines[0].startsWith(QStringLiteral("晨帆选号通  ")));
        QCOMPARE(lines.mid(1), run.report.mid(1));
        // C(8,6) = 28 combinations of 1..8; C(6,4) = 15 of them hold both 1 and 2.
        QCOMPARE(AliveCount(m_panel->ResultList()), 13);
        QCOMPARE(lines[3], QStringLiteral("缩水结果为总共13注号码"));
        // The tab and the status bar are left alone.
        QCOMPARE(m_panel->RcmPctl->currentWidget(), m_panel->RcmSheet2);
        QVERIFY(m_status.isEmpty());
        // The progress window was driven to its end and hidden.
        QVERIFY(m_progress->isHidden());
        QCOMPARE(m_progress->TitleLbl->text(), QStringLiteral("正在进行缩水计算..."));
        QCOMPARE(m_progress->ProgressBar->maximum(), 1760);
        QCOMPARE(m_progress->ProgressBar->value(), 1760);
        // Beside the memo: what each stage removed, and the newest draw for the prizes.
        QTableWidget *stats = m_panel->RcmSheet4->StageStats;
        QCOMPARE(stats->item(0, 1)->text(), QStringLiteral("启用"));
        QCOMPARE(stats->item(0, 2)->text(), QString::number(1107568 - 28));
        QCOMPARE(stats->item(17, 3)->text(), QStringLiteral("13"));
        QCOMPARE(stats->item(18, 1)->text(), QStringLiteral("未用"));
        if (!m_history.empty())
            QCOMPARE(m_panel->RcmSheet4->PrizeStats->PrizeDrawEd->text(), m_history.back().issueText());
    }

    void everythingSurvives()
    {
        runWith(DefaultConditions());
        const QStringList lines = memo().split(QLatin1Char('\n'));
        QCOMPARE(lines.mid(1), (QStringList{QStringLiteral("缩水基础号码总共1107568注号码"), QString(),
                                            QStringLiteral("缩水结果为总共1107568注号码"),
                                            QStringLiteral("缩水结果超过20000注号码，忽略显示.")}));
        QCOMPARE(AliveCount(m_panel->ResultList()), 1107568);
    }

    void progressDriver()
    {
        TProgressFormDriver driver(m_progress.get());
        driver.start(QStringLiteral("正在进行缩水计算..."), 1760);
        QVERIFY(m_progress->isVisible());
        QCOMPARE(m_progress->TitleLbl->text(), QStringLiteral("正在进行缩水计算..."));
        QCOMPARE(m_progress->ProgressBar->maximum(), 1760);
        QCOMPARE(m_progress->ProgressBar->value(), 0);
        driver.setPosition(110);
        QCOMPARE(m_progress->ProgressBar->value(), 110);
        // Nineteen stages run past the maximum: the bar stays full.
        driver.setPosition(2090);
        QCOMPARE(m_progress->ProgressBar->value(), 1760);
        driver.finish();
        QVERIFY(m_progress->isHidden());

        TProgressFormDriver none(nullptr);   // a panel without a progress window
        none.start(QStringLiteral("x"), 10);
        none.setPosition(5);
        none.finish();
    }

    void badGroupLineStopsTheRun_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("line");
        QTest::newRow("empty number part") << 1 << "&0";
        QTest::newRow("not a number") << 1 << "1,a&1";
        QTest::newRow("number 40") << 2 << "1,40&1";
        QTest::newRow("count 7") << 2 << "1,2&7";
        QTest::newRow("no count part") << 1 << "1,2,3";
    }
    void badGroupLineStopsTheRun()
    {
        QFETCH(int, list);
        QFETCH(QString, line);
        ConditionSet good = DefaultConditions();
        good.NumberRange = Numbers({1, 2, 3, 4, 5, 6, 7});
        runWith(good);
        const QString before = memo();
        QCOMPARE(AliveCount(m_panel->ResultList()), 7);

        ConditionSet bad = DefaultConditions();
        (list == 1 ? bad.CodeSel1 : bad.CodeSel2) = QStringList{QStringLiteral("1&1"), line};
        QSignalSpy done(m_panel.get(), &TRcmPanel::reductionDone);
        runWith(bad);
        QCOMPARE(done.count(), 0);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].startsWith(QStringLiteral("选号匹配列表%1的第2行“%2”有错误：")
                                              .arg(list)
                                              .arg(line)),
                 qPrintable(m_messages[0]));
        QVERIFY(m_messages[0].endsWith(QStringLiteral("！！")));
        QCOMPARE(memo(), before);
        QCOMPARE(AliveCount(m_panel->ResultList()), 7);
        QVERIFY(m_progress->isHidden());
    }

    // ---- the group editors and the picker ------------------------------------------------

    void editorLayout()
    {
        m_panel->RcmPctl->setCurrentWidget(m_panel->RcmSheet2);
        TCodeGroupEditor *e1 = editor(1);
        TCodeGroupEditor *e2 = editor(2);
        QCOMPARE(e1->title(), QStringLiteral("选号匹配：1-33个,匹配个数0-6个"));
        QCOMPARE(e2->title(), QStringLiteral("选号匹配：1-11个,匹配个数1-4个"));
        QCOMPARE(e1->height(), 212);
        QCOMPARE(e1->y(), 0);
        QCOMPARE(e2->y() + e2->height(), m_panel->RcmSheet2->height());
        QCOMPARE(e1->CodeEd->width(), 345);
        QCOMPARE(e1->CodeEd->objectName(), QStringLiteral("CodeEd1"));
        QCOMPARE(e2->CodeEd->objectName(), QStringLiteral("CodeEd2"));
        QCOMPARE(e1->NumSetBt->text(), QStringLiteral("选择号码"));
        QCOMPARE(e1->AddSetBt->text(), QStringLiteral("增加"));
        QCOMPARE(e1->DelSetBt->text(), QStringLiteral("删除"));
        QCOMPARE(e2->CodeSelLbx->objectName(), QStringLiteral("CodeSelLbx2"));
        QCOMPARE(e1->CodeSelLbx->selectionMode(), QAbstractItemView::ExtendedSelection);
        // The lists follow their boxes.
        QCOMPARE(e1->CodeSelLbx->width(), e1->width() - 35);
        QCOMPARE(e2->CodeSelLbx->width(), e1->width() - 35);
        QCOMPARE(e2->CodeSelLbx->height(), e2->height() - 90);
        m_panel->resize(1100, 700);
        QCOMPARE(e2->CodeSelLbx->height(), e2->height() - 90);
        QCOMPARE(e1->CodeSelLbx->width(), e1->width() - 35);
        // Every control is inside its box and no two overlap.
        for (TCodeGroupEditor *e : {e1, e2}) {
            const QList<QWidget *> children = e->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            for (QWidget *a : children) {
                QVERIFY2(e->rect().contains(a->geometry()), qPrintable(a->objectName()));
                for (QWidget *b : children)
                    if (a != b)
                        QVERIFY2(!a->geometry().intersects(b->geometry()),
                                 qPrintable(a->objectName() + QLatin1Char('/') + b->objectName()));
            }
        }
    }

    void addGroups()
    {
        m_panel->RcmPctl->setCurrentWidget(m_panel->RcmSheet2);
        TCodeGroupEditor *e = editor(1);
        e->MatchCount->ClearChecks();
        QTest::keyClicks(e->CodeEd, QStringLiteral("1,2,3"));
        // Without a match count nothing is added.
        QTest::mouseClick(e->AddSetBt, Qt::LeftButton);
        QCOMPARE(m_messages, QStringList{QStringLiteral("请选择最少一个号码数目！！")});
        QCOMPARE(e->CodeSelLbx->count(), 0);

        ClickItem(e->MatchCount, 0);
        ClickItem(e->MatchCount, 1);
        QTest::mouseClick(e->AddSetBt, Qt::LeftButton);
        QTest::mouseClick(e->AddSetBt, Qt::LeftButton);   // the same line twice is fine
        QCOMPARE(e->lines(), (QStringList{QStringLiteral("1,2,3&0,1"), QStringLiteral("1,2,3&0,1")}));
        QCOMPARE(m_panel->Conditions().CodeSel1, e->lines());
        QVERIFY(m_panel->Conditions().CodeSel2.isEmpty());

        // The second editor offers the counts 0..4 and fills its own list.
        TCodeGroupEditor *e2 = editor(2);
        QCOMPARE(e2->MatchCount->count(), 5);
        e2->CodeEd->setText(QStringLiteral("05,06"));
        ClickItem(e2->MatchCount, 2);
        QTest::mouseClick(e2->AddSetBt, Qt::LeftButton);
        QCOMPARE(m_panel->Conditions().CodeSel2, QStringList{QStringLiteral("05,06&2")});
    }

    void addRefusesWhatTheRunCannotRead_data()
    {
        QTest::addColumn<QString>("numbers");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "1,b,3";
        QTest::newRow("40") << "1,40";
        QTest::newRow("0") << "0,1";
    }
    void addRefusesWhatTheRunCannotRead()
    {
        QFETCH(QString, numbers);
        TCodeGroupEditor *e = editor(1);
        e->CodeEd->setText(numbers);
        e->MatchCount->SetCheck(1, true);
        QTest::mouseClick(e->AddSetBt, Qt::LeftButton);
        QCOMPARE(e->CodeSelLbx->count(), 0);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].startsWith(QStringLiteral("自选号码“%1”有错误：").arg(numbers)));
    }

    void deleteSelected()
    {
        m_panel->RcmPctl->setCurrentWidget(m_panel->RcmSheet2);
        TCodeGroupEditor *e = editor(1);
        e->setLines({QStringLiteral("1&0"), QStringLiteral("2&0"), QStringLiteral("3&0"),
                     QStringLiteral("4&0")});
        QTest::mouseClick(e->DelSetBt, Qt::LeftButton);   // nothing selected
        QCOMPARE(e->CodeSelLbx->count(), 4);
        e->CodeSelLbx->item(1)->setSelected(true);
        e->CodeSelLbx->item(3)->setSelected(true);
        QTest::mouseClick(e->DelSetBt, Qt::LeftButton);
        QCOMPARE(e->lines(), (QStringList{QStringLiteral("1&0"), QStringLiteral("3&0")}));
    }

    void loadLineBack()
    {
        m_panel->RcmPctl->setCurrentWidget(m_panel->RcmSheet2);
        TCodeGroupEditor *e = editor(1);
        e->setLines({QStringLiteral("1,8,9&1,2"), QStringLiteral("05,06&2")});
        e->MatchCount->SetCheck(0, true);
        QListWidget *list = e->CodeSelLbx;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(e->CodeEd->text(), QStringLiteral("05,06"));
        QCOMPARE(e->MatchCount->GetCheckedText(QStringLiteral(",")), QStringLiteral("2"));
        QCOMPARE(e->lines().size(), 2);

        // Two lines selected: a click loads nothing.
        e->CodeEd->setText(QStringLiteral("kept"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(list->selectedItems().size(), 2);
        QCOMPARE(e->CodeEd->text(), QStringLiteral("kept"));
    }

    void picker_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("toggle");   // a cell index clicked in the picker, -1 none
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("result");
        QTest::newRow("padded") << "01,08,09" << "1,8,9" << -1 << true << "1,8,9";
        QTest::newRow("40 ignored") << "1,8,40" << "1,8" << -1 << true << "1,8";
        QTest::newRow("pick one more") << "12,1" << "1,12" << 32 << true << "1,12,33";
        QTest::newRow("cancel") << "01,08" << "1,8" << 2 << false << "01,08";
        QTest::newRow("empty") << "" << "" << 4 << true << "5";
    }
    void picker()
    {
        QFETCH(QString, field);
        QFETCH(QString, shown);
        QFETCH(int, toggle);
        QFETCH(bool, ok);
        QFETCH(QString, result);
        TCodeSetForm form;
        m_panel->setCodeSetForm(&form);
        QCOMPARE(form.windowTitle(), QStringLiteral("号码选择(1-15个)"));
        QCOMPARE(form.size(), QSize(328, 150));
        QCOMPARE(form.CodeChk->pos(), QPoint(25, 10));
        QCOMPARE(form.CodeChk->cellWidth(), 20);
        QCOMPARE(form.CodeChk->spacing(), 4);
        QCOMPARE(form.OkBt->geometry(), QRect(169, 118, 75, 25));
        QCOMPARE(form.CancelBt->geometry(), QRect(248, 118, 75, 25));
        QVERIFY(form.OkBt->isDefault());

        TCodeGroupEditor *e = editor(2);
        e->CodeEd->setText(field);
        QString seen = QStringLiteral("<not shown>");
        QTimer::singleShot(0, this, [&] {
            QCOMPARE(QApplication::activeModalWidget(), &form);
            seen = form.CodeChk->GetCheckedText(QStringLiteral(","));
            if (toggle >= 0)
                QTest::mouseClick(form.CodeChk, Qt::LeftButton, {},
                                  form.CodeChk->RectOfChk(toggle).center());
            QTest::mouseClick(ok ? form.OkBt : form.CancelBt, Qt::LeftButton);
        });
        QTest::mouseClick(e->NumSetBt, Qt::LeftButton);
        QCOMPARE(seen, shown);
        QCOMPARE(e->CodeEd->text(), result);
        QVERIFY(form.isHidden());
    }

    // ---- the result commands -----------------------------------------------------------

    void viewResult()
    {
        m_panel->RcmPctl->setCurrentWidget(sheet1());
        QTest::mouseClick(m_panel->RcmPanelViewCodeBt, Qt::LeftButton);
        QCOMPARE(m_panel->RcmPctl->currentWidget(), m_panel->RcmSheet4);
    }

    void prizeCheck_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("selected");
        QTest::newRow("found") << "01 02 03 04 05 06" << "恭喜，找到号码01 02 03 04 05 06"
                               << "01 02 03 04 05 06";
        QTest::newRow("unpadded") << "1 2 3 4 5 6" << "抱歉，没有找到号码1 2 3 4 5 6" << "";
        QTest::newRow("header") << "缩水" << "恭喜，找到号码缩水" << "缩水";
        QTest::newRow("cancelled") << "" << "" << "";
    }
    void prizeCheck()
    {
        QFETCH(QString, answer);
        QFETCH(QString, status);
        QFETCH(QString, selected);
        ConditionSet c = DefaultConditions();
        c.NumberRange = Numbers({1, 2, 3, 4, 5, 6, 7});
        runWith(c);
        m_panel->RcmPctl->setCurrentWidget(sheet1());
        m_askAnswer = answer;
        QTest::mouseClick(m_panel->RcmPanelCheckBt, Qt::LeftButton);
        QCOMPARE(m_panel->RcmPctl->currentWidget(), m_panel->RcmSheet4);
        QStringList expectedStatus{QStringLiteral("ask:输入开奖号码")};
        if (!status.isEmpty())
            expectedStatus.append(status);
        QCOMPARE(m_status, expectedStatus);
        const QTextCursor cursor = m_panel->RcmSheet4->RcmMemo->textCursor();
        QCOMPARE(cursor.selectedText(), selected);
        if (!selected.isEmpty())
            QCOMPARE(cursor.selectionStart(), memo().indexOf(selected));
        else
            QCOMPARE(cursor.position(), 0);
    }

    void print()
    {
        ConditionSet c = DefaultConditions();
        c.NumberRange = Numbers({1, 2, 3, 4, 5, 6});
        runWith(c);
        m_panel->RcmSheet4->RcmMemo->appendPlainText(QStringLiteral("edited"));
        QTest::mouseClick(m_panel->RcmPanelPrintBt, Qt::LeftButton);
        QCOMPARE(m_printTitle, QStringLiteral("晨帆选号通 "));
        QCOMPARE(m_printFont, 12);
        QCOMPARE(m_printed, memo().split(QLatin1Char('\n')));
        QCOMPARE(m_printed.last(), QStringLiteral("edited"));
    }

    void exportResult()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("result.txt"));
        m_saveAnswer = path;
        // Before the first reduction: the header with the count 0 only.
        QTest::mouseClick(m_panel->RcmPanelExportBt, Qt::LeftButton);
        QFile before(path);
        QVERIFY(before.open(QIODevice::ReadOnly));
        QCOMPARE(before.readAll(), Gbk(QStringLiteral("缩水结果有0注号码\r\n")));
        before.close();

        ConditionSet c = DefaultConditions();
        c.NumberRange = Numbers({1, 2, 3, 4, 5, 6, 7, 8});
        runWith(c);
        QTest::mouseClick(m_panel->RcmPanelExportBt, Qt::LeftButton);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes, ExportFileBytes(m_panel->ResultList()));
        QVERIFY(bytes.startsWith(Gbk(QStringLiteral("缩水结果有28注号码\r\n"))));
        QCOMPARE(m_requests.size(), 2);
        QCOMPARE(m_requests[0].pattern, QStringLiteral("*.txt"));
        QCOMPARE(m_requests[0].defaultSuffix, QStringLiteral("txt"));

        // Cancelled: nothing written.
        m_saveAnswer.clear();
        QVERIFY(QFile::remove(path));
        QTest::mouseClick(m_panel->RcmPanelExportBt, Qt::LeftButton);
        QVERIFY(!QFile::exists(path));
        QVERIFY(m_messages.isEmpty());
    }

    void exportResultFailure()
    {
        m_saveAnswer = QStringLiteral("/nonexistent-folder/result.txt");
        QTest::mouseClick(m_panel->RcmPanelExportBt, Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
    }

    // ---- the condition file ------------------------------------------------------------

    void conditionFileRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("my.ini"));
        ConditionSet saved = Varied();
        m_panel->SetConditions(saved);
        m_saveAnswer = path;
        QTest::mouseClick(m_panel->RcmPanelExportBindsBt, Qt::LeftButton);
        QCOMPARE(m_requests.size(), 1);
        QCOMPARE(m_requests[0].title, QStringLiteral("将条件配置保存到指定的配置文件"));
        QCOMPARE(m_requests[0].filterName, QStringLiteral("配置文件"));
        QCOMPARE(m_requests[0].pattern, QStringLiteral("*.ini"));
        QCOMPARE(m_requests[0].defaultSuffix, QStringLiteral("ini"));
        QVERIFY(!m_requests[0].folder.isEmpty());
        QCOMPARE(m_captionWindow->windowTitle(), QStringLiteral("晨帆选号通  v2005 - my.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), ConditionsToIni(saved));
        file.close();

        // Import after changing everything: the file's part comes back, the rest stays.
        ConditionSet changed = DefaultConditions();
        changed.NumberRange = Numbers({4, 5});
        changed.MatchCount1 = Checks({3});
        changed.MatchCount2 = Checks({1});
        changed.CodeSel2 = {QStringLiteral("9&1")};
        changed.OddEvenRatio = Checks({0, 1});
        m_panel->SetConditions(changed);
        m_captionWindow->setWindowTitle(QStringLiteral("x"));
        m_openAnswer = path;
        QTest::mouseClick(m_panel->RcmPanelImportBindsBt, Qt::LeftButton);
        QCOMPARE(m_requests.size(), 2);
        QCOMPARE(m_requests[1].title, QStringLiteral("打开条件配置文件，导入配置"));
        ConditionSet expected = saved;
        expected.NumberRange = changed.NumberRange;
        expected.MatchCount1 = changed.MatchCount1;
        expected.MatchCount2 = changed.MatchCount2;
        expected.CodeSel2 = changed.CodeSel2;
        QCOMPARE(m_panel->Conditions(), expected);
        QCOMPARE(m_captionWindow->windowTitle(), QStringLiteral("晨帆选号通  v2005 - my.ini"));
        QVERIFY(m_messages.isEmpty());

        // The hidden export button of the number range tab saves the same way.
        m_saveAnswer = dir.filePath(QStringLiteral("other.ini"));
        emit m_panel->TabSheet3->TabSheet3TbrExportBinds->clicked();
        QVERIFY(QFile::exists(m_saveAnswer));
        QCOMPARE(m_captionWindow->windowTitle(), QStringLiteral("晨帆选号通  v2005 - other.ini"));
    }

    void importStopsAtABadRange()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Gbk(
            QStringLiteral("[条件设置]\r\n连号组数2=1\r\nAC值设计=4,9\r\n总和值=5x,90\r\n尾数和=7,8\r\n")));
        file.close();
        m_captionWindow->setWindowTitle(QStringLiteral("before"));
        m_openAnswer = path;
        QTest::mouseClick(m_panel->RcmPanelImportBindsBt, Qt::LeftButton);
        QCOMPARE(m_messages, QStringList{QStringLiteral("'5x' is not a valid integer value")});
        const ConditionSet c = m_panel->Conditions();
        QCOMPARE(c.ConsecGroups, Checks({2}));
        QCOMPARE(c.AcRange, (ValueRange{4, 9}));
        QCOMPARE(c.SumRange, (ValueRange{21, 180}));
        QCOMPARE(c.TailSumRange, (ValueRange{3, 51}));
        QCOMPARE(m_captionWindow->windowTitle(), QStringLiteral("before"));
    }

    void cancelledDialogsDoNothing()
    {
        m_panel->SetConditions(Varied());
        m_captionWindow->setWindowTitle(QStringLiteral("before"));
        QTest::mouseClick(m_panel->RcmPanelImportBindsBt, Qt::LeftButton);
        QTest::mouseClick(m_panel->RcmPanelExportBindsBt, Qt::LeftButton);
        QCOMPARE(m_panel->Conditions(), Varied());
        QCOMPARE(m_captionWindow->windowTitle(), QStringLiteral("before"));
        QVERIFY(m_messages.isEmpty());
    }

    // ---- pictures ----------------------------------------------------------------------

    void render()
    {
        QDir().mkpath(QStringLiteral(SSQ_RENDER_DIR));
        m_panel->SetConditions(Varied());
        ConditionSet c = DefaultConditions();
        c.NumberRange = Numbers({1, 2, 3, 4, 5, 6, 7, 8, 9});
        m_panel->SetConditions(c);
        QTest::mouseClick(m_panel->RcmPanelScaleBt, Qt::LeftButton);
        m_panel->SetConditions(Varied());
        m_panel->resize(820, 560);
        const char *names[] = {"rcm_sheet1", "rcm_sheet2", "rcm_sheet3", "rcm_sheet4"};
        for (int i = 0; i < 4; ++i) {
            m_panel->RcmPctl->setCurrentIndex(i);
            QCoreApplication::processEvents();
            const QString file = QStringLiteral(SSQ_RENDER_DIR "/%1.png").arg(QString::fromLatin1(names[i]));
            QVERIFY(m_panel->grab().save(file));
        }
        TCodeSetForm form;
        form.CodeChk->SetCheckedText(QStringLiteral(","), QStringLiteral("1,8,9,33"));
        QVERIFY(form.grab().save(QStringLiteral(SSQ_RENDER_DIR "/rcm_picker.png")));
    }
};

QTEST_MAIN(TestRcmPanel)
#include "tst_RcmPanel.moc"
