#pragma once

#include "scores/ScoreLine.h"

// Qt
#include <QString>

class QDateTime;

namespace scores {

class HighScoreStore;

// The high-score list as the window shows it: twelve rows of rank, name,
// time, date and clicks. The rows live here for the whole run; the readers
// and the result entry overwrite them row by row, and the grid on screen only
// shows them. None of these functions locks the list (see ListLock).
class ScoreList {
  public:
    ScoreList();

    const Table& rows() const { return m_rows; }

    // Enters a finished game: reads the list (a missing one gets its seed
    // entries on disk and leaves the rows alone) and enters the result as
    // enterResult does. Returns the row entered, or -1. Throws GameError when
    // the list cannot be read; the rows are then unchanged.
    int enterResult(const HighScoreStore& store, const Row& result, SortKey key);

    // Writes the twelve rows as the list.
    void save(const HighScoreStore& store) const;

    // For taking the player's name: rank, name, time and date as stored. A
    // missing list is created empty.
    void loadNames(const HighScoreStore& store);

    // For showing the list: every column as stored. A missing list is
    // created empty.
    void loadAsStored(const HighScoreStore& store);

  private:
    Table m_rows;
};

// A finished game's row: the name as taken, the time the game took (in
// milliseconds, from a clock nobody sets), the finishing date and the clicks
// as stored (the rank is given on entry).
Row resultRow(const QString& name, qint64 elapsedMs, const QDateTime& finish, int clicks);

} // namespace scores
