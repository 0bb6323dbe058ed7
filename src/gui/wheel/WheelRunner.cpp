#include "wheel/WheelRunner.h"

#include "app/ProgressForm.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <exception>

namespace {
constexpr int kQuietMs = 300;   // work done sooner shows no window
}

TWheelRunner::TWheelRunner(TProgressForm *form)
    : m_form(form)
{
}

bool TWheelRunner::run(const QString &title, const std::function<void(WheelControl &)> &job)
{
    WheelControl control;
    std::exception_ptr failure;
    QThread *worker = QThread::create([&] {
        try {
            job(control);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);

    QPushButton *cancel = nullptr;
    QRect barGeometry;
    QTimer poll;
    poll.setInterval(100);
    int waited = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        waited += poll.interval();
        if (!m_form || waited < kQuietMs)
            return;
        if (!cancel) {
            // The bar makes room for the button while the search runs.
            barGeometry = m_form->ProgressBar->geometry();
            m_form->ProgressBar->setGeometry(barGeometry.x(), barGeometry.y(), barGeometry.width() - 84,
                                             barGeometry.height());
            cancel = new QPushButton(QStringLiteral("取消"), m_form);
            cancel->setObjectName(QStringLiteral("WheelCancelBt"));
            cancel->setGeometry(barGeometry.right() - 75, barGeometry.y() - 4, 75, 25);
            QObject::connect(cancel, &QPushButton::clicked, [&control] { control.cancel = true; });
            cancel->show();
            m_form->TitleLbl->setText(title);
            m_form->TitleLbl->adjustSize();
            m_form->ProgressBar->setRange(0, 1000);
            m_form->setWindowModality(Qt::ApplicationModal);
            m_form->show();
            m_form->raise();
        }
        m_form->ProgressBar->setValue(control.permille.load());
    });
    poll.start();
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    poll.stop();
    if (cancel) {
        m_form->hide();
        m_form->setWindowModality(Qt::NonModal);
        delete cancel;
        m_form->ProgressBar->setGeometry(barGeometry);
    }
    if (failure)
        std::rethrow_exception(failure);
    return !control.cancel.load();
}
