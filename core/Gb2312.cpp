// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/Gb2312.h"

namespace zandrel {
namespace {

struct Run
{
    int zone;
    int first;
    int last;
};

// The assigned positions of the symbol zones, and the short end of zone 55; every other zone
// from 16 to 87 is full.
constexpr Run symbolRuns[] = {
    {1, 1, 94},  {2, 17, 66}, {2, 69, 78}, {2, 81, 92}, {3, 1, 94},   {4, 1, 83},
    {5, 1, 86},  {6, 1, 24},  {6, 33, 56}, {7, 1, 33},  {7, 49, 81},  {8, 1, 26},
    {8, 37, 73}, {9, 4, 79},  {55, 1, 89},
};

} // namespace

bool isPrivateUse(char32_t ucs4)
{
    return (ucs4 >= 0xE000 && ucs4 <= 0xF8FF) || (ucs4 >= 0xF0000 && ucs4 <= 0xFFFFD) ||
           (ucs4 >= 0x100000 && ucs4 <= 0x10FFFD);
}

bool isAssignedGb2312(std::uint8_t hi, std::uint8_t lo)
{
    const int zone = hi - 0xA0;
    const int position = lo - 0xA0;
    if (zone < 1 || zone > 87 || position < 1 || position > 94)
        return false;
    bool listed = false;
    for (const Run &run : symbolRuns) {
        if (run.zone != zone)
            continue;
        listed = true;
        if (position >= run.first && position <= run.last)
            return true;
    }
    return !listed && zone >= 16;
}

} // namespace zandrel
