#pragma once

// own
#include "platform/GameError.h"

// Qt
#include <QString>

// The message of the GameError that action throws, or "" when none.
template <typename Action> QString errorOf(Action action) {
    try {
        action();
    } catch (const GameError& error) {
        return error.message();
    }
    return {};
}
