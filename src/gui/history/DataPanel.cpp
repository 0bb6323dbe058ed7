#include "gui/history/DataPanel.h"

#include "gui/app/MsgBox.h"
#include "gui/app/ToolBarButtons.h"
#include "core/history/HistoryParser.h"
#include "core/update/DrawDates.h"
#include "gui/update/OnlineUpdate.h"
#include "core/update/SourceList.h"

#include <QEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

TDataPanel::TDataPanel(TBeenCodesRecArr &CodeArr, ParseReporter &reporter, QWidget *parent)
    : QWidget(parent), m_codeArr(CodeArr), m_reporter(reporter)
{
    setObjectName(QStringLiteral("DataPanel"));
    Sheet1Tbr = new QToolBar(this);
    Sheet1Tbr->setObjectName(QStringLiteral("Sheet1Tbr"));
    ToolBarButtons::setUp(Sheet1Tbr);
    Sheet1TbrDownBt = ToolBarButtons::add(Sheet1Tbr, QStringLiteral("Sheet1TbrDownBt"),
                                          QStringLiteral("在线更新"), QStringLiteral("download"));
    Sheet1Tbr->addSeparator();
    Sheet1TbrClearBt = ToolBarButtons::add(Sheet1Tbr, QStringLiteral("Sheet1TbrClearBt"),
                                           QStringLiteral("清空数据"), QStringLiteral("clear"));
    Sheet1TbrOmportBt = ToolBarButtons::add(Sheet1Tbr, QStringLiteral("Sheet1TbrOmportBt"),
                                            QStringLiteral("导入数据"), QStringLiteral("import"));
    Sheet1TbrSaveBt = ToolBarButtons::add(Sheet1Tbr, QStringLiteral("Sheet1TbrSaveBt"),
                                          QStringLiteral("保存数据"), QStringLiteral("save"));

    DataNoteLbl = new QLabel(this);
    DataNoteLbl->setObjectName(QStringLiteral("DataNoteLbl"));
    DataNoteLbl->setWordWrap(true);
    DataNoteLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    DataNoteLbl->setContentsMargins(6, 4, 6, 4);
    DataNoteLbl->hide();

    DataMemo = new QPlainTextEdit(this);
    DataMemo->setObjectName(QStringLiteral("DataMemo"));
    DataMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DataMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    DataMemo->installEventFilter(this);
    DataMemo->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Sheet1Tbr);
    layout->addWidget(DataNoteLbl);
    layout->addWidget(DataMemo, 1);

    m_onlineUpdate = new TOnlineUpdate(this, this);
    connect(m_onlineUpdate, &TOnlineUpdate::statusText, this, &TDataPanel::statusText);
    m_chooseImportFile = [](QWidget *dialogParent) {
        return QFileDialog::getOpenFileName(dialogParent, QStringLiteral("导入数据"), QString(),
                                            QStringLiteral("文本文件 (*.txt)"));
    };

    connect(Sheet1TbrDownBt, &QToolButton::clicked, this, &TDataPanel::Sheet1TbrDownBtClick);
    connect(Sheet1TbrClearBt, &QToolButton::clicked, this, &TDataPanel::Sheet1TbrClearBtClick);
    connect(Sheet1TbrOmportBt, &QToolButton::clicked, this, &TDataPanel::Sheet1TbrOmportBtClick);
    connect(Sheet1TbrSaveBt, &QToolButton::clicked, this, &TDataPanel::Sheet1TbrSaveBtClick);
}

void TDataPanel::setMemoText(const QString &text)
{
    DataMemo->setPlainText(text);
}

void TDataPanel::replaceMemoText(const QString &text)
{
    // Through the cursor rather than setPlainText(), so Ctrl+Z brings the old text back.
    QTextCursor all(DataMemo->document());
    all.select(QTextCursor::Document);
    if (text.isEmpty())
        all.removeSelectedText();
    else
        all.insertText(text);
}

void TDataPanel::setNote(const QString &text)
{
    DataNoteLbl->setText(text);
    DataNoteLbl->setVisible(!text.isEmpty());
}

void TDataPanel::LoadHistoryFile()
{
    const TextFileRead read = ReadGbkTextFile(m_historyFileName);
    const QString name = QFileInfo(m_historyFileName).fileName();
    QString note;
    switch (read.status) {
    case TextFileRead::Ok:
        if (!read.text.isEmpty())
            setMemoText(read.text);
        break;
    case TextFileRead::Missing:
        note = MissingHistoryNote(m_historyFileName);
        break;
    case TextFileRead::Unreadable:
    case TextFileRead::TooLarge:
        note = QStringLiteral("无法读取开奖数据文件") + name + QStringLiteral("：") + read.error;
        break;
    }
    DataMemo->moveCursor(QTextCursor::End);
    // One bad line must not cost the history: every good draw is used, the others are
    // listed (OfferLeftOutLines) and stay in the memo to be put right.
    HistoryReading reading = ReadHistoryKeepingGoodLines(MemoLines(DataMemo->toPlainText()));
    m_codeArr = std::move(reading.draws);
    m_startupLeftOut = reading.leftOut;
    m_startupDraws = qsizetype(m_codeArr.size());
    if (!m_startupLeftOut.isEmpty())
        note = LeftOutLinesNote(m_startupLeftOut, m_startupDraws);
    setNote(note);
    if (!note.isEmpty())
        emit statusText(note);
}

