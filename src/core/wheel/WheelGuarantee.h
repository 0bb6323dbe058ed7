#pragma once

#include <QString>
#include <array>
#include <optional>

// "中m保t": when m of the six drawn reds are among the chosen numbers, at least one
// ticket holds t of them. m = t asks every t-subset to lie in a ticket (a covering);
// m > t lets a ticket share any t of the m hits (a lotto design), which needs fewer.
struct WheelGuarantee
{
    int m = 6;
    int t = 5;

    bool operator==(const WheelGuarantee &) const = default;
    // "中6保5"
    QString caption() const;
    // "6-5", the batch tool's spelling.
    QString key() const;
};

// The guarantees offered, strongest first.
inline constexpr std::array<WheelGuarantee, 9> kWheelGuarantees = {{
    {6, 5}, {6, 4}, {6, 3}, {5, 5}, {5, 4}, {5, 3}, {4, 4}, {4, 3}, {3, 3},
}};

// Reads "6-5" (or "中6保5"); nothing when it is not one of the offered guarantees.
std::optional<WheelGuarantee> ParseWheelGuarantee(const QString &text);

inline constexpr int kWheelMinNumbers = 7;
inline constexpr int kWheelMaxNumbers = 33;
