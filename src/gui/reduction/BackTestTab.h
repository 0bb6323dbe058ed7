#pragma once

#include "gui/reduction/HistorySource.h"
#include "core/reduction/BackTest.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "历史验证": tests each of the last K draws, as a candidate of its own time, against the
// current conditions, and lists per draw the first stage that would have removed it.
class TBackTestTab : public QWidget
{
    Q_OBJECT
public:
    explicit TBackTestTab(QWidget *parent = nullptr);

    // Where the conditions and the history come from: the panel reads its controls at the
    // moment the user presses "验证".
    void SetSources(std::function<ConditionSet()> readConditions, HistorySource history);

    QSpinBox *BackTestSe = nullptr;
    QPushButton *BackTestBt = nullptr;
    QPushButton *BackTestExportBt = nullptr;
    QPushButton *BackTestPrintBt = nullptr;
    QLabel *BackTestLbl = nullptr;
    QTableWidget *BackTestList = nullptr;

    void BackTestBtClick();
    void BackTestExportBtClick();
    void BackTestPrintBtClick();
    // Writes the list as "导出" does; false (with the reason shown) when it cannot.
    bool ExportTo(const QString &path);
    // The lines that export and print write: the summary, then one line per draw.
    QStringList ListLines() const;

private:
    std::function<ConditionSet()> m_readConditions;
    HistorySource m_history;
    BackTestResult m_result;
    QString m_summary;
};
