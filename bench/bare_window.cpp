// A bare Qt Widgets window of the game's shape: the same menu, a grid of 36
// cards (plain labels showing a picture made in memory), a progress bar, a
// prompt, a name box with its button, the side labels, a hidden 12 x 5 table
// and a status bar with three panels. The yardstick for the game's start-up
// time and memory. Prints name=value lines like bench_game --startup:
//   --startup --since <t>  time from <t> to the first frame, peak memory 300 ms on
//   --language <code>      the texts the game shows at start-up in that
//                          language (en, ja, ko, zh_CN, ar), in the same faces:
//                          the floor for a language whose script needs fonts
//                          of its own

// own
#include "bench/BenchApp.h"

// Qt
#include <QDate>
#include <QGridLayout>
#include <QLocale>
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
#include <map>

namespace {

// What the game's window shows in its first frame, in the player's language.
struct Texts {
    QString start, highscores, soundOn, soundOff, help, end, prompt, memory, startLine, mark, ok,
        number;
};

Texts textsFor(const std::string& language) {
    static const std::map<std::string, Texts> texts{
        {"ja",
         {u"スタート(&S)"_qs, u"ハイスコア(&H)"_qs, u"音あり(&N)"_qs, u"音なし(&F)"_qs,
          u"ヘルプ(&L)"_qs, u"おわり(&E)"_qs,
          u"まず下に名前を入れて、OK をクリックしてください！"_qs, u"空きメモリ："_qs,
          u"スタート：14:00:00"_qs, u"回"_qs, u"OK"_qs, u"ゲーム番号：1"_qs}},
        {"ko",
         {u"시작(&S)"_qs, u"최고 기록(&H)"_qs, u"소리 켜기(&N)"_qs, u"소리 끄기(&F)"_qs,
          u"도움말(&L)"_qs, u"끝내기(&E)"_qs, u"먼저 아래에 이름을 쓰고 ‘확인’을 클릭하세요!"_qs,
          u"사용 가능한 메모리:"_qs, u"시작: 14:00:00"_qs, u"클"_qs, u"확인"_qs,
          u"게임 번호: 1"_qs}},
        {"zh_CN",
         {u"开始(&S)"_qs, u"排行榜(&H)"_qs, u"开启声音(&N)"_qs, u"关闭声音(&F)"_qs, u"帮助(&L)"_qs,
          u"退出(&E)"_qs, u"请先在下面输入你的名字，然后点击“确定”！"_qs, u"可用内存："_qs,
          u"开始：14:00:00"_qs, u"次"_qs, u"确定"_qs, u"第 1 局"_qs}},
        {"ar",
         {u"&بدء اللعب"_qs, u"أفضل ال&نتائج"_qs, u"&تشغيل الصوت"_qs, u"إي&قاف الصوت"_qs,
          u"م&ساعدة"_qs, u"&خروج"_qs, u"اكتب اسمك أولًا في الأسفل، ثم انقر «موافق»!"_qs,
          u"الذاكرة المتاحة:"_qs, u"البدء: 14:00:00"_qs, u"ن"_qs, u"موافق"_qs, u"اللعبة رقم 1"_qs}},
    };
    const auto found = texts.find(language);
    if (found != texts.end()) {
        return found->second;
    }
    return {u"&start"_qs,
            u"&Highscores"_qs,
            u"Sound o&n"_qs,
            u"Sound o&ff"_qs,
            u"He&lp"_qs,
            u"&end"_qs,
            u"First enter your name below, then click OK!"_qs,
            u"free memory:"_qs,
            u"  start : 14:00:00"_qs,
            u"C"_qs,
            u"OK"_qs,
            u"game no:    1"_qs};
}

} // namespace

int main(int argc, char* argv[]) {
    bench::App app(argc, argv);
    const std::string language = bench::argumentValue(argc, argv, "--language");
    const Texts texts = textsFor(language);
    const QLocale locale(QString::fromStdString(language.empty() ? "en" : language));
    QGuiApplication::setLayoutDirection(locale.textDirection());

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
    grid->addWidget(new QLabel(texts.prompt, board), 5, 0, 1, 9);
    grid->addWidget(new QLineEdit(board), 6, 0, 1, 4);
    auto* ok = new QPushButton(texts.ok, board);
    QFont bold = ok->font();
    bold.setBold(true);
    ok->setFont(bold);
    grid->addWidget(ok, 6, 4);
    // Beside them: the side labels, in the fonts the game's use (a bold mark,
    // the start line in a fixed-width face).
    auto* side = new QVBoxLayout;
    for (const QString& text : {texts.number, texts.memory, u"12345 MB"_qs}) {
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
    status->addWidget(new QLabel(QStringLiteral("notice"), status), 1);
    status->addPermanentWidget(
        new QLabel(language.empty() || language == "en"
                       ? u"December 08, 2026"_qs
                       : locale.toString(QDate(2026, 12, 8), QLocale::LongFormat),
                   status));
    status->addPermanentWidget(new QLabel(QStringLiteral("14:00:00 UTC"), status));
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