void TDataPanel::OfferLeftOutLines()
{
    if (m_startupLeftOut.isEmpty())
        return;
    const QStringList buttons = LeftOutLinesButtons();
    if (MsgBox::ask(this, LeftOutLinesQuestion(m_historyFileName, m_startupLeftOut, m_startupDraws), buttons,
                    int(buttons.size()) - 1)
        != 0)
        return;
    emit showRequested();
    GoToLine(m_startupLeftOut.front().lineNo);
}

void TDataPanel::FocusMemo()
{
    DataMemo->setFocus(Qt::ShortcutFocusReason);
    DataMemo->ensureCursorVisible();
}

void TDataPanel::GoToLine(int lineNo)
{
    const QTextBlock block = DataMemo->document()->findBlockByNumber(lineNo - 1);
    if (block.isValid())
        DataMemo->setTextCursor(QTextCursor(block));
    FocusMemo();
}

bool TDataPanel::DataTxtToCodeArr()
{
    return ::DataTxtToCodeArr(MemoLines(DataMemo->toPlainText()), m_codeArr, m_reporter);
}

bool TDataPanel::LoadTextFileIntoMemo(const QString &path)
{
    const TextFileRead read = ReadGbkTextFile(path);
    if (read.status != TextFileRead::Ok) {
        MsgBox::error(this, QStringLiteral("无法读取文件") + QDir::toNativeSeparators(path)
                                + QStringLiteral("：")
                                + (read.status == TextFileRead::Missing
                                       ? QStringLiteral("文件不存在")
                                       : read.error));
        return false;
    }
    const QStringList lines = MemoLines(read.text);
    // A file of blank lines only has nothing to import; it would only empty the memo.
    if (const HistoryReading reading = ReadHistoryKeepingGoodLines(lines);
        reading.draws.empty() && reading.leftOut.isEmpty()) {
        MsgBox::warning(this, QStringLiteral("文件") + QDir::toNativeSeparators(path)
                                      + QStringLiteral("中没有开奖数据，编辑框没有改动。"));
        return false;
    }
    if (!DataMemo->toPlainText().isEmpty()
        && MsgBox::ask(this, ImportReplaceQuestion(), ImportReplaceButtons(), 1, 1) != 0)
        return false;
    replaceMemoText(read.text);
    const RefusedLines refused = LinesRefusedAtSave(lines);
    emit statusText(QStringLiteral("已导入文件%1，保存数据后生效；可按Ctrl+Z撤销").arg(QFileInfo(path).fileName()));
    if (refused.isEmpty()) {
        DataMemo->moveCursor(QTextCursor::End);
        FocusMemo();
        return true;
    }
    MsgBox::warning(this, SaveRefusalText(refused));
    GoToLine(refused.front().lineNo);
    return false;
}

void TDataPanel::Sheet1TbrDownBtClick()
{
    RunOnlineUpdate(nullptr);
}

void TDataPanel::RunOnlineUpdate(const UpdateOutcome *alreadyRead)
{
    // The new draws are added to the text the player works on, and saved only when the
    // player has seen the result and chosen "保存": a download never waits unsaved in a
    // panel, and nothing changes when it fails or the player declines.
    const QString memo = DataMemo->toPlainText();
    const TextFileRead onDisk = ReadGbkTextFile(m_historyFileName);
    const bool unsaved = onDisk.status == TextFileRead::Ok ? onDisk.text != memo : !memo.isEmpty();
    // Unsaved edits are saved with the new draws, so they pass the checks of 保存数据 first:
    // an emptied memo must not replace the history by the few draws just downloaded.
    if (unsaved && !mayWriteMemo(MemoLines(memo)))
        return;
    m_onlineUpdate->setSourceListFile(
        QFileInfo(m_historyFileName).dir().filePath(QString::fromUtf16(kSourceListFileName)));
    const std::optional<TOnlineUpdate::Accepted> accepted = m_onlineUpdate->Run(memo, unsaved, alreadyRead);
    if (!accepted)
        return;
    QString error;
    if (!SaveHistoryFile(m_historyFileName, accepted->text, error)) {
        MsgBox::error(this, QStringLiteral("无法保存开奖数据文件")
                                + QDir::toNativeSeparators(m_historyFileName)
                                + QStringLiteral("：\n") + error + QStringLiteral("\n开奖数据没有改动。"));
        return;
    }
    setMemoText(accepted->text);
    DataTxtToCodeArr();
    DataMemo->moveCursor(QTextCursor::End);
    DataMemo->ensureCursorVisible();
    // The dates only add to what is shown; a dates file that cannot be written loses nothing.
    if (!accepted->dates.isEmpty()) {
        const QString datesFile = DrawDatesFileFor(m_historyFileName);
        DrawDates dates = DrawDates::Load(datesFile);
        dates.add(accepted->dates);
        QString datesError;
        dates.save(datesFile, datesError);
    }
    emit statusText(QStringLiteral("在线更新：") + accepted->headline + QStringLiteral("，已保存到")
                    + QFileInfo(m_historyFileName).fileName());
    emit historyUpdated(accepted->added);
}

