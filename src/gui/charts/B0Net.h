#pragma once

#include "core/charts/B0NetModel.h"
#include "gui/charts/MessageBoxReporter.h"

#include <QWidget>

// The small titled table: a title band over a grid of coloured cells. After every
// relayout it takes the size of its grid, so that a scroll box can hold many of them. A
// chart routine sets the bounds, fills model() and calls Resize().
class TB0Net : public QWidget
{
    Q_OBJECT

public:
    explicit TB0Net(QWidget *parent = nullptr);
    ~TB0Net() override;

    B0NetModel &model() { return m_model; }
    const B0NetModel &model() const { return m_model; }
    void setModel(const B0NetModel &model);

    void Clear();
    // Lays the rows out in the current height and shrinks or grows the control to its
    // grid, keeping its left and top.
    void Resize();

    QSize sizeHint() const override;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    MessageBoxReporter m_reporter{this};
    B0NetModel m_model;
    QSize m_fittedSize;
};
