// own
#include "support/GameHarness.h"
#include "app/PictureBox.h"

// Qt
#include <QDir>
#include <QFile>
#include <QLabel>

GameHarness::GameHarness(std::uint32_t seed, const std::function<void(const QString&)>& prepare,
                         StartUp startUp) {
    m_previousDir = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    if (prepare) {
        prepare(m_dir.path());
    }
    state.seed = seed;
    m_window = std::make_unique<TForm1>(state, fakes.services());
    if (startUp == StartUp::Finished) {
        m_window->finishStartUp();
    }
}

GameHarness::~GameHarness() {
    m_window.reset();
    QDir::setCurrent(m_previousDir);
}

QLabel* GameHarness::label(int n) const {
    return m_window->findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
}

PictureBox* GameHarness::image(int n) const {
    return m_window->findChild<PictureBox*>(QStringLiteral("Image%1").arg(n));
}

std::pair<int, int> GameHarness::pairOf(int picture) const {
    int first = 0;
    for (int k = 1; k <= game::CardCount; ++k) {
        if (state.cards[k] == picture) {
            if (first == 0) {
                first = k;
            } else {
                return {first, k};
            }
        }
    }
    return {first, 0};
}

int GameHarness::otherThan(int position) const {
    for (int k = 1; k <= game::CardCount; ++k) {
        if (state.cards[k] != state.cards[position] && !state.faceUp[k]) {
            return k;
        }
    }
    return 0;
}

void GameHarness::findAllPairs() {
    for (int picture = game::FirstPicture; picture <= game::LastPicture; ++picture) {
        const auto [a, b] = pairOf(picture);
        m_window->cardClick(a);
        m_window->cardClick(b);
    }
}

int GameHarness::findAllButTheLastCard() {
    for (int picture = game::FirstPicture; picture < game::LastPicture; ++picture) {
        const auto [a, b] = pairOf(picture);
        emit image(a)->clicked();
        emit image(b)->clicked();
    }
    const auto [a, b] = pairOf(game::LastPicture);
    emit image(a)->clicked();
    return b;
}

QByteArray GameHarness::read(const QString& name) const {
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void GameHarness::write(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}
