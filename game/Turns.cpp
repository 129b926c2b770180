// own
#include "game/Turns.h"
#include "game/GameState.h"

namespace game {

namespace {

void clearTurn(GameState& state) {
    state.firstcard = 0;
    state.secondcard = 0;
    state.firstpos = 0;
    state.secondpos = 0;
}

} // namespace

bool canTurn(const GameState& state, int position) {
    if (position < 1 || position > CardCount) {
        return false;
    }
    const bool turnIsFull = state.firstpos > 0 && state.secondpos > 0;
    return !turnIsFull && !state.faceUp[position];
}

void recordPick(GameState& state, int position) {
    const int picture = state.cards[position];
    if (state.firstpos == 0) {
        state.firstcard = picture;
        state.firstpos = position;
    } else {
        state.secondcard = picture;
        state.secondpos = position;
    }
    state.faceUp[position] = true;
    // Counted here, before the verdict, so that a finished game's result
    // includes the click that found the last pair.
    ++state.clicks;
}

Verdict verdict(const GameState& state) {
    if (state.firstcard == 0 || state.secondcard == 0) {
        return Verdict::NothingYet;
    }
    return state.firstcard == state.secondcard ? Verdict::Match : Verdict::Mismatch;
}

void turnBack(GameState& state) {
    state.faceUp[state.firstpos] = false;
    state.faceUp[state.secondpos] = false;
    clearTurn(state);
}

void takePair(GameState& state) {
    ++state.pairs;
    clearTurn(state);
}

int progressPosition(int pairs) {
    return pairs * 6;
}

bool ending(const GameState& state) {
    return state.pairs >= PairCount && !state.ended;
}

void resetGame(GameState& state) {
    state.pairs = 0;
    clearTurn(state);
    state.faceUp.fill(false);
    state.ended = false;
    ++state.generation;
}

} // namespace game
