#pragma once

#include "scores/ScoreLine.h"

// Qt
#include <QStringList>

// Sorting the high-score list by time or by clicks and numbering it anew.
namespace scores {

struct RankResult {
    QStringList lines;
    // True when the list had at least two entries, so at least one comparison
    // ran (the window then marks the column sorted by).
    bool compared = false;
};

// Ranks the entries of a list as read (at most 12 are taken; an empty file
// comes as one empty line). An entry of at least 4 characters that holds
// nothing but spaces becomes the placeholder entry; shorter lines stay as they
// are. The entries are then sorted stably by key, compared as 8-bit text, and
// numbered 1..n: the number and one space (two digits from 10 on) followed by
// the entry from its third character on, cut after the 51st.
RankResult rank(const QStringList& entries, SortKey key);

// What a ranking adds to the start line below the board: each ranked line
// after a line feed and a carriage return, in that order.
QString rankedListText(const QStringList& lines);

} // namespace scores
