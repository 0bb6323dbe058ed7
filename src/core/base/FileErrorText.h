#pragma once

#include <QString>

class QFileDevice;

// Why a file could not be read or written, in Chinese. The common reasons (a full disk,
// no permission, a folder where a file should be, a missing file or folder) are named in
// Chinese with the system's own text after it in brackets, so a support question can
// still quote it (left out when Qt's translation already gave it in Chinese); a reason
// the program does not know is given as the system states it.
QString FileErrorReason(const QString &systemText);
QString FileErrorReason(const QFileDevice &file);
