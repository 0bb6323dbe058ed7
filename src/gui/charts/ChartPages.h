#pragma once

#include "core/charts/ChartPageList.h"
#include "gui/charts/ChartPageReporter.h"
#include "core/history/DrawRecord.h"

#include <QObject>
#include <array>

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QWidget;
class TB0Net;
class TDrawTablesBox;
class TG2Net;
class TH2Net;
class TSmForm;

// The thirteen chart pages of the page control GridPctl. Each page has a query strip
// (the number of draws, "查询", on "旋转图" the start number, on "统计分析表" the button
// "说明") above its chart; a page is computed anew each time it is shown and each time
// its "查询" is clicked, from the history as it is at that moment.
class TChartPages : public QObject
{
    Q_OBJECT

public:
    // Adds the pages to GridPctl (which takes ownership of them) and makes "红球走势图" the
    // active page. CodeArr is read, never written, and must outlive the pages.
    TChartPages(QTabWidget *GridPctl, const TBeenCodesRecArr *CodeArr);

    QTabWidget *GridPctl() const { return m_gridPctl; }
    QWidget *Page(int page) const { return m_pages[std::size_t(page)]; }

    // Recomputes a page with the values of its spin edits, as its show and "查询" do.
    void RefreshPage(int page);

    // The explanation window of "说明"; without one the pages make their own on first use.
    void SetExplanationForm(TSmForm *form) { m_smForm = form; }
    // What "说明" does: fills the explanation window and shows it modally.
    void ShowAnalysisExplanation();

    // The controls, for the main window and for tests.
    QSpinBox *CountSe(int page) const { return m_countSe[std::size_t(page)]; }
    QPushButton *GoBt(int page) const { return m_goBt[std::size_t(page)]; }
    QSpinBox *ExTabSheet8StartSe() const { return m_startSe; }
    QPushButton *ExTabSheet13SmBt() const { return m_smBt; }
    // The scrolling table of pages 0-4, 7, 8 and 12 (nullptr on the other pages).
    TH2Net *Table(int page) const { return m_tables[std::size_t(page)]; }
    // The bar chart of pages 6 and 9.
    TG2Net *BarChart(int page) const;
    // The per-draw tables of pages 5 and 11.
    TDrawTablesBox *DrawTables(int page) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makePage(int page);
    QWidget *makeQueryPanel(int page, QWidget *parent);
    QWidget *makeZoneNotePanel(QWidget *parent);
    QWidget *makeContent(int page, QWidget *parent);
    QScrollArea *makeScrollBox(QWidget *parent);

    void refreshTable(int page, int n);
    void refreshBars(int page, int n);
    void refreshDrawTables(int page, int n);
    void refreshOmission(int n);
    void placeOmissionTables();
    void placeOmissionTablesIn(int boxWidth);

    QTabWidget *m_gridPctl;
    const TBeenCodesRecArr *m_codeArr;
    ChartPageReporter m_reporter;
    TSmForm *m_smForm = nullptr;
    bool m_building = false;

    std::array<QWidget *, ChartPageCount> m_pages{};
    std::array<QSpinBox *, ChartPageCount> m_countSe{};
    std::array<QPushButton *, ChartPageCount> m_goBt{};
    std::array<TH2Net *, ChartPageCount> m_tables{};
    QSpinBox *m_startSe = nullptr;
    QPushButton *m_smBt = nullptr;
    TG2Net *m_redStat = nullptr;
    TG2Net *m_blueStat = nullptr;
    TDrawTablesBox *m_emptyRowCol = nullptr;
    TDrawTablesBox *m_gann = nullptr;
    QScrollArea *m_omissionBox = nullptr;
    QWidget *m_omissionContent = nullptr;
    TB0Net *m_redOmission = nullptr;
    TB0Net *m_blueOmission = nullptr;
};

// Builds the chart pages into the main window's page control; the returned object lives
// as long as GridPctl.
TChartPages *BuildChartPages(QTabWidget *GridPctl, const TBeenCodesRecArr *CodeArr);
