// A bare Qt Widgets window of the game's shape: the same menu, a grid of 36
// cards (plain labels showing a picture made in memory), a progress bar, a
// prompt, a name box with its button, the side labels, a hidden 12 x 5 table
// and a status bar with three panels. The yardstick for the game's start-up
// time and memory. Prints name=value lines like bench_game --startup:
//   --startup --since <t>  time from <t> to the first frame, peak memory 300 ms on

// own
#include "bench/BenchApp.h"

// Qt
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

// std
#include <cstdio>

int main(int argc, char* argv[]) {
    bench::App app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));

    QMenuBar* bar = window.menuBar();
    bar->addAction(QStringLiteral("&start"));
    QMenu* scores = bar->addMenu(QStringLiteral("&Highscores"));
    for (const char* item : {"&Show high scores", "&Hide high scores", "", "Sort on &time",
                             "Sort on &clicks", "", "&New list"}) {
        if (*item == '\0') {
            scores->addSeparator();
        } else {
            scores->addAction(QString::fromLatin1(item));
        }
    }
    bar->addAction(QStringLiteral("Sound o&n"));
    bar->addAction(QStringLiteral("Sound o&ff"));
    QMenu* help = bar->addMenu(QStringLiteral("He&lp"));
    for (const char* item : {"&Instructions", "&Version", "&Designer", "&Free memory", "",
                             "&Publisher's web site", "&Mail to the publisher", "D&onation"}) {
        if (*item == '\0') {
            help->addSeparator();
        } else {
            help->addAction(QString::fromLatin1(item));
        }
    }
    bar->addAction(QStringLiteral("&end"));

    auto* board = new QWidget(&window);
    auto* grid = new QGridLayout(board);
    grid->setSpacing(6);
    QPixmap back(68, 68);
    back.fill(QColor(20, 40, 120));
    for (int k = 0; k < 36; ++k) {
        auto* card = new QLabel(board);
        card->setPixmap(back);
        card->setFixedSize(68, 68);
        grid->addWidget(card, k / 9, k % 9);
    }
    // Below the cards: the progress bar, the prompt and the name entry.
    auto* progress = new QProgressBar(board);
    progress->setTextVisible(false);
    grid->addWidget(progress, 4, 0, 1, 9);
    grid->addWidget(
        new QLabel(QStringLiteral("Please enter your name below, then click OK!"), board), 5, 0, 1,
        9);
    grid->addWidget(new QLineEdit(board), 6, 0, 1, 4);
    auto* ok = new QPushButton(QStringLiteral("OK"), board);
    QFont bold = ok->font();
    bold.setBold(true);
    ok->setFont(bold);
    grid->addWidget(ok, 6, 4);
    // Beside them: the side labels, in the fonts the game's use (a bold mark,
    // the start line in a fixed-width face).
    auto* side = new QVBoxLayout;
    for (const char* text : {"game no:    1", "free memory:", "12345 MB"}) {
        side->addWidget(new QLabel(QString::fromLatin1(text), board));
    }
    auto* mark = new QLabel(QStringLiteral("C"), board);
    QFont large = bold;
    large.setPointSize(14);
    mark->setFont(large);
    side->addWidget(mark);
    auto* start = new QLabel(QStringLiteral("  start : 14:00:00"), board);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(8);
    start->setFont(mono);
    side->addWidget(start);
    side->addStretch(1);
    grid->addLayout(side, 0, 9, 7, 1);
    auto* table = new QTableWidget(12, 5, board);
    table->hide();
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(9, 1);
    window.setCentralWidget(board);

    auto* status = new QStatusBar(&window);
    status->addWidget(new QLabel(QStringLiteral("notice"), status), 1);
    status->addPermanentWidget(new QLabel(QStringLiteral("December 08, 2026"), status));
    status->addPermanentWidget(new QLabel(QStringLiteral("14:00:00 UTC"), status));
    window.setStatusBar(status);
    window.setFixedSize(1076, 485);

    if (!bench::hasArgument(argc, argv, "--startup")) {
        std::fputs("bench_bare: --startup --since <t>\n", stderr);
        return 2;
    }
    app.watch(&window, [&] {
        const double ms = bench::msSinceLaunch(argc, argv);
        QTimer::singleShot(300, [ms] {
            std::printf("startup_ms=%.1f\nmaxrss_kib=%ld\n", ms, bench::maxRssKiB());
            QApplication::quit();
        });
    });
    window.show();
    return QApplication::exec();
}
