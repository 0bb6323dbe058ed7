#pragma once

#include "core/wheel/WheelGuarantee.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// Wheels found once by a long search and shipped with the program, so that the common
// cases answer at once. An entry is text: a header "n m t size" and then `size` tickets
// over the numbers 1..n, each written as twelve digits ("010203040506"). A large wheel
// made of whole orbits under a group acting on the numbers is written shorter: lines
// "g " give the group's generators (the images of 1..n, two digits each) and a line "o "
// holds tickets that each stand for their whole orbit; `size` counts the tickets then.
// Lines "g " after orbits start another group for the orbits that follow.
//
// An entry is trusted only after it has been read in full and passed the exhaustive
// check: a damaged entry is refused and the search serves that case instead.
class WheelTable
{
public:
    // The table compiled into the program.
    static const WheelTable &shipped();

    explicit WheelTable(std::vector<const char *> entries);

    // The checked wheel for n numbers and the guarantee (tickets as masks over the bits
    // 0..n-1), or nothing when there is no entry or the entry is refused.
    std::optional<std::vector<std::uint64_t>> find(int n, const WheelGuarantee &g) const;
    // The size the entry's header gives, read without the entry (which may still be refused).
    std::optional<int> claimedSize(int n, const WheelGuarantee &g) const;

    int entryCount() const { return int(m_entries.size()); }
    const char *entry(int i) const { return m_entries[std::size_t(i)]; }

    // Reads and checks one entry; nothing when it is malformed or fails its guarantee.
    struct Entry
    {
        int n = 0;
        WheelGuarantee g;
        std::vector<std::uint64_t> tickets;
    };
    static std::optional<Entry> readEntry(const char *text);
    // The text of an entry, as the table holds it.
    static QString writeEntry(int n, const WheelGuarantee &g, const std::vector<std::uint64_t> &tickets);

private:
    const char *entryText(int n, const WheelGuarantee &g) const;

    std::vector<const char *> m_entries;
};

// The shipped entries: the blocks of WheelTable.txt and WheelOrbits.txt (separated there
// by an empty line), compiled in at build time. A block that starts with "#" is a comment;
// a string that starts with "+" goes on with the block before it (no string is longer than
// the 65,535 characters every compiler takes for one literal).
extern const char *const kWheelTableBlocks[];
extern const int kWheelTableBlockCount;
