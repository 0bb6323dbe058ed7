#pragma once

#include "core/reduction/ReductionEngine.h"
#include "core/wheel/ChosenWheel.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TColorMChk;
class TProgressForm;

// "旋转矩阵": the player picks 7..33 reds and a guarantee and gets the smallest wheel the
// program knows, checked over every case of the guarantee before it is shown; or covers
// the survivors of the last reduction (缩水后旋转). Either wheel can become the current
// result, so that the result commands of the panel work on its tickets.
class TWheelTab : public QWidget
{
    Q_OBJECT
public:
    explicit TWheelTab(QWidget *parent = nullptr);

    // The survivors of the last reduction and the progress window, read when needed.
    void SetSources(std::function<const TCodeList &()> survivors, std::function<TProgressForm *()> progress);

    TColorMChk *WheelNumChk = nullptr;
    QLabel *WheelNumLbl = nullptr;
    QComboBox *WheelGuaranteeCb = nullptr;
    QLineEdit *WheelBankerEd = nullptr;   // 胆码, among the picked numbers
    QPushButton *WheelMakeBt = nullptr;
    QPushButton *WheelClearBt = nullptr;
    QPlainTextEdit *WheelMemo = nullptr;
    QLabel *WheelCountLbl = nullptr;
    QLabel *WheelVerifiedLbl = nullptr;
    QPushButton *WheelUseBt = nullptr;
    QComboBox *WheelSurvivorCb = nullptr;
    QPushButton *WheelSurvivorBt = nullptr;
    QLabel *WheelSurvivorLbl = nullptr;

    // After a reduction: the survivors that 缩水后旋转 would cover. A survivor wheel of
    // the reduction before is cleared.
    void ShowSurvivorCount(int survivors);

    void WheelMakeBtClick();
    void WheelSurvivorBtClick();
    void WheelUseBtClick();

    // The tickets on show (empty before the first wheel).
    const TCodeRedArrArr &Tickets() const { return m_tickets; }

signals:
    // "作为当前结果": the tickets as a result list and the memo text that goes with them.
    void useAsResult(const TCodeList &list, const QStringList &report);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTickets(const TCodeRedArrArr &tickets, const QString &count, const QString &verified,
                     const QString &title);
    void updateNumberCount();
    void clearWheel();
    void clearChosenWheelIfStale();
    QList<int> pickedNumbers() const;
    QString currentRequest() const;   // the numbers, bankers and guarantee as set now
    void showStatusNote(const QString &text);

    enum class Shown { Nothing, Chosen, Survivors };
    Shown m_shown = Shown::Nothing;
    QString m_request;                // what the chosen wheel on show was made for

    std::function<const TCodeList &()> m_survivors;
    std::function<TProgressForm *()> m_progress;
    TCodeRedArrArr m_tickets;
    QStringList m_header;   // what the result memo shows above the tickets
};
