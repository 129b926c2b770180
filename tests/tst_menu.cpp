// The menu's information items, the sound switch and the status bar clock,
// through the real window with fake services.

// own
#include "app/Languages.h"
#include "app/PictureBox.h"
#include "platform/SafeFile.h"
#include "support/GameHarness.h"

// Qt
#include <QAction>
#include <QLabel>
#include <QLineEdit>
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
    void windowSpeaksEachLanguage_data();
    void windowSpeaksEachLanguage();
    void countsTakeTheLanguagesPluralForm_data();
    void countsTakeTheLanguagesPluralForm();
};

namespace {

// What a player reads first: the menu titles and items, the prompts, the name
// box, the free-memory caption, the start line, the date and the heading.
QStringList firstTexts(GameHarness& h) {
    TForm1& w = h.window();
    QStringList texts;
    for (QAction* action : w.MainMenu1->actions()) {
        texts << action->text();
        if (action->menu() != nullptr) {
            for (QAction* item : action->menu()->actions()) {
                if (!item->isSeparator()) {
                    texts << item->text();
                }
            }
        }
    }
    texts << h.label(3)->text() << w.Edit1->placeholderText() << h.label(4)->text()
          << h.label(1)->text() << w.statusText(1);
    w.currenthighscores1Click();
    texts << h.label(3)->text();
    w.Panel1Click();
    texts << h.label(3)->text();
    w.start1Click();
    texts << h.label(3)->text();
    return texts;
}

} // namespace

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

void MenuTest::windowSpeaksEachLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : i18n::available()) {
        QTest::newRow(qPrintable(language)) << language;
    }
}

void MenuTest::windowSpeaksEachLanguage() {
    QFETCH(QString, language);
    QStringList english;
    {
        GameHarness h;
        english = firstTexts(h);
    }
    i18n::Translation translation(language);
    translation.install();
    GameHarness h;
    const QStringList texts = firstTexts(h);
    QCOMPARE(texts.size(), english.size());
    if (language != i18n::sourceLanguage) {
        // Words a language shares with English.
        const QStringList shared{"&Version", "&Designer", "D&onation"};
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QVERIFY2(texts[i] != english[i] || shared.contains(texts[i]), qPrintable(texts[i]));
        }
    }
    // Every entry of the menu bar and of each menu has a mnemonic of its own.
    const QWidget* rows[] = {h.window().MainMenu1, h.window().highscores1, h.window().help1};
    for (const QWidget* row : rows) {
        QString taken;
        for (const QAction* action : row->actions()) {
            const QString text = action->text();
            const qsizetype at = text.indexOf(u'&');
            if (!action->isSeparator()) {
                QVERIFY2(at >= 0 && !taken.contains(text.at(at + 1).toLower()), qPrintable(text));
                taken += text.at(at + 1).toLower();
            }
        }
    }
}

void MenuTest::countsTakeTheLanguagesPluralForm_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<quint64>("count");
    QTest::addColumn<QString>("expected");
    // Counts past int choose their form by their last digits.
    QTest::newRow("en past int") << "en" << quint64{4294967302}
                                 << "it is larger than the file size limit of 4294967302 bytes";
    QTest::newRow("pl one") << "pl" << quint64{1} << "(1 bajt)";
    QTest::newRow("pl few past int") << "pl" << quint64{4294967302} << "(4294967302 bajty)";
    QTest::newRow("pl many past int") << "pl" << quint64{4294967305} << "(4294967305 bajtów)";
    QTest::newRow("ru few") << "ru" << quint64{22} << "(22 байта)";
    QTest::newRow("ar few") << "ar" << quint64{3} << "3 بايتات";
}

void MenuTest::countsTakeTheLanguagesPluralForm() {
    QFETCH(QString, language);
    QFETCH(quint64, count);
    QFETCH(QString, expected);
    i18n::Translation translation(language);
    translation.install();
    const QString text =
        safefile::countText("safefile", "it is larger than the file size limit of %n bytes", count);
    QVERIFY2(text.endsWith(expected), qPrintable(text));
}

QTEST_MAIN(MenuTest)
#include "tst_menu.moc"
