#include "gui/app/PrintLines.h"

#include "gui/app/AppResources.h"
#include "gui/app/MsgBox.h"

#include <QDate>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Breaks a line that is wider than the page into pieces that fit, so that nothing runs
// off the paper.
QStringList fitToWidth(const QString &line, const QFontMetrics &fm, int width)
{
    if (line.isEmpty() || fm.horizontalAdvance(line) <= width)
        return {line};
    QStringList pieces;
    QString piece;
    for (const QChar c : line) {
        if (!piece.isEmpty() && fm.horizontalAdvance(piece + c) > width) {
            pieces << piece;
            piece.clear();
        }
        piece += c;
    }
    pieces << piece;
    return pieces;
}

constexpr qreal kMinimumMarginMm = 10.0;

// Margins of at least 10 mm, never inside the part of the paper the printer cannot reach.
void setMargins(QPrinter &printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    const QMarginsF margins(std::max(least.left(), kMinimumMarginMm), std::max(least.top(), kMinimumMarginMm),
                            std::max(least.right(), kMinimumMarginMm), std::max(least.bottom(), kMinimumMarginMm));
    printer.setFullPage(false);
    printer.setPageMargins(margins, QPageLayout::Millimeter);
}

QFont printFont(int fontSize)
{
    // "宋体" falls back to an installed Chinese font.
    AppResources::installFontSubstitutes();
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(fontSize);
    return font;
}

// The lines as they fall on the pages: the header first, long lines broken to the width.
QList<QStringList> layOutPages(const QStringList &lines, const QFontMetrics &fm, const QSize &page)
{
    QStringList all{PrintHeaderLine(QDate::currentDate())};
    for (const QString &line : lines)
        all << fitToWidth(line, fm, page.width());
    const int perPage = std::max(1, page.height() / std::max(1, fm.lineSpacing()));
    QList<QStringList> pages;
    for (qsizetype at = 0; at < all.size(); at += perPage)
        pages << all.mid(at, perPage);
    return pages;
}

QSize pageSize(QPrinter &printer)
{
    return printer.pageLayout().paintRectPixels(printer.resolution()).size();
}

} // namespace

int PrintPageCount(const QStringList &lines, int fontSize)
{
    QPrinter printer(QPrinter::HighResolution);
    setMargins(printer);
    const QFontMetrics fm(printFont(fontSize), &printer);
    return int(layOutPages(lines, fm, pageSize(printer)).size());
}

QString PrintHeaderLine(const QDate &date)
{
    return QStringLiteral(" 打印，时间:") + date.toString(QStringLiteral("yyyy.MM.dd"));
}

bool PrintLines(QPrinter &printer, const QString &title, const QStringList &lines, int fontSize)
{
    printer.setDocName(title);
    setMargins(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(printFont(fontSize));
    const QFontMetrics fm(painter.font(), painter.device());
    const QList<QStringList> pages = layOutPages(lines, fm, pageSize(printer));
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        int y = 0;
        for (const QString &line : pages[p]) {
            painter.drawText(0, y + fm.ascent(), line);
            y += fm.lineSpacing();
        }
    }
    return painter.end();
}

namespace {

bool chooseSystemPrinter(QPrinter &printer, QWidget *parent)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        return true;   // QPrinter starts on the default printer
    // No printer: let the user pick one or print to a PDF file rather than lose the job.
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    return dialog.exec() == QDialog::Accepted;
}

PrinterChooser &printerChooser()
{
    static PrinterChooser chooser;
    return chooser;
}

} // namespace

void SetPrinterChooser(PrinterChooser chooser)
{
    printerChooser() = std::move(chooser);
}

bool PrintLines(QWidget *parent, const QString &title, const QStringList &lines, int fontSize)
{
    QPrinter printer(QPrinter::HighResolution);
    const bool chosen = printerChooser() ? printerChooser()(printer, parent)
                                         : chooseSystemPrinter(printer, parent);
    if (!chosen)
        return false;
    if (!PrintLines(printer, title, lines, fontSize)) {
        MsgBox::error(parent, QStringLiteral("无法打开打印机“") + printer.printerName()
                                  + QStringLiteral("”，没有打印！"));
        return false;
    }
    return true;
}
