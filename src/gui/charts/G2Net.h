#pragma once

#include "core/charts/G2NetModel.h"
#include "gui/charts/MessageBoxReporter.h"

#include <QWidget>

// The bar chart of the statistics pages: one bar per category and series, a value axis
// with labelled bands, the category labels under the axis. A chart routine fills model()
// (values and scale fields) and then calls Resize(). Bad indices are shown in a modal
// message box.
class TG2Net : public QWidget
{
    Q_OBJECT

public:
    explicit TG2Net(QWidget *parent = nullptr);
    ~TG2Net() override;

    G2NetModel &model() { return m_model; }
    const G2NetModel &model() const { return m_model; }
    void setModel(const G2NetModel &model);

    void Clear();
    // The relayout: the plot rectangle and the control's size for it. A control that a
    // layout places keeps the size the layout gives it.
    void Resize();

    QSize sizeHint() const override;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool placedByLayout() const;

    MessageBoxReporter m_reporter{this};
    G2NetModel m_model;
};
