// The wheel runner: a search that runs on its worker thread is cancelled from the progress
// window's button or by closing the main window, which then closes once the work has
// stopped; while it runs the rest of the window takes no input; quick work shows no window.
#include "gui/app/ProgressForm.h"
#include "gui/wheel/WheelRunner.h"

#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <atomic>

namespace {
// Work that goes on until it is cancelled (or until a generous limit, so that a runner that
// never cancels fails the test instead of hanging it).
struct EndlessJob
{
    std::atomic<bool> sawCancel{false};
    void operator()(WheelControl &control)
    {
        for (int i = 0; i < 1000 && !control.cancel.load(); ++i) {
            control.permille = i;
            QThread::msleep(10);
        }
        sawCancel = control.cancel.load();
    }
};
} // namespace

class TestWheelRunner : public QObject
{
    Q_OBJECT

    QWidget *m_window = nullptr;
    QPushButton *m_other = nullptr;
    TProgressForm *m_form = nullptr;
    int m_otherClicks = 0;

private slots:
    void init()
    {
        m_window = new QWidget;
        auto *layout = new QVBoxLayout(m_window);
        m_other = new QPushButton(QStringLiteral("缩水计算"), m_window);
        layout->addWidget(m_other);
        m_otherClicks = 0;
        connect(m_other, &QPushButton::clicked, this, [this] { ++m_otherClicks; });
        m_window->resize(300, 200);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_form = new TProgressForm;
    }
    void cleanup()
    {
        delete m_form;
        delete m_window;
    }

    void cancelButtonStopsARunningSearch()
    {
        EndlessJob job;
        bool formShown = false;
        QTimer::singleShot(700, this, [&] {
            formShown = m_form->isVisible();
            // Input elsewhere in the window is held back while the search runs.
            QTest::mouseClick(m_other, Qt::LeftButton);
            auto *cancel = m_form->findChild<QPushButton *>(QStringLiteral("WheelCancelBt"));
            QVERIFY(cancel);
            QCOMPARE(cancel->text(), QStringLiteral("取消"));
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        TWheelRunner runner(m_form, m_window);
        QVERIFY(!runner.run(QStringLiteral("正在计算旋转矩阵"), std::ref(job)));
        QVERIFY(job.sawCancel);
        QVERIFY(formShown);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_otherClicks, 0);
        QVERIFY(m_window->isVisible());
    }

    void closingTheWindowCancelsAndThenCloses()
    {
        EndlessJob job;
        QTimer::singleShot(500, m_window, &QWidget::close);
        TWheelRunner runner(m_form, m_window);
        QVERIFY(!runner.run(QStringLiteral("正在计算旋转矩阵"), std::ref(job)));
        QVERIFY(job.sawCancel);
        // The close waited for the worker; it comes once the loop runs again.
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isVisible(), 2000);
    }

    void quickWorkShowsNoWindow()
    {
        bool ran = false;
        TWheelRunner runner(m_form, m_window);
        QVERIFY(runner.run(QStringLiteral("正在计算旋转矩阵"), [&](WheelControl &) { ran = true; }));
        QVERIFY(ran);
        QVERIFY(!m_form->isVisible());
        QTest::mouseClick(m_other, Qt::LeftButton);
        QCOMPARE(m_otherClicks, 1);
    }
};

QTEST_MAIN(TestWheelRunner)
#include "tst_WheelRunner.moc"
