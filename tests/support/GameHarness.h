#pragma once

// own
#include "app/Unit1.h"
#include "game/GameState.h"
#include "support/Fakes.h"

// Qt
#include <QString>
#include <QTemporaryDir>

// std
#include <memory>

class PictureBox;
class QLabel;

// One main window with fake services, started in a fresh temporary folder
// (the game's working directory) with seed 0 unless told otherwise.
class GameHarness {
  public:
    // Finished runs the start-up steps that wait for the first frame right
    // away, as a shown window would; Pending leaves them to the test.
    enum class StartUp { Finished, Pending };
    explicit GameHarness(std::uint32_t seed = 0,
                         const std::function<void(const QString&)>& prepare = {},
                         StartUp startUp = StartUp::Finished);
    ~GameHarness();
    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString dir() const { return m_dir.path(); }
    TForm1& window() { return *m_window; }
    QLabel* label(int n) const;
    PictureBox* image(int n) const;
    // Positions of the two cards showing a picture.
    std::pair<int, int> pairOf(int picture) const;
    // A position whose picture differs from the one at `position`.
    int otherThan(int position) const;
    // Finds all pairs, clicking each pair's two cards.
    void findAllPairs();
    // Finds every pair but the last and turns the last pair's first card,
    // clicking through the cards' handlers as a player would; returns the
    // position of the card that ends the game.
    int findAllButTheLastCard();
    QByteArray read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;

    FakeServices fakes;
    game::GameState state;

  private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    std::unique_ptr<TForm1> m_window;
};
