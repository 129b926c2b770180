#pragma once

// own
#include "platform/Services.h"

// Qt
#include <QLibrary>

// std
#include <memory>

// Plays the game's embedded sounds through the sound module, loaded when the
// first sound plays. Without the module the game stays silent.
class LazySoundPlayer : public SoundPlayer {
  public:
    LazySoundPlayer();
    ~LazySoundPlayer() override;
    LazySoundPlayer(const LazySoundPlayer&) = delete;
    LazySoundPlayer& operator=(const LazySoundPlayer&) = delete;

    void play(const QString& name) override;

  private:
    bool load();

    QLibrary m_module;
    bool m_tried = false;
    void (*m_play)(void*, const char*, long long) = nullptr;
    std::unique_ptr<void, void (*)(void*)> m_player{nullptr, [](void*) {}};
};
