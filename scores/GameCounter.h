#pragma once

// own
#include "platform/FolderLock.h"
#include "platform/SafeFile.h"

// Qt
#include <QString>

class Pause;

// The game counter nog.txt in the game's folder: one line holding the number
// of the current game, right-aligned in four characters ("   1").
namespace scores {

constexpr QLatin1String counterName{"nog.txt"};

struct CounterResult {
    // The four-character field written ("" when the first line was empty).
    QString field;
    // True when the window shows gameNumberText(field): not for the first
    // game counted in a folder, not after a reset, not for an empty line.
    bool show = false;
    // Set when the file did not hold a number; counting then starts again
    // at 1 and the caller goes on after showing it.
    QString warning;
};

// Counts one more game and writes the counter back in one step, holding the
// lock on nog.txt.lock meanwhile (pause waits between attempts, as long as wait
// says). Only the first four characters of the first line count; a field whose
// fourth character is a space is taken as "   1". The number may have leading
// spaces and a sign. Numbers of five digits keep their first four. Throws
// GameError naming nog.txt when it cannot be read or written; the old file is
// then left as it was.
CounterResult advanceGameCounter(const safefile::Folder& folder, Pause& pause,
                                 const safefile::LockWait& wait = {});

// "game no: " + field in English; a translation gets the number without the
// field's blanks.
QString gameNumberText(const QString& field);

} // namespace scores
