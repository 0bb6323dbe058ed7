#include "history/DrawRecord.h"

#include "code/Code.h"

QString DrawRecord::issueText() const
{
    return IntToPadStr(Year, 4, true) + IntToPadStr(No, 3, true);
}
