#include "gui/wheel/WheelRunner.h"

#include "gui/app/ProgressForm.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <exception>

namespace {
constexpr int kQuietMs = 300;   // work done sooner shows no window

// Input goes only to the progress window and to what closes the main window; a close of
// the main window becomes a cancel that closes it afterwards.
class RunGuard : public QObject
{
public:
    RunGuard(QWidget *window, QWidget *form, WheelControl &control)
        : m_window(window), m_form(form), m_control(control)
    {
    }
    bool closeAfter = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && watched == m_window) {
            m_control.cancel = true;
            closeAfter = true;
            event->ignore();
            return true;
        }
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut:
            break;
        default:
            return false;
        }
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            return false;
        if (m_form && (widget == m_form || m_form->isAncestorOf(widget)))
            return false;
        if (widget->property("closesWindow").toBool())
            return false;
        return true;
    }

private:
    QWidget *m_window;
    QWidget *m_form;
    WheelControl &m_control;
};
} // namespace

TWheelRunner::TWheelRunner(TProgressForm *form, QWidget *window)
    : m_form(form), m_window(window)
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
    RunGuard guard(m_window, m_form, control);
    qApp->installEventFilter(&guard);

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
    qApp->removeEventFilter(&guard);
    if (cancel) {
        m_form->hide();
        delete cancel;
        m_form->ProgressBar->setGeometry(barGeometry);
    }
    if (guard.closeAfter && m_window)
        QTimer::singleShot(0, m_window, &QWidget::close);
    if (failure)
        std::rethrow_exception(failure);
    return !control.cancel.load();
}
