#pragma once

#include "core/history/DrawRecord.h"

#include <QScrollArea>
#include <map>
#include <vector>

class B0NetModel;
class TB0Net;

// The scroll box of a page with one small table per draw ("空行空列图", "江恩图"): four
// tables to a line, newest first. Only the tables in view exist as controls; scrolling
// refills a few reused ones, so that a page over the whole history opens at once.
class TDrawTablesBox : public QScrollArea
{
    Q_OBJECT

public:
    using FillTable = void (*)(B0NetModel &, const DrawRecord &);

    explicit TDrawTablesBox(FillTable fill, QWidget *parent = nullptr);

    // Removes the tables of the last run; the box is then empty.
    void Clear();
    // The draws to show, newest first.
    void SetDraws(TBeenCodesRecArr draws);

    int DrawCount() const { return int(m_draws.size()); }
    // The table control of the i-th newest draw while it is in view, else nullptr.
    TB0Net *TableAt(int i) const;
    // The number of table controls that exist (in view or kept for reuse).
    int ControlCount() const { return int(m_inView.size() + m_spare.size()); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeTablesInView();
    void release(int index);
    TB0Net *takeTable();
    QSize tableSize() const;

    FillTable m_fill;
    QWidget *m_content;
    TBeenCodesRecArr m_draws;
    std::map<int, TB0Net *> m_inView;
    std::vector<TB0Net *> m_spare;
};
