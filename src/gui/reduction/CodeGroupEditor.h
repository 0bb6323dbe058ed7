#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TCodeSetForm;
class TMultiChk;

// One editor of chosen-number groups on the tab "自选号码": the number field with its
// picker button, the match-count box, "增加", "删除" and the list of group lines
// ("01,08,09&1,2"). Editor n names its controls CodeEd<n>, Sheet2NumSetBt<n>,
// MatchCount<n>, Sheet2AddSetBt<n>, Sheet2DelSetBt<n> and CodeSelLbx<n>.
class TCodeGroupEditor : public QGroupBox
{
    Q_OBJECT

public:
    TCodeGroupEditor(int number, const QString &caption, int matchItems, QWidget *parent = nullptr);

    // The shared number picker, found when "选择号码" is pressed.
    using PickerSource = std::function<TCodeSetForm *()>;
    void setPickerSource(PickerSource source) { m_picker = std::move(source); }

    // Creates the match-count box (with the other condition controls at start-up).
    void CreateControls();

    // Handlers.
    void NumSetBtClick();
    void AddSetBtClick();
    void DelSetBtClick();
    void CodeSelLbxClick();

    // The list's width follows the box; its height too when `fillHeight` (the lower
    // editor fills the rest of the tab).
    void sizeList(bool fillHeight);

    QStringList lines() const;
    void setLines(const QStringList &lines);

    QLabel *CodeLbl = nullptr;
    QLineEdit *CodeEd = nullptr;
    QPushButton *NumSetBt = nullptr;
    QLabel *CountLbl = nullptr;
    TMultiChk *MatchCount = nullptr;
    QPushButton *AddSetBt = nullptr;
    QPushButton *DelSetBt = nullptr;
    QListWidget *CodeSelLbx = nullptr;

private:
    int m_number;
    int m_matchItems;
    PickerSource m_picker;
};
