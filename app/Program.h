#pragma once

// own
#include "app/Unit1.h"
#include "game/GameState.h"
#include "platform/RealServices.h"
#include "platform/SoundModule.h"

// The game as the program block builds it: the real services, the game
// state with a seed of its own, and the one main window, wired together.
// The window asks to end through terminateRequested; whoever runs the event
// loop connects that.
class Program {
  public:
    Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Names and icon of the application; call once the QApplication exists.
    static void describeApplication();

    TForm1& window() { return m_window; }
    game::GameState& state() { return m_state; }

  private:
    EventLoopPause m_pause;
    ModuleSoundPlayer m_sound;
    WidgetDialogs m_dialogs;
    QtDesktop m_desktop;
    HostSystemInfo m_system;
    LocalClock m_clock;
    game::GameState m_state;
    TForm1 m_window;
};
