// own
#include "game/Shuffle.h"
#include "game/GameState.h"

// Qt
#include <QDateTime>

// std
#include <utility>

namespace game {

int random(std::uint32_t& seed, int range) {
    seed = seed * 134775813U + 1U; // wraps modulo 2^32
    const std::uint64_t product = static_cast<std::uint64_t>(static_cast<std::uint32_t>(range)) *
                                  static_cast<std::uint64_t>(seed);
    return static_cast<int>(product >> 32);
}

namespace {

void exchange(GameState& state, int a, int b) {
    std::swap(state.cards[a], state.cards[b]);
}

// The block exchanges that the clock's seconds switch on; every test is strict.
void saltWithSeconds(GameState& state) {
    if (state.secs > 5) {
        for (int j = 0; j <= 10; ++j) {
            exchange(state, 10 + j, 21 + j);
        }
    }
    if (state.secs > 15) {
        for (int j = 0; j <= 7; ++j) {
            exchange(state, 9 + j, 19 + j);
        }
    }
    if (state.secs > 29) {
        for (int j = 0; j <= 7; ++j) {
            exchange(state, 1 + j, 11 + j);
        }
    }
    if (state.secs > 35) {
        exchange(state, 16, 36);
    }
}

} // namespace

void shuffle(GameState& state, const std::function<QDateTime()>& now) {
    for (int k = 1; k <= CardCount; ++k) {
        state.cards[k] = k <= PairCount ? k + PairCount : k;
    }
    for (int i = 1; i <= CardCount - 1; ++i) {
        const int r = i + random(state.seed, CardCount + 1 - i);
        exchange(state, i, r);
        state.starttime = now();
        state.timetext = state.starttime.time().toString(QStringLiteral("hh:mm:ss")).mid(6, 2);
        state.secs = state.timetext.toInt();
        saltWithSeconds(state);
    }
}

} // namespace game
