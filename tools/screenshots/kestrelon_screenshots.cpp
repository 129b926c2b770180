// Plays a fixed game in a throw-away working directory and saves pictures of
// the main window, board.png mid-game and ending.png after the last pair, and
// with --boxes of two message boxes, instructions.png and donation.png, and of
// the version's panel, version.png. The
// window speaks the user's language, as the game does (LANGUAGE=de ...), and
// is mirrored under a right-to-left one.
//
//   kestrelon-screenshots <output folder> [--boxes]

// own
#include "app/Languages.h"
#include "app/Unit1.h"
#include "game/GameState.h"
#include "platform/RealServices.h"
#include "platform/Services.h"

// Qt
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

// std
#include <utility>
#include <vector>

namespace {

// The game waits between turns; here it only lets pending events through, so
// a whole game is played in moments.
class InstantPause : public Pause {
  public:
    void pause(int) override { QCoreApplication::processEvents(); }
};

class SilentSound : public SoundPlayer {
  public:
    void play(const QString&) override {}
};

// Message boxes would block the run; their texts go to the error stream
// instead, unless a picture of the next one is asked for: then it is shown as
// the game shows it, saved once painted, and closed.
class GrabbingDialogs : public Dialogs {
  public:
    void setParent(QWidget* parent) { m_real.setParent(parent); }
    void grabNextAs(const QString& path) { m_grabAs = path; }
    bool grabbed() const { return m_grabbed; }
    void message(const QString& caption, const QString& text, Icon icon) override {
        if (m_grabAs.isEmpty()) {
            QTextStream(stderr) << "[" << caption << "] " << text << '\n';
            return;
        }
        const QString path = std::exchange(m_grabAs, QString());
        QTimer::singleShot(300, [this, path] {
            QWidget* box = QApplication::activeModalWidget();
            m_grabbed = box && box->grab().save(path, "PNG");
            if (box) {
                box->close();
            }
        });
        m_real.message(caption, text, icon);
    }

  private:
    WidgetDialogs m_real;
    QString m_grabAs;
    bool m_grabbed = false;
};

class NoDesktop : public Desktop {
  public:
    void openUrl(const QUrl&) override {}
};

// Fixed figures, so the memory line reads the same on every machine.
class FixedSystemInfo : public SystemInfo {
  public:
    std::uint64_t availablePhysicalMemory() const override { return std::uint64_t{8191} << 20; }
    unsigned processorCount() const override { return 4; }
};

// Lets the window lay out and paint for a moment.
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The board positions of every pair, in picture order.
std::vector<std::pair<int, int>> pairPositions(const game::GameState& state) {
    std::vector<std::pair<int, int>> pairs;
    for (int picture = game::FirstPicture; picture <= game::LastPicture; ++picture) {
        int first = 0;
        for (int k = 1; k <= game::CardCount; ++k) {
            if (state.cards[k] != picture) {
                continue;
            }
            if (first == 0) {
                first = k;
            } else {
                pairs.emplace_back(first, k);
                break;
            }
        }
    }
    return pairs;
}

bool save(TForm1& window, const QDir& out, const QString& name) {
    settle(300);
    const QString path = out.filePath(name);
    if (!window.grab().save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << "wrote " << path << '\n';
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    i18n::Translation translation(i18n::choose(QString(), QLocale::system().uiLanguages()));
    QApplication app(argc, argv);
    translation.install();
    QGuiApplication::setLayoutDirection(QLocale(translation.language()).textDirection());
    const bool boxes = argc == 3 && QByteArray(argv[2]) == "--boxes";
    if (argc != 2 && !boxes) {
        QTextStream(stderr) << "usage: kestrelon-screenshots <output folder> [--boxes]\n";
        return 2;
    }
    // The output folder is fixed before the game's working directory replaces the current one.
    const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    if (!QDir().mkpath(out.path())) {
        QTextStream(stderr) << "cannot create " << out.path() << '\n';
        return 1;
    }
    QTemporaryDir workDir;
    if (!workDir.isValid() || !QDir::setCurrent(workDir.path())) {
        QTextStream(stderr) << "cannot use a temporary working directory\n";
        return 1;
    }

    InstantPause pause;
    SilentSound sound;
    GrabbingDialogs dialogs;
    NoDesktop desktop;
    FixedSystemInfo system;
    LocalClock clock;
    const Services services{pause, sound, dialogs, desktop, system, clock};

    game::GameState state;
    state.seed = 12345;
    TForm1 window(state, services);
    dialogs.setParent(&window);
    window.show();
    settle(500);

    window.Edit1->setText(QStringLiteral("Robin"));
    window.Panel1Click();
    settle(100);

    const std::vector<std::pair<int, int>> pairs = pairPositions(state);
    if (pairs.size() != static_cast<std::size_t>(game::PairCount)) {
        QTextStream(stderr) << "the board does not hold " << game::PairCount << " pairs\n";
        return 1;
    }
    constexpr std::size_t shownPairs = 8;
    for (std::size_t i = 0; i < shownPairs; ++i) {
        window.cardClick(pairs[i].first);
        window.cardClick(pairs[i].second);
    }
    // The first card of the next turn stays face up.
    window.cardClick(pairs[shownPairs].first);
    if (!save(window, out, QStringLiteral("board.png"))) {
        return 1;
    }

    window.cardClick(pairs[shownPairs].second);
    for (std::size_t i = shownPairs + 1; i < pairs.size(); ++i) {
        window.cardClick(pairs[i].first);
        window.cardClick(pairs[i].second);
    }
    if (window.windowHeight() != 770) {
        QTextStream(stderr) << "the game did not reach its ending\n";
        return 1;
    }
    if (!save(window, out, QStringLiteral("ending.png"))) {
        return 1;
    }
    if (!boxes) {
        window.close();
        return 0;
    }
    for (const auto& [name, open] :
         {std::pair{QStringLiteral("instructions.png"), &TForm1::instructions1Click},
          std::pair{QStringLiteral("donation.png"), &TForm1::donation1Click}}) {
        dialogs.grabNextAs(out.filePath(name));
        (window.*open)();
        if (!dialogs.grabbed()) {
            QTextStream(stderr) << "cannot write " << out.filePath(name) << '\n';
            return 1;
        }
        QTextStream(stdout) << "wrote " << out.filePath(name) << '\n';
    }
    // The version's panel, over the side panel.
    window.versin1Click();
    settle(100);
    if (!save(window, out, QStringLiteral("version.png"))) {
        return 1;
    }
    window.close();
    return 0;
}
