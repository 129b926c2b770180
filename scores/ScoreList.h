#pragma once

// own
#include "platform/FolderLock.h"
#include "platform/SafeFile.h"
#include "scores/Ranking.h"
#include "scores/ScoreLine.h"

// Qt
#include <QString>

// std
#include <optional>

class Pause;
class QDateTime;

namespace scores {

class HighScoreStore;

// What a change of the list gives the window to show.
struct ListChange {
    // The row the finished game was entered in, or -1.
    int row = -1;
    // What the rankings add to the start line below the board.
    QString rankedText;
    // Set when the list was read and shown but the folder cannot be written.
    std::optional<safefile::ReadOnlyFolderError> unwritable;
};

// The high-score list as the window shows it: twelve rows of rank, name,
// time, date and clicks. The rows live here for the whole run; the readers
// and the result entry overwrite them row by row, and the grid on screen only
// shows them.
//
// Each action is one change of the list: it takes the list's lock (waiting
// through pause), reads highscore.txt once, changes it and writes it at most
// once; when the lock was taken from it meanwhile (its lock file removed by
// hand) the action starts again. Every failure throws GameError naming the
// file; a list read not whole is never written.
class ScoreList {
  public:
    ScoreList();

    const Table& rows() const { return m_rows; }

    // The end of a game: the result is entered into the list as it is on
    // disk now (rows it does not have are blank, whatever was shown before),
    // the rows are saved, ranked by key, shown as stored and ranked once
    // more. The file holds the last ranking. The rows keep the result even
    // when the write fails. wait says how long the lock is waited for.
    ListChange finishGame(const HighScoreStore& store, Pause& pause, const Row& result, SortKey key,
                          const safefile::LockWait& wait = {});

    // Show: every column as stored, then the list ranked by key. A missing
    // list leaves the rows alone and ranks as an empty one. In a folder that
    // cannot be written the rows are filled all the same (unwritable set).
    ListChange show(const HighScoreStore& store, Pause& pause, SortKey key);

    // OK: rank, name, time and date as stored. A missing list is created
    // empty; without a folder nothing happens.
    void takeNames(const HighScoreStore& store, Pause& pause);

  private:
    Table m_rows;
};

// Sort: the list ranked by key and written back.
RankResult sortList(const HighScoreStore& store, Pause& pause, SortKey key);
// New list: the old one kept as the backup, the fresh one written.
void startNewList(const HighScoreStore& store, Pause& pause);
// Start-up: a fresh list where there is none.
void keepList(const HighScoreStore& store, Pause& pause);

// A finished game's row: the name as taken, the time the game took (in
// milliseconds, from a clock nobody sets), the finishing date and the clicks
// as stored (the rank is given on entry).
Row resultRow(const QString& name, qint64 elapsedMs, const QDateTime& finish, int clicks);

} // namespace scores
