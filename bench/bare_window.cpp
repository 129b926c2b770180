// A bare Qt Widgets window of the game's shape: the same menu, a grid of 36
// cards (plain labels showing a picture made in memory), a progress bar, a
// prompt, a name box with its button, the side labels, a hidden 12 x 5 table
// and a status bar with three panels. The yardstick for the game's start-up
// time and memory. Prints name=value lines like bench_game --startup:
//   --startup --since <t>  time from <t> to the first frame, peak memory 300 ms on
//   --texts <file>         the texts to show, as bench_game --texts prints
//                          the game's first frame in a language: the same
//                          texts in the same faces, so the floor loads the
//                          fonts that language's script needs (English
//                          without it)

// own
#include "bench/BenchApp.h"

// Qt
#include <QFile>
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
#include <cstdlib>
#include <map>

namespace {

// What the game's window shows in its first frame.
struct Texts {
    QString start = u"&start"_qs, highscores = u"&Highscores"_qs, soundOn = u"Sound o&n"_qs,
            soundOff = u"Sound o&ff"_qs, help = u"He&lp"_qs, end = u"&end"_qs,
            prompt = u"First enter your name below, then click OK!"_qs, memory = u"free memory:"_qs,
            memoryValue = u"12.345 MB"_qs, startLine = u"  start : 14:00:00"_qs, mark = u"C"_qs,
            number, ok = u"OK"_qs, placeholder = u"your name"_qs, notice,
            date = u"December 08, 2026"_qs, clock = u"14:00:00 UTC"_qs;
};

// The key=value lines bench_game --texts prints; a key not given keeps its
// English text.
Texts readTexts(const std::string& path) {
    Texts texts;
    if (path.empty()) {
        return texts;
    }
    const std::map<QString, QString Texts::*> keys{
        {u"start"_qs, &Texts::start},
        {u"highscores"_qs, &Texts::highscores},
        {u"soundOn"_qs, &Texts::soundOn},
        {u"soundOff"_qs, &Texts::soundOff},
        {u"help"_qs, &Texts::help},
        {u"end"_qs, &Texts::end},
        {u"prompt"_qs, &Texts::prompt},
        {u"memory"_qs, &Texts::memory},
        {u"memoryValue"_qs, &Texts::memoryValue},
        {u"startLine"_qs, &Texts::startLine},
        {u"mark"_qs, &Texts::mark},
        {u"number"_qs, &Texts::number},
        {u"ok"_qs, &Texts::ok},
        {u"placeholder"_qs, &Texts::placeholder},
        {u"notice"_qs, &Texts::notice},
        {u"date"_qs, &Texts::date},
        {u"clock"_qs, &Texts::clock},
    };
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_bare: cannot read %s\n", path.c_str());
        std::exit(2);
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const auto found = keys.find(QString::fromUtf8(line.left(equals)));
        if (equals > 0 && found != keys.end()) {
            QString value = QString::fromUtf8(line.mid(equals + 1));
            value.replace(u"\\n"_qs, u"\n"_qs).replace(u"\\\\"_qs, u"\\"_qs);
            texts.*(found->second) = value;
        }
    }
    return texts;
}

} // namespace

int main(int argc, char* argv[]) {
    bench::App app(argc, argv);
    const Texts texts = readTexts(bench::argumentValue(argc, argv, "--texts"));
    // Mirrored where the game's texts are right-to-left, as the game is.
    if (QString(texts.prompt).isRightToLeft()) {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));

    QMenuBar* bar = window.menuBar();
    bar->addAction(texts.start);
    QMenu* scores = bar->addMenu(texts.highscores);
    for (const char* item : {"&Show high scores", "&Hide high scores", "", "Sort on &time",
                             "Sort on &clicks", "", "&New list"}) {
        if (*item == '\0') {
            scores->addSeparator();
        } else {
            scores->addAction(QString::fromLatin1(item));
        }
    }
    bar->addAction(texts.soundOn);
    bar->addAction(texts.soundOff);
    QMenu* help = bar->addMenu(texts.help);
    for (const char* item : {"&Instructions", "&Version", "&Designer", "&Free memory", "",
                             "&Publisher's web site", "&Mail to the publisher", "D&onation"}) {
        if (*item == '\0') {
            help->addSeparator();
        } else {
            help->addAction(QString::fromLatin1(item));
        }
    }
    bar->addAction(texts.end);

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
    auto* prompt = new QLabel(texts.prompt, board);
    QFont promptFont = prompt->font();
    promptFont.setPointSize(11);
    prompt->setFont(promptFont);
    grid->addWidget(prompt, 5, 0, 1, 9);
    auto* name = new QLineEdit(board);
    name->setPlaceholderText(texts.placeholder);
    grid->addWidget(name, 6, 0, 1, 4);
    auto* ok = new QPushButton(texts.ok, board);
    QFont bold = ok->font();
    bold.setBold(true);
    ok->setFont(bold);
    grid->addWidget(ok, 6, 4);
    // Beside them: the side labels, in the fonts the game's use (a bold mark,
    // the start line in a fixed-width face).
    auto* side = new QVBoxLayout;
    for (const QString& text : {texts.number, texts.memory, texts.memoryValue}) {
        side->addWidget(new QLabel(text, board));
    }
    auto* mark = new QLabel(texts.mark, board);
    QFont large = bold;
    large.setPointSize(14);
    mark->setFont(large);
    side->addWidget(mark);
    auto* start = new QLabel(texts.startLine, board);
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
    status->addWidget(new QLabel(texts.notice, status), 1);
    status->addPermanentWidget(new QLabel(texts.date, status));
    status->addPermanentWidget(new QLabel(texts.clock, status));
    window.setStatusBar(status);
    window.setFixedSize(1076, 485);

    if (!bench::hasArgument(argc, argv, "--startup")) {
        std::fputs("bench_bare: --startup --since <t>\n", stderr);
        return 2;
    }
    app.watch(&window, [&] {
        const double ms = bench::msSinceLaunch(argc, argv);
        QTimer::singleShot(300, [ms, argc, argv] {
            std::printf("startup_ms=%.1f\nmaxrss_kib=%ld\n", ms, bench::maxRssKiB());
            bench::printMappings(argc, argv);
            QApplication::quit();
        });
    });
    window.show();
    return QApplication::exec();
}
