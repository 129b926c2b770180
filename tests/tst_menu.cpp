// The menu's information items, the sound switch and the status bar clock,
// through the real window with fake services.

// own
#include "app/PictureBox.h"
#include "support/GameHarness.h"

// Qt
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QUrlQuery>
#include <QtTest>

class MenuTest : public QObject {
    Q_OBJECT

  private slots:
    void everyItemIsBoundByName_data();
    void everyItemIsBoundByName();
    void instructionsAndDonationBoxes();
    void versionTextStaysUntilTheNextCard();
    void designerPictureHidesAfterTheLastOfTwoClicks();
    void webSiteAndMailGoToTheDesktop();
    void soundItems();
    void statusBarShowsNoticeDateAndTime();
};

void MenuTest::everyItemIsBoundByName_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"end1", "start1", "instructions1", "versin1", "designer1", "newlst1", "sound1",
          "soundoff1", "publishinghouse1", "mailtopublisher1", "currenthighscores1",
          "highscoresoff1", "freememory1", "sortontime1", "sortonclick1", "donation1"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void MenuTest::everyItemIsBoundByName() {
    QFETCH(QString, name);
    GameHarness h;
    auto* action = h.window().findChild<QAction*>(name);
    QVERIFY(action != nullptr);
    QVERIFY(action->isEnabled());
    QVERIFY2(action->text().contains(QLatin1Char('&')), "every item has a mnemonic");
    // Each item stands in the menu bar or under one of the two headings.
    const bool reachable = h.window().MainMenu1->actions().contains(action) ||
                           h.window().highscores1->actions().contains(action) ||
                           h.window().help1->actions().contains(action);
    QVERIFY(reachable);
    if (name == QLatin1String("start1") || name == QLatin1String("end1")) {
        QCOMPARE(action->text().remove(QLatin1Char('&')), name.chopped(1));
        QVERIFY(!action->shortcut().isEmpty());
    }
}

void MenuTest::instructionsAndDonationBoxes() {
    GameHarness h;
    h.window().instructions1Click();
    h.window().donation1Click();
    QCOMPARE(h.fakes.dialogs.shown.size(), 2);
    const FakeDialogs::Shown& instructions = h.fakes.dialogs.shown[0];
    QCOMPARE(instructions.caption, QStringLiteral("Kestrelon Memory"));
    QCOMPARE(instructions.icon, Dialogs::Icon::None);
    QCOMPARE(instructions.text.split(QStringLiteral("\n\r")).size(), 12);
    QVERIFY(instructions.text.startsWith(QStringLiteral("Please carry on as follows:\n\r1. At")));
    QVERIFY(instructions.text.endsWith(QStringLiteral("\n\r   Have much fun.")));
    QVERIFY(!h.label(4)->isHidden());
    const FakeDialogs::Shown& donation = h.fakes.dialogs.shown[1];
    QCOMPARE(donation.caption, QStringLiteral("D o n a t i o n"));
    QCOMPARE(donation.icon, Dialogs::Icon::Information);
    QCOMPARE(donation.text.split(QStringLiteral("\n\r")).size(), 9);
    QVERIFY(donation.text.endsWith(QStringLiteral("\n\r         Have much pleasure.")));
}

void MenuTest::versionTextStaysUntilTheNextCard() {
    GameHarness h;
    h.window().versin1Click();
    QVERIFY(!h.label(6)->isHidden());
    const QStringList lines = h.label(6)->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], QStringLiteral("Version 1.0 2019"));
    QCOMPARE(lines[5], QStringLiteral("Kontakt: "));
    h.window().cardClick(5);
    QVERIFY(h.label(6)->isHidden());
}

void MenuTest::designerPictureHidesAfterTheLastOfTwoClicks() {
    GameHarness h;
    bool shownAtThree = false;
    const qint64 start = h.fakes.pause.now();
    h.fakes.pause.at(start + 1000, [&] { h.window().designer1Click(); });
    h.fakes.pause.at(start + 3000, [&] { shownAtThree = !h.image(37)->isHidden(); });
    h.window().designer1Click();
    QVERIFY(shownAtThree); // the first click's 2.5 s are over, the second's are not
    QVERIFY(h.image(37)->isHidden());
    QCOMPARE(h.fakes.pause.now() - start, qint64{3500});
    QVERIFY(!h.image(37)->picture().isNull());
}

void MenuTest::webSiteAndMailGoToTheDesktop() {
    GameHarness h;
    h.window().publishinghouse1Click();
    h.window().mailtopublisher1Click();
    QCOMPARE(h.fakes.desktop.opened.size(), 2);
    QCOMPARE(h.fakes.desktop.opened[0].scheme(), QStringLiteral("https"));
    const QUrl mail = h.fakes.desktop.opened[1];
    QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
    const QUrlQuery query(mail);
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("Kestrelon Pairvista 2019"));
    QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
             QStringLiteral("Dear Sir!"));
    QVERIFY(!mail.toEncoded().contains(' '));
}

void MenuTest::soundItems() {
    GameHarness h;
    h.window().soundoff1Click();
    QVERIFY(h.state.soundoff);
    QVERIFY(h.fakes.sound.played.isEmpty());
    h.window().sound1Click();
    QVERIFY(!h.state.soundoff);
    QCOMPARE(h.fakes.sound.played, QStringList{QStringLiteral("4hrf")});
}

void MenuTest::statusBarShowsNoticeDateAndTime() {
    GameHarness h;
    const QTimeZone vienna("Europe/Vienna");
    if (!vienna.isValid()) {
        QSKIP("the tzdata package is missing");
    }
    QVERIFY(h.window().statusText(0).contains(QChar(0xA9)));
    h.fakes.clock.current = QDateTime(QDate(2026, 12, 7), QTime(16, 58, 14), vienna);
    h.window().Timer1Timer();
    QCOMPARE(h.window().statusText(1), QStringLiteral("December 07, 2026"));
    QCOMPARE(h.window().statusText(2), QStringLiteral("16:58:14 CET"));
    h.fakes.clock.current = QDateTime(QDate(2027, 3, 5), QTime(0, 0, 0), vienna);
    h.window().Timer1Timer();
    QCOMPARE(h.window().statusText(1), QStringLiteral("March  05, 2027"));
    QCOMPARE(h.window().statusText(2), QStringLiteral("00:00:00 CET"));
}

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
