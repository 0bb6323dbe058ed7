#include "gui/reduction/ProgressFormDriver.h"

#include "gui/app/ProgressForm.h"

#include <QLabel>
#include <QProgressBar>

TProgressFormDriver::TProgressFormDriver(TProgressForm *form)
    : m_form(form)
{
}

void TProgressFormDriver::start(const QString &title, int maximum)
{
    if (!m_form)
        return;
    m_form->TitleLbl->setText(title);
    m_form->TitleLbl->adjustSize();
    m_form->ProgressBar->setRange(0, maximum);
    m_form->ProgressBar->setValue(0);
    m_form->show();
    m_form->raise();
    m_form->repaint();
}

void TProgressFormDriver::setPosition(int position)
{
    if (!m_form)
        return;
    // A position past the end shows a full bar (the bar itself would ignore it).
    m_form->ProgressBar->setValue(std::min(position, m_form->ProgressBar->maximum()));
    m_form->repaint();
}

void TProgressFormDriver::finish()
{
    if (m_form)
        m_form->hide();
}
