#include "reduction/ResultSheet.h"

#include "history/HistoryFile.h"
#include "reduction/PrizeStatsBox.h"
#include "reduction/ResultOutput.h"
#include "reduction/StageStatsTable.h"

#include <QHBoxLayout>
#include <QLabel>

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

    StageStats = new TStageStatsTable(this);
    PrizeStats = new TPrizeStatsBox(this);
    auto *side = new QVBoxLayout;
    side->setContentsMargins(4, 2, 2, 2);
    side->addWidget(new QLabel(QStringLiteral("缩水统计："), this));
    side->addWidget(StageStats);
    side->addWidget(PrizeStats, 1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RcmMemo, 1);
    layout->addLayout(side);
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
