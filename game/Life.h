#pragma once

// own
#include "platform/SafeFile.h"

// Qt
#include <QString>

class QDateTime;

namespace game {

struct GameState;

// Start-up: the game's folder, no click counted, ranking by clicks, sound
// on, every card face down.
void startUp(GameState& state, safefile::Folder folder);

// Stamps the moment the program started (now, and steadyMs on the steady
// clock); its time as hh:mm:ss stays for every game of the run.
void stampStartUp(GameState& state, const QDateTime& now, qint64 steadyMs);

// A new game on the same folder: the clock restarts at now (steadyMs on the
// steady clock), no click is counted, the sound is on again and every card
// lies face down.
void newGame(GameState& state, const QDateTime& now, qint64 steadyMs);

// True once per game, when the last pair is found; from then on the ending
// counts as run for this game.
bool takeEnding(GameState& state);

// The player's choices: the key of the ranking, the sound, the name (as the
// list takes it, already cut or padded).
void rankByTime(GameState& state);
void rankByClicks(GameState& state);
void switchSound(GameState& state, bool on);
void takeName(GameState& state, const QString& name);

// The mark of the chosen ranking: "C" for clicks, "T" for time in English,
// a letter of the installed translation otherwise (context "game").
QString rankingMark(const GameState& state);

// The card pictures: the face of a board position, and the card back.
QString faceFile(const GameState& state, int position);
QString backFile();

// The picture a pair count brings up ("engerl.bmp" at the 16th pair), or an
// empty text for every other count.
QString pairPicture(int pairs);

// The picture closing a game: decided by the tens digit of the start-up
// time's seconds, "kaeptn.bmp" when it is odd, "metoo.bmp" when it is even.
QString endPicture(const GameState& state);

// The picture shown with the result when all pairs are found ("bengerl.bmp")
// and the designer's picture ("me.bmp").
QString allPairsPicture();
QString designerPicture();

// The embedded sounds: the one closing a game ("1tro") and the one
// greeting the sound switched on ("4hrf").
QString closingSound();
QString soundOnSound();

} // namespace game
