#pragma once

// "导出" and "打印" of the recommendation panel: the memo's lines as a GBK text file, and
// what the print routine receives.

#include <QByteArray>
#include <QString>
#include <QStringList>

inline constexpr char16_t kRecommendPrintTitle[] = u"晨帆选号通 ";
inline constexpr int kRecommendPrintFontSize = 12;

QString RecommendMemoText(const QStringList &lines);

// The file's bytes: the lines in GBK, each ended by CR LF. Throws SsqError when a line
// holds a character that GBK cannot write (it would silently become '?').
QByteArray RecommendFileBytes(const QStringList &lines);

// Writes the file through a temporary file and a rename, so a failure leaves an existing
// file as it was; throws SsqError with the system's reason.
void ExportRecommendFile(const QString &path, const QStringList &lines);
