#include "app/PrintLines.h"

#include "app/AppResources.h"
#include "app/MsgBox.h"

#include <QDate>
#include <QFontMetrics>
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

} // namespace

QString PrintHeaderLine(const QDate &date)
{
    return QStringLiteral(" 打印，时间:") + date.toString(QStringLiteral("yyyy.MM.dd"));
}

bool PrintLines(QPrinter &printer, const QString &title, const QStringList &lines, int fontSize)
{
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    // "宋体" falls back to an installed Chinese font.
    AppResources::installFontSubstitutes();
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(fontSize);
    painter.setFont(font);
    const QFontMetrics fm(painter.font(), painter.device());
    const QRect page = painter.viewport();
    const int lineHeight = fm.lineSpacing();

    QStringList all{PrintHeaderLine(QDate::currentDate())};
    for (const QString &line : lines)
        all << fitToWidth(line, fm, page.width());

    int y = 0;
    for (const QString &line : std::as_const(all)) {
        if (y > 0 && y + lineHeight > page.height()) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(0, y + fm.ascent(), line);
        y += lineHeight;
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
