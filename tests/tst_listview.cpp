// The high-score list through the window's menu: showing, hiding, ranking,
// renewing, and the name taken with the OK panel.

// own
#include "support/GameHarness.h"
#include "support/WriteBlocker.h"

// Qt
#include <QAction>
#include <QDir>
#include <QFontDatabase>
#include <QScrollBar>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

class ListViewTest : public QObject {
    Q_OBJECT

  private slots:
    void okTakesTheNameAndReadsTheList();
    void showingTheListReadsAndRanksIt();
    void hidingTheListRestoresTheBoard();
    void rankingFromTheMenu_data();
    void rankingFromTheMenu();
    void newListKeepsTheOldOneAsBackup();
    void nameFromAnEarlierGameIsKept();
    void namesComeBackAsTyped_data();
    void namesComeBackAsTyped();
    void gridShowsItsRowsWholeInAnyFont_data();
    void gridShowsItsRowsWholeInAnyFont();
    void unwritableListIsReportedAndKeptWhole();

  private:
    static QString cell(GameHarness& h, int row, int column) {
        return h.window().StringGrid1->item(row, column)->text();
    }
};

namespace {

const QByteArray ThreeEntries = "1  Ann                     00:02:00 01.12.2026   60\r\n"
                                "2  Bo                      00:01:00 02.12.2026   80\r\n"
                                "3  Cy                      00:03:00 03.12.2026   50\r\n";

void writeList(const QString& dir, const QByteArray& bytes) {
    QFile file(dir + QStringLiteral("/highscore.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

void ListViewTest::okTakesTheNameAndReadsTheList() {
    GameHarness h(0, [](const QString& dir) { writeList(dir, ThreeEntries); });
    h.window().Edit1->setText(QStringLiteral("A name that is far too long for the list"));
    h.window().Panel1Click();
    QCOMPARE(h.state.playername, QStringLiteral("A name that is far too l"));
    QCOMPARE(cell(h, 1, 1), QStringLiteral("Bo                      "));
    QCOMPARE(cell(h, 2, 3), QStringLiteral("03.12.2026"));
    QCOMPARE(cell(h, 0, 4), QString()); // the clicks column is not read here
    QVERIFY(h.window().Edit1->isHidden());
    QVERIFY(h.window().Panel1->isHidden());
    QVERIFY(h.label(2)->isHidden());
    QVERIFY(h.label(3)->font().bold());
    QCOMPARE(h.window().StringGrid1->columnWidth(1), 200);
}

void ListViewTest::showingTheListReadsAndRanksIt() {
    GameHarness h(0, [](const QString& dir) { writeList(dir, ThreeEntries); });
    h.window().currenthighscores1Click();
    QCOMPARE(h.window().windowHeight(), 770);
    QVERIFY(!h.window().StringGrid1->isHidden());
    QVERIFY(h.window().Progressbar1->isHidden());
    // The grid shows the file as it was read; the file is ranked by clicks.
    QCOMPARE(cell(h, 0, 1).trimmed(), QStringLiteral("Ann"));
    QCOMPARE(cell(h, 0, 4), QStringLiteral(" 60"));
    QCOMPARE(h.read(QStringLiteral("highscore.txt")),
             QByteArray("1  Cy                      00:03:00 03.12.2026   50\r\n"
                        "2  Ann                     00:02:00 01.12.2026   60\r\n"
                        "3  Bo                      00:01:00 02.12.2026   80\r\n"));
    QCOMPARE(
        h.label(1)->text(),
        QStringLiteral("  start : 16:58:14\n\r1  Cy                      00:03:00 03.12.2026   "
                       "50\n\r2  Ann                     00:02:00 01.12.2026   60\n\r3  Bo   "
                       "                   00:01:00 02.12.2026   80"));
    QCOMPARE(h.label(3)->text().size(), 96);
    QCOMPARE(h.fakes.pause.calls.last(), 800);
    QCOMPARE(fontColour(h.label(3)), QColor(0, 0, 255));
}

void ListViewTest::hidingTheListRestoresTheBoard() {
    GameHarness h;
    h.window().currenthighscores1Click();
    h.window().highscoresoff1Click();
    QCOMPARE(h.window().windowHeight(), 485);
    QVERIFY(h.window().StringGrid1->isHidden());
    QVERIFY(h.label(3)->isHidden());
    QCOMPARE(h.label(3)->text(), QStringLiteral("First enter your name below, then click OK!"));
}

void ListViewTest::rankingFromTheMenu_data() {
    QTest::addColumn<bool>("byTime");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("first");
    QTest::newRow("on time") << true << QStringLiteral("T") << QStringLiteral("Bo");
    QTest::newRow("on clicks") << false << QStringLiteral("C") << QStringLiteral("Cy");
}

void ListViewTest::rankingFromTheMenu() {
    QFETCH(bool, byTime);
    QFETCH(QString, mark);
    QFETCH(QString, first);
    GameHarness h(0, [](const QString& dir) { writeList(dir, ThreeEntries); });
    if (byTime) {
        h.window().sortontime1Click();
    } else {
        h.window().sortonclick1Click();
    }
    QCOMPARE(h.label(8)->text(), mark);
    QCOMPARE(h.state.sorttime, byTime);
    QCOMPARE(h.state.sortclick, !byTime);
    QVERIFY(h.read(QStringLiteral("highscore.txt")).startsWith("1  " + first.toLatin1()));
    // The list stays hidden and the grid untouched.
    QVERIFY(h.window().StringGrid1->isHidden());
    QCOMPARE(cell(h, 0, 1), QString());
    QVERIFY(!h.label(1)->isHidden());
}

void ListViewTest::newListKeepsTheOldOneAsBackup() {
    GameHarness h(0, [](const QString& dir) { writeList(dir, ThreeEntries); });
    h.window().newlst1Click();
    QCOMPARE(h.read(QStringLiteral("highscore2.txt")), ThreeEntries);
    const QByteArray fresh = h.read(QStringLiteral("highscore.txt"));
    QCOMPARE(fresh.count("\r\n"), 12);
    h.window().newlst1Click();
    QCOMPARE(h.read(QStringLiteral("highscore2.txt")), fresh);
    QCOMPARE(h.fakes.pause.calls.last(), 100);
}

void ListViewTest::nameFromAnEarlierGameIsKept() {
    GameHarness h;
    h.window().Edit1->setText(QStringLiteral("Lee"));
    h.window().Panel1Click();
    h.findAllPairs();
    h.window().start1Click();
    h.findAllPairs();
    QCOMPARE(h.read(QStringLiteral("highscore.txt")).count("Lee       "), 2);
}

void ListViewTest::namesComeBackAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept"); // the name column without its padding
    QTest::addColumn<bool>("rightToLeft");
    const auto row = [](const char* tag, const QString& typed, const QString& kept, bool rtl) {
        QTest::newRow(tag) << typed << kept << rtl;
    };
    for (const char* name : {"\u0141ukasz Ay\u015fe",
                             "\u041c\u0430\u0448\u0430 \u041f\u0435\u0442\u0440\u043e\u0432\u0430",
                             "\u3055\u304f\u3089", "\ubbfc\uc900",
                             "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466", "נועה",
                             "سارا", "अनन्या", "অর্ক", "สมชาย", "Ελένη", "Nguyễn Thảo"})
        row(name, QString::fromUtf8(name), QString::fromUtf8(name), false);
    row("Arabic in the English grid", u"\u0645\u062d\u0645\u062f"_qs,
        u"\u0645\u062d\u0645\u062f"_qs, false);
    row("Latin in the Arabic grid", u"Ann"_qs, u"Ann"_qs, true);
    row("combining accent as the 24th", QString(23, u'x') + u"e\u0301z"_qs,
        QString(23, u'x') + u"e\u0301"_qs, false);
    row("30 Hangul", QString(30, u'\ubbfc'), QString(24, u'\ubbfc'), false);
}

void ListViewTest::namesComeBackAsTyped() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, rightToLeft);
    QApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QByteArray file;
    {
        GameHarness h;
        h.window().Edit1->setText(typed);
        h.window().Panel1Click();
        h.findAllPairs(); // 36 clicks: first by clicks
        file = h.read(QStringLiteral("highscore.txt"));
    }
    // A restart reads it back from the file: the row's cells hold their columns.
    GameHarness h(0, [&file](const QString& dir) { writeList(dir, file); });
    h.window().currenthighscores1Click();
    QApplication::setLayoutDirection(Qt::LeftToRight);
    QCOMPARE(cell(h, 0, 0), QStringLiteral("1  "));
    QCOMPARE(cell(h, 0, 1).trimmed(), kept);
    QVERIFY(QRegularExpression(u"^\\d\\d:\\d\\d:\\d\\d$"_qs).match(cell(h, 0, 2)).hasMatch());
    QCOMPARE(cell(h, 0, 4), QStringLiteral(" 36"));
    // The side list: the name in its own isolate, the times of all lines in one column.
    const QStringList lines = h.label(1)->text().split(u"\n\r"_qs);
    QVERIFY(lines.at(1).contains(kept));
    if (kept != u"Ann"_qs)
        QVERIFY(lines.at(1).contains(QChar(0x2068) + kept + QChar(0x2069)));
    const QFontMetricsF metrics(h.label(1)->font());
    const auto timeAt = [&metrics](const QString& line) {
        return metrics.horizontalAdvance(line.left(line.indexOf(u':') - 2));
    };
    // Devanagari and Bengali pull the blanks and digits after them into their
    // own proportional face (Qt gives them the script before them), so those
    // rows keep their fields but not the fixed columns.
    if (std::all_of(kept.cbegin(), kept.cend(),
                    [](QChar c) { return c.unicode() < 0x0900 || c.unicode() >= 0x0a00; }))
        QVERIFY2(qAbs(timeAt(lines.at(1)) - timeAt(lines.at(2))) <=
                     metrics.horizontalAdvance(u' ') / 2,
                 qPrintable(lines.at(1)));
}

void ListViewTest::gridShowsItsRowsWholeInAnyFont_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("scale");
    // The installed face with the tallest lines for its size.
    QString tallest;
    qreal most = 0;
    for (const QString& family : QFontDatabase::families()) {
        const qreal height = QFontMetricsF(QFont(family, 9)).height();
        if (height > most) {
            most = height;
            tallest = family;
        }
    }
    QTest::newRow("the desktop's font") << QString() << 1.0;
    QTest::newRow(qPrintable(u"tallest lines: "_qs + tallest)) << tallest << 1.0;
    QTest::newRow("one and a half times the size") << QString() << 1.5;
}

