#pragma once

namespace game {

struct GameState;

enum class Verdict { NothingYet, Mismatch, Match };

// A card can be turned when it lies face down and the running turn does not
// already hold two cards waiting for their verdict.
bool canTurn(const GameState& state, int position);

// Records a turned card as the first or second card of the turn and counts
// the click. Only call after canTurn said yes.
void recordPick(GameState& state, int position);

// What the turn's two cards make, judged on the current state.
Verdict verdict(const GameState& state);

// A mismatch: both cards lie face down again and the turn starts afresh.
void turnBack(GameState& state);

// A match: the pair counts and stays face up; the turn starts afresh.
void takePair(GameState& state);

// The progress bar's position for a number of pairs.
int progressPosition(int pairs);

// The ending runs once per game, when the last pair is found.
bool ending(const GameState& state);

// A new game: no pair found, every card face down, no click counted.
void resetGame(GameState& state);

} // namespace game