void TDataPanel::Sheet1TbrClearBtClick()
{
    if (!DataMemo->toPlainText().isEmpty()
        && MsgBox::ask(this, ClearHistoryQuestion(), ClearHistoryButtons(), 1, 1) != 0)
        return;
    replaceMemoText(QString());
    emit statusText(QStringLiteral("已清空编辑框，保存数据后生效；可按Ctrl+Z撤销"));
    FocusMemo();
}

void TDataPanel::Sheet1TbrOmportBtClick()
{
    const QString path = m_chooseImportFile(this);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    LoadTextFileIntoMemo(path);
}

void TDataPanel::Sheet1TbrSaveBtClick()
{
    if (saveMemo())
        DataTxtToCodeArr();
}

bool TDataPanel::mayWriteMemo(const QStringList &lines)
{
    // Nothing that the program would not read back as the same draws reaches the file.
    if (const RefusedLines refused = LinesRefusedAtSave(lines); !refused.isEmpty()) {
        MsgBox::error(this, SaveRefusalText(refused) + QStringLiteral("\n\n开奖数据文件没有改动。"));
        GoToLine(refused.front().lineNo);
        emit statusText(QStringLiteral("开奖数据没有保存"));
        return false;
    }
    if (ReadHistoryKeepingGoodLines(lines).draws.empty()) {
        if (const qsizetype draws = HistoryFileDrawCount(m_historyFileName);
            draws > 0 && MsgBox::ask(this, EmptySaveQuestion(m_historyFileName, draws), EmptySaveButtons(), 1, 1) != 0) {
            emit statusText(QStringLiteral("开奖数据没有保存"));
            return false;
        }
    }
    return true;
}

bool TDataPanel::saveMemo()
{
    const QString memo = DataMemo->toPlainText();
    if (!mayWriteMemo(MemoLines(memo)))
        return false;
    QString error;
    if (!SaveHistoryFile(m_historyFileName, memo, error)) {
        // The old file is still whole; the memo and the history stay as they are.
        MsgBox::error(this, QStringLiteral("无法保存开奖数据文件")
                                + QDir::toNativeSeparators(m_historyFileName)
                                + QStringLiteral("：\n") + error);
        emit statusText(QStringLiteral("开奖数据没有保存"));
        return false;
    }
    setNote(QString());
    m_startupLeftOut.clear();
    emit statusText(QStringLiteral("保存文档完毕"));
    return true;
}

bool TDataPanel::MayClose()
{
    if (MemoMatchesHistoryFile(DataMemo->toPlainText(), m_historyFileName))
        return true;
    const QStringList buttons = UnsavedHistoryButtons();
    switch (MsgBox::ask(this, UnsavedHistoryQuestion(m_historyFileName), buttons,
                        int(buttons.size()) - 1)) {
    case 0:
        return saveMemo();
    case 1:
        return true;
    default:
        return false;
    }
}

void TDataPanel::ShowCaretPos()
{
    const QTextCursor caret = DataMemo->textCursor();
    emit statusText(QStringLiteral("第%1行%2列")
                        .arg(caret.blockNumber() + 1)
                        .arg(caret.positionInBlock() + 1));
}

bool TDataPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Only a key pressed in the memo moves the caret: the release of the Enter that closed a
    // message box must not replace the status text the box left behind.
    if (watched == DataMemo && event->type() == QEvent::KeyPress)
        m_keyPressedInMemo = true;
    if ((watched == DataMemo && event->type() == QEvent::KeyRelease && std::exchange(m_keyPressedInMemo, false))
        || (watched == DataMemo->viewport() && event->type() == QEvent::MouseButtonRelease))
        ShowCaretPos();
    return QWidget::eventFilter(watched, event);
}