void ListViewTest::gridShowsItsRowsWholeInAnyFont() {
    QFETCH(QString, family);
    QFETCH(qreal, scale);
    const QFont before = QApplication::font();
    QFont font = before;
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSizeF(font.pointSizeF() * scale);
    QApplication::setFont(font);
    GameHarness h(0, [](const QString& dir) { writeList(dir, ThreeEntries); });
    h.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.window()));
    h.window().currenthighscores1Click();
    QApplication::processEvents();
    QApplication::setFont(before);
    const QTableWidget* grid = h.window().StringGrid1;
    QCOMPARE(grid->verticalScrollBar()->maximum(), 0);
    QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);
    QVERIFY(grid->rowViewportPosition(11) + grid->rowHeight(11) <= grid->viewport()->height());
    QVERIFY(grid->columnViewportPosition(4) + grid->columnWidth(4) <= grid->viewport()->width());
    for (int c = 0; c < 5; ++c)
        QVERIFY2(grid->fontMetrics().horizontalAdvance(cell(h, 0, c)) < grid->columnWidth(c),
                 qPrintable(cell(h, 0, c)));
    // The window holds the grid above its status bar.
    QVERIFY(grid->mapTo(&h.window(), QPoint(0, grid->height())).y() <= h.window().statusBar()->y());
}

void ListViewTest::unwritableListIsReportedAndKeptWhole() {
    GameHarness h(0, [](const QString& dir) { writeList(dir, ThreeEntries); });
    {
        // Small files such as the lock still get through; the list's rewrite does not.
        const WriteBlocker blocker(h.dir(), 100);
        h.window().sortontime1->trigger();
    }
    QCOMPARE(h.fakes.dialogs.shown.size(), 1);
    QVERIFY(h.fakes.dialogs.shown[0].text.contains(QStringLiteral("highscore.txt")));
    QCOMPARE(h.read(QStringLiteral("highscore.txt")), ThreeEntries);
}

QTEST_MAIN(ListViewTest)
#include "tst_listview.moc"
