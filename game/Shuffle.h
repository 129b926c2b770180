#pragma once

// std
#include <cstdint>
#include <functional>

class QDateTime;

namespace game {

struct GameState;

// The card generator: advances the seed and returns a number from 0 to range - 1.
int random(std::uint32_t& seed, int range);

// Deals the 36 cards: two of each picture 19..36, mixed by 35 exchange passes.
// Each pass also reads the clock, and its seconds decide which of four fixed
// block exchanges run in that pass, so the deal depends on the moment as well
// as on the seed.
void shuffle(GameState& state, const std::function<QDateTime()>& now);

} // namespace game
