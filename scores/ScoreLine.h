#pragma once

// Qt
#include <QString>
#include <QStringList>

// std
#include <array>
#include <vector>

// The lines of the high-score list and the on-screen grid they fill.
//
// A line written from complete fields is 51 characters (columns from 1):
//   1-3   rank, left-aligned ("1  ", "10 ")
//   4-27  name, 24 characters
//   28-35 time needed, hh:nn:ss
//   37-46 date, dd.mm.yyyy (after one space)
//   49-51 clicks, right-aligned in 3 (after two spaces)
// Lines may have been shortened or edited by hand, so every field is taken by
// its columns and a short line simply yields the characters that are there.
namespace scores {

enum class SortKey { Time, Clicks };

using Row = std::array<QString, 5>; // rank, name, time, date, clicks
using Table = std::vector<Row>;     // the on-screen grid, at least 12 rows

namespace column {
constexpr int rank = 0;
constexpr int name = 1;
constexpr int time = 2;
constexpr int date = 3;
constexpr int clicks = 4;
} // namespace column

// The list holds at most this many lines; more are only ever left out.
constexpr int maxEntries = 12;

// Characters first..last (1-based, inclusive) of line, counted as a reader
// sees them (scores/Characters.h); fewer, possibly none, where the line ends
// earlier.
QString columns(const QString& line, int first, int last);

// Orders two field texts as 8-bit text: by character code, a text that is the
// beginning of the other one coming first. Characters beyond 8 bits count as
// "?", as they would be written.
bool latin1Less(const QString& a, const QString& b);

// The sort field of a list line and of a grid row.
QString lineKey(const QString& line, SortKey key);
const QString& rowKey(const Row& row, SortKey key);

// The list "new list" writes: twelve unnamed entries.
QStringList freshList();
// What the ranking puts in place of an entry that holds nothing.
QString placeholderEntry();

// Fills the grid for entering a result: a missing time (starting with two
// spaces) becomes "00:32:0" followed by the line's first character, missing
// clicks ("   ") become "999", so hand-made gaps sort last. Returns the number
// of rows filled (at most 12); rows after them are left alone.
int fillForResultEntry(const QStringList& lines, Table& table);

// Fills rank, name, time and date as stored, leaving the clicks column alone.
// A list without lines blanks those cells of the first row.
void fillForLoadList(const QStringList& lines, Table& table);

// Fills all five columns as stored. Returns the number of rows filled.
int fillAsStored(const QStringList& lines, Table& table);

// Enters a finished game. rowsRead is what fillForResultEntry returned. A list
// with room gets the result as its next row, numbered on. A full list gives
// the worst entry under key (the last of equal worst ones) to the result, but
// only if the result is strictly better; that row keeps its rank. Returns the
// row entered, or -1 when the result did not make it into the list.
int enterResult(Table& table, int rowsRead, const Row& result, SortKey key);

// The twelve lines the grid is saved as.
QStringList saveLines(const Table& table);

} // namespace scores
