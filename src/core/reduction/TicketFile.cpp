#include "core/reduction/TicketFile.h"

#include "core/base/TextFile.h"
#include "core/code/SsqError.h"

TicketCount CountTickets(const TCodeList &result, const std::vector<int> &blues)
{
    TicketCount count;
    count.tickets = qint64(AliveCount(result)) * qint64(blues.size());
    count.cost = count.tickets * kTicketPrice;
    return count;
}

QString TicketSummary(const TicketCount &count)
{
    return QStringLiteral("共%1注，金额%2元").arg(count.tickets).arg(count.cost);
}

QByteArray TicketFileBytes(const TCodeList &result, const std::vector<int> &blues)
{
    const TicketCount count = CountTickets(result, blues);
    QByteArray bytes;
    GbkLinesBytes({TicketSummary(count)}, bytes); // digits and GBK's own Chinese only
    bytes.reserve(bytes.size() + qsizetype(count.tickets) * 22);
    char line[22];
    auto put2 = [](char *at, int n) {
        at[0] = char('0' + n / 10);
        at[1] = char('0' + n % 10);
    };
    for (int i = 0; i < result.Count; ++i) {
        if (!result.Alive[std::size_t(i)])
            continue;
        const TCodeRedArr &a = result.Codes[std::size_t(i)];
        for (std::size_t k = 0; k < 6; ++k) {
            put2(line + 3 * k, a[k]);
            line[3 * k + 2] = k < 5 ? ' ' : '+';
        }
        line[20] = '\r';
        line[21] = '\n';
        for (int blue : blues) {
            put2(line + 18, blue);
            bytes.append(line, 22);
        }
    }
    return bytes;
}

void WriteTicketFile(const QString &path, const TCodeList &result, const std::vector<int> &blues)
{
    QString error;
    if (!WriteFileAtomically(path, TicketFileBytes(result, blues), error))
        throw SsqError(CannotWriteMessage(path, error));
}
