#include "core/history/DrawRecord.h"

#include "core/code/Code.h"

QString DrawRecord::issueText() const
{
    return IntToPadStr(Year, 4, true) + IntToPadStr(No, 3, true);
}
