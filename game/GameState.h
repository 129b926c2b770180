#pragma once

// own
#include "platform/SafeFile.h"

// Qt
#include <QDateTime>
#include <QString>

// std
#include <array>
#include <cstdint>

namespace game {

inline constexpr int CardCount = 36;
inline constexpr int PairCount = 18;
inline constexpr int FirstPicture = 19; // picture numbers run from 19 to 36
inline constexpr int LastPicture = 36;

// Everything a running game knows. One instance lives from process start to
// process end; the window and the rules share it.
struct GameState {
    // cards[k] is the picture number at board position k (1..36); index 0 is unused.
    std::array<int, CardCount + 1> cards{};
    // The running turn: picture numbers and positions of its first and second
    // card, 0 while not turned.
    int firstcard = 0;
    int secondcard = 0;
    int firstpos = 0;
    int secondpos = 0;
    int pairs = 0;
    int clicks = 0;
    QDateTime starttime;      // when the game's clock started
    qint64 startSteadyMs = 0; // the same moment on the steady clock, for the time taken
    QString starttext;        // the start-up time as hh:nn:ss
    QString timetext;         // scratch of the shuffle: the clock's seconds as text
    int secs = 0;             // the same seconds as a number
    QString playername;       // 24 characters once a name was confirmed
    bool sorttime = false;
    bool sortclick = false;
    bool soundoff = false;

    std::uint32_t seed = 0;                   // the card generator's state
    std::array<bool, CardCount + 1> faceUp{}; // found pairs and the running turn's picks
    bool ended = false;                       // the ending already ran for this game
    int generation = 0;                       // counts games, so a wait can tell a new game began
    safefile::Folder folder;                  // the game's folder, held open for the whole run
};

} // namespace game
