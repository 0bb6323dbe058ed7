#include "gui/reduction/ResultSheet.h"

#include "core/base/TextFile.h"
#include "gui/reduction/PrizeStatsBox.h"
#include "core/reduction/ResultOutput.h"
#include "gui/reduction/StageStatsTable.h"

#include <QHBoxLayout>
#include <QTabWidget>

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

TResultSheet::TResultSheet(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RcmSheet4"));
    RcmMemo = new QPlainTextEdit(this);
    RcmMemo->setObjectName(QStringLiteral("RcmMemo"));
    // A line holds five combinations; wrapping would break them apart.
    RcmMemo->setLineWrapMode(QPlainTextEdit::NoWrap);

    // The statistics stand beside the memo, one page each, so both show whole on a
    // screen of 800 pixels: the stage table has nineteen rows, the prize table thirteen.
    SideTabs = new QTabWidget(this);
    SideTabs->setObjectName(QStringLiteral("ResultSideTabs"));
    StageStats = new TStageStatsTable;
    PrizeStats = new TPrizeStatsBox;
    PrizeStats->setTitle(QString());
    SideTabs->addTab(StageStats, QStringLiteral("缩水统计"));
    SideTabs->addTab(PrizeStats, QStringLiteral("中奖统计"));
    SideTabs->setFixedWidth(350);   // five columns with seven-digit counts

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(RcmMemo, 1);
    layout->addWidget(SideTabs);
}

void TResultSheet::setReport(const QStringList &lines)
{
    RcmMemo->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TResultSheet::memoLines() const
{
    return MemoLines(RcmMemo->toPlainText());
}

void TResultSheet::caretToStart()
{
    QTextCursor cursor = RcmMemo->textCursor();
    cursor.movePosition(QTextCursor::Start);
    RcmMemo->setTextCursor(cursor);
    RcmMemo->setFocus();
}

QString TResultSheet::FindInMemo(const QString &text)
{
    const FindOutcome outcome = ::FindInMemo(RcmMemo->toPlainText(), text);
    if (!outcome.searched)
        return {};
    QTextCursor cursor = RcmMemo->textCursor();
    cursor.clearSelection();
    if (outcome.found) {
        cursor.setPosition(static_cast<int>(outcome.start));
        cursor.setPosition(static_cast<int>(outcome.start + outcome.length), QTextCursor::KeepAnchor);
    }
    RcmMemo->setTextCursor(cursor);
    RcmMemo->ensureCursorVisible();
    return outcome.status;
}
