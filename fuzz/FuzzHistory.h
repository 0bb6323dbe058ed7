#pragma once

// Histories for the fuzz targets. Records are made straight from the bytes, so they
// reach values the parser never lets through (reds of 0 or 99, negative blues, odd
// issue numbers): the chart and recommendation routines must survive those too.

#include "core/history/DrawRecord.h"
#include "core/history/HistoryParser.h"

#include <QByteArray>
#include <cstdint>
#include <cstring>

namespace fuzz {

// Reads bytes from the front of the input; past the end it gives zeros.
class ByteReader
{
public:
    ByteReader(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::int16_t int16()
    {
        const std::uint16_t hi = byte();
        return std::int16_t((hi << 8) | byte());
    }
    std::size_t left() const { return m_size - m_pos; }
    QByteArray rest()
    {
        QByteArray bytes(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(left()));
        m_pos = m_size;
        return bytes;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Eleven bytes a draw: year and number as 16-bit values, six reds and the blue as
// signed bytes. With `inDomain` the values are folded into what the parser accepts.
inline TBeenCodesRecArr RawHistory(ByteReader &in, std::size_t maxDraws, bool inDomain)
{
    TBeenCodesRecArr history;
    while (in.left() >= 11 && history.size() < maxDraws) {
        DrawRecord d;
        d.Year = in.int16();
        d.No = in.int16();
        for (auto &red : d.Red)
            red = std::int8_t(in.byte());
        d.Blue = std::int8_t(in.byte());
        if (inDomain) {
            d.Year = 2003 + (d.Year & 0x1f);
            d.No = 1 + (d.No & 0xff);
            for (auto &red : d.Red)
                red = std::int8_t(1 + std::uint8_t(red) % 33);
            d.Blue = 1 + std::uint8_t(d.Blue) % 16;
        }
        history.push_back(d);
    }
    return history;
}

class QuietReporter : public ParseReporter
{
public:
    void report(const QString &) override {}
};

// The rest of the input as history text through the parser (empty when it refuses).
inline TBeenCodesRecArr ParsedHistory(ByteReader &in)
{
    TBeenCodesRecArr history;
    QuietReporter quiet;
    DataTxtToCodeArr(HistoryTextLines(in.rest()), history, quiet);
    return history;
}

// The first byte chooses how the history is made: raw (out-of-domain values too),
// folded into the domain, or parsed from text.
inline TBeenCodesRecArr FuzzedHistory(ByteReader &in, std::size_t maxDraws)
{
    switch (in.byte() % 3) {
    case 0:
        return RawHistory(in, maxDraws, false);
    case 1:
        return RawHistory(in, maxDraws, true);
    default:
        return ParsedHistory(in);
    }
}

} // namespace fuzz
