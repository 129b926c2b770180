// own
#include "game/Life.h"
#include "game/GameState.h"
#include "game/Turns.h"

// Qt
#include <QCoreApplication>
#include <QDateTime>

// std
#include <utility>

namespace game {

void startUp(GameState& state, safefile::Folder folder) {
    state.folder = std::move(folder);
    state.clicks = 0;
    state.sortclick = true;
    state.soundoff = false;
    resetGame(state);
}

void stampStartUp(GameState& state, const QDateTime& now, qint64 steadyMs) {
    // A format string is read in the C locale: always two digits and colons.
    state.starttext = now.time().toString(QStringLiteral("hh:mm:ss"));
    state.starttime = now;
    state.startSteadyMs = steadyMs;
}

void newGame(GameState& state, const QDateTime& now, qint64 steadyMs) {
    state.clicks = 0;
    state.starttime = now;
    state.startSteadyMs = steadyMs;
    state.soundoff = false;
    resetGame(state);
}

bool takeEnding(GameState& state) {
    if (!ending(state)) {
        return false;
    }
    state.ended = true;
    return true;
}

void rankByTime(GameState& state) {
    state.sorttime = true;
    state.sortclick = false;
}

void rankByClicks(GameState& state) {
    state.sorttime = false;
    state.sortclick = true;
}

void switchSound(GameState& state, bool on) {
    state.soundoff = !on;
}

void takeName(GameState& state, const QString& name) {
    state.playername = name;
}

QString rankingMark(const GameState& state) {
    return state.sortclick ? QCoreApplication::translate("game", "C", "ranking mark: by clicks")
                           : QCoreApplication::translate("game", "T", "ranking mark: by time");
}

QString faceFile(const GameState& state, int position) {
    return QStringLiteral("img%1.bmp").arg(state.cards[static_cast<std::size_t>(position)]);
}

QString backFile() {
    return QStringLiteral("empty.bmp");
}

QString pairPicture(int pairs) {
    return pairs == 16 ? QStringLiteral("engerl.bmp") : QString();
}

QString endPicture(const GameState& state) {
    const bool odd = state.starttext.mid(6, 1).toInt() % 2 == 1;
    return odd ? QStringLiteral("kaeptn.bmp") : QStringLiteral("metoo.bmp");
}

QString allPairsPicture() {
    return QStringLiteral("bengerl.bmp");
}

QString designerPicture() {
    return QStringLiteral("me.bmp");
}

QString closingSound() {
    return QStringLiteral("1tro");
}

QString soundOnSound() {
    return QStringLiteral("4hrf");
}

} // namespace game
