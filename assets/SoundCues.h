#pragma once

// Qt
#include <QByteArray>
#include <QString>
#include <QUrl>

// std
#include <optional>

// Where a player finds the game's embedded sounds and how long each lasts.
namespace assets {

// The resource of the embedded sound ("1tro", "4hrf"): qrc:/sounds/<name>.wav.
QUrl soundUrl(const QString& name);

// The playing time in milliseconds of the WAVE file whose first bytes are
// given, from its byte rate and the size of its data chunk (cut down to the
// bytes the file holds when fileSize is given). Nothing for a file that is
// not RIFF/WAVE or lacks either chunk before the data starts.
std::optional<int> wavLengthMs(const QByteArray& head, qint64 fileSize = -1);

// The playing time of the embedded sound, read from its header. Throws
// GameError naming the sound when there is none or its header is damaged.
int soundLengthMs(const QString& name);

} // namespace assets
