// The game as app/main.cpp starts it (keep the two in step), with one of
// these measurements, printed as name=value lines:
//   --startup --since <t>  time from <t> (the shell's $EPOCHREALTIME right
//                          before it started this program) to the window's
//                          first frame, and the peak resident memory 300 ms on
//   --idle                 processor time during a real pause(2500) and then
//                          while the window sits idle for 10 s
//   --click                time from a card's synthetic mouse release to the
//                          end of that card's paint, over 40 card clicks
//   --language <code>      the language the game speaks, as its option does
//   --languages            the codes of the languages the game speaks
//   --texts                the texts of the first frame, as key=value lines
//                          (a newline as \n), for the bare window to draw
// It runs in the current folder, writing the game's files there.

// own
#include "app/Languages.h"
#include "app/PictureBox.h"
#include "app/Program.h"
#include "app/Unit1.h"
#include "bench/BenchApp.h"
#include "game/GameState.h"

// Qt
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

// std
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int settleMs = 300;

void reportStartup(double ms, int argc, char* argv[]) {
    QTimer::singleShot(settleMs, [ms, argc, argv] {
        std::printf("startup_ms=%.1f\nmaxrss_kib=%ld\n", ms, bench::maxRssKiB());
        bench::printMappings(argc, argv);
        QApplication::quit();
    });
}

double cpuPercentOver(const std::function<void()>& wait) {
    QElapsedTimer wall;
    const double cpu0 = bench::cpuMs();
    wall.start();
    wait();
    const double cpu = bench::cpuMs() - cpu0;
    return 100.0 * cpu / static_cast<double>(wall.nsecsElapsed() / 1'000'000.0);
}

void measureIdle() {
    const double pausePct = cpuPercentOver([] { EventLoopPause().pause(2500); });
    const double idlePct = cpuPercentOver([] {
        QEventLoop loop;
        QTimer::singleShot(10'000, &loop, &QEventLoop::quit);
        loop.exec();
    });
    std::printf("pause_cpu_pct=%.2f\nidle_cpu_pct=%.2f\n", pausePct, idlePct);
    QApplication::quit();
}

// The positions to click: three misses, then seventeen pairs (the last pair
// is left, so no closing tune plays).
std::vector<int> clickPlan(const game::GameState& state) {
    auto positionsOf = [&state](int picture) {
        std::vector<int> found;
        for (int k = 1; k <= game::CardCount; ++k) {
            if (state.cards[static_cast<std::size_t>(k)] == picture) {
                found.push_back(k);
            }
        }
        return found;
    };
    std::vector<int> plan;
    for (int miss = 0; miss < 3; ++miss) {
        plan.push_back(positionsOf(game::FirstPicture + miss).front());
        plan.push_back(positionsOf(game::LastPicture - miss).front());
    }
    for (int picture = game::FirstPicture; picture < game::LastPicture; ++picture) {
        const std::vector<int> pair = positionsOf(picture);
        plan.insert(plan.end(), pair.begin(), pair.end());
    }
    return plan;
}

void measureClicks(bench::App& app, TForm1& window, const game::GameState& state) {
    window.Edit1->setText(QStringLiteral("Bench"));
    window.Panel1->click();

    std::vector<double> latencies;
    QElapsedTimer timer;
    QObject* waitingFor = nullptr;
    app.onPaintEnd = [&](QObject* painted) {
        if (painted == waitingFor) {
            latencies.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            waitingFor = nullptr;
        }
    };
    for (const int position : clickPlan(state)) {
        auto* card = window.findChild<PictureBox*>(QStringLiteral("Image%1").arg(position));
        const QPointF inside(card->width() / 2.0, card->height() / 2.0);
        const QPointF global = card->mapToGlobal(inside);
        QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(card, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, global, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        waitingFor = card;
        timer.start();
        // Returns once the turn's pause is over; the face was painted before.
        QApplication::sendEvent(card, &release);
    }
    app.onPaintEnd = nullptr;
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double share) {
        return latencies.empty()
                   ? -1.0
                   : latencies[static_cast<std::size_t>(share * (latencies.size() - 1))];
    };
    std::printf("clicks=%zu\nclick_paint_median_ms=%.2f\nclick_paint_p90_ms=%.2f\n"
                "click_paint_max_ms=%.2f\n",
                latencies.size(), at(0.5), at(0.9), latencies.empty() ? -1.0 : latencies.back());
    QApplication::quit();
}

// What the first frame shows, under the bare window's names for it.
void printTexts(const TForm1& window) {
    const auto print = [](const char* key, QString text) {
        text.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('\n'), QLatin1String("\\n"));
        std::printf("%s=%s\n", key, qPrintable(text));
    };
    const char* menuKeys[] = {"start", "highscores", "soundOn", "soundOff", "help", "end"};
    const QList<QAction*> menu = window.menuBar()->actions();
    for (int i = 0; i < 6 && i < menu.size(); ++i) {
        print(menuKeys[i], menu.at(i)->text());
    }
    const auto label = [&window](const char* name) {
        const auto* found = window.findChild<QLabel*>(QString::fromLatin1(name));
        return found != nullptr && found->isVisible() ? found->text() : QString();
    };
    print("prompt", label("Label3"));
    print("memory", label("Label4"));
    print("memoryValue", label("Label5"));
    print("startLine", label("Label1"));
    print("mark", label("Label8"));
    print("number", label("Label9"));
    print("ok", window.Panel1->text());
    print("placeholder", window.Edit1->placeholderText());
    print("notice", label("StatusPanel0"));
    print("date", label("StatusPanel1"));
    print("clock", label("StatusPanel2"));
}

} // namespace

int main(int argc, char* argv[]) {
    if (bench::hasArgument(argc, argv, "--languages")) {
        for (const QString& code : i18n::available()) {
            std::printf("%s\n", qPrintable(code));
        }
        return 0;
    }
    i18n::Translation translation(
        i18n::choose(QString::fromStdString(bench::argumentValue(argc, argv, "--language")),
                     QLocale::system().uiLanguages()));
    bench::App app(argc, argv);
    translation.install();
    QGuiApplication::setLayoutDirection(QLocale(translation.language()).textDirection());
    Program::describeApplication();
    Program program;
    TForm1& window = program.window();
    game::GameState& state = program.state();
    QObject::connect(&window, &TForm1::terminateRequested, &app, &QApplication::quit,
                     Qt::QueuedConnection);

    app.watch(&window, [&] {
        if (bench::hasArgument(argc, argv, "--startup")) {
            reportStartup(bench::msSinceLaunch(argc, argv), argc, argv);
        } else if (bench::hasArgument(argc, argv, "--idle")) {
            QTimer::singleShot(settleMs, measureIdle);
        } else if (bench::hasArgument(argc, argv, "--texts")) {
            printTexts(window);
            QApplication::quit();
        } else if (bench::hasArgument(argc, argv, "--click")) {
            QTimer::singleShot(settleMs, [&] { measureClicks(app, window, state); });
        } else {
            std::fputs("bench_game: --startup --since <t>, --idle, --click or --texts\n", stderr);
            QApplication::exit(2);
        }
    });
    window.show();
    return QApplication::exec();
}
