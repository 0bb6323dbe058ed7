#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QDate;
class QPrinter;
class QWidget;

// The one print routine of the program (query, reduction results, recommendations).
// Writes the header line " 打印，时间:" + today's date (yyyy.MM.dd) and then every line
// in order, empty lines included, top to bottom with page breaks, in a Chinese-capable
// typeface of the given point size. The title names the print job (it is not printed).
// Returns false when the printer cannot be opened.
bool PrintLines(QPrinter &printer, const QString &title, const QStringList &lines, int fontSize);

// Prints on the system's default printer. Where the system has no printer the standard
// print dialog is shown, so the user can still print to a PDF file; a failure to open the
// printer is reported in a message box. Returns true when the lines were printed.
bool PrintLines(QWidget *parent, const QString &title, const QStringList &lines, int fontSize);

// How the system's printer is chosen: by default the system's default printer, or the
// print dialog where the system has none. Returns false when the user declines. Tests
// replace it to print into a PDF file.
using PrinterChooser = std::function<bool(QPrinter &printer, QWidget *parent)>;
void SetPrinterChooser(PrinterChooser chooser);   // empty: the default

// How many pages PrintLines would fill on the system's default printer (its paper, the
// same margins and breaks), for a question before a long print.
int PrintPageCount(const QStringList &lines, int fontSize);

// The header line for a given date.
QString PrintHeaderLine(const QDate &date);
