// Playing without a mouse, and what a screen reader hears of the cards.

// own
#include "app/PictureBox.h"
#include "assets/AssetFiles.h"
#include "support/GameHarness.h"

// Qt
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QInputMethodEvent>
#include <QtTest>

class KeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    void arrowsMoveFocusAndWrap_data();
    void arrowsMoveFocusAndWrap();
    void spaceAndEnterTurnTheFocusedCard_data();
    void spaceAndEnterTurnTheFocusedCard();
    void keysOnFaceUpCardsAreIgnored();
    void enterInNameBoxConfirmsTheName();
    void escapeClosesTheList();
    void wholeGameByKeyboard();
    void cardsTellTheirState();
    void cardsNameTheirRowAndColumn_data();
    void cardsNameTheirRowAndColumn();

  private:
    static void showAndFocus(GameHarness& h, int position);
    static int focusedCard(GameHarness& h);
    static void press(Qt::Key key);
};

void KeyboardTest::showAndFocus(GameHarness& h, int position) {
    h.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&h.window()));
    h.image(position)->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(h.image(position)->hasFocus());
}

int KeyboardTest::focusedCard(GameHarness& h) {
    for (int k = 1; k <= 36; ++k) {
        if (h.image(k)->hasFocus()) {
            return k;
        }
    }
    return 0;
}

void KeyboardTest::press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

void KeyboardTest::arrowsMoveFocusAndWrap_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("right") << 1 << int(Qt::Key_Right) << 2 << false;
    QTest::newRow("right at a row's end goes on in the next row")
        << 9 << int(Qt::Key_Right) << 10 << false;
    QTest::newRow("right at the last card wraps to the first")
        << 36 << int(Qt::Key_Right) << 1 << false;
    QTest::newRow("left at the first card wraps to the last")
        << 1 << int(Qt::Key_Left) << 36 << false;
    QTest::newRow("down") << 1 << int(Qt::Key_Down) << 10 << false;
    QTest::newRow("down at the bottom wraps in the column")
        << 32 << int(Qt::Key_Down) << 5 << false;
    QTest::newRow("up at the top wraps in the column") << 3 << int(Qt::Key_Up) << 30 << false;
    // A mirrored window (Arabic) runs its rows from right to left, and so do the arrows.
    QTest::newRow("mirrored: left goes to the next card") << 1 << int(Qt::Key_Left) << 2 << true;
    QTest::newRow("mirrored: right at the first card wraps to the last")
        << 1 << int(Qt::Key_Right) << 36 << true;
}

void KeyboardTest::arrowsMoveFocusAndWrap() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    QFETCH(bool, rightToLeft);
    QApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const auto restore = qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
    GameHarness h;
    showAndFocus(h, from);
    // Card 1 lies left of card 2, or right of it in a mirrored window.
    QCOMPARE(h.image(1)->x() > h.image(2)->x(), rightToLeft);
    press(static_cast<Qt::Key>(key));
    QCOMPARE(focusedCard(h), to);
}

void KeyboardTest::spaceAndEnterTurnTheFocusedCard_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("enter") << int(Qt::Key_Return);
}

void KeyboardTest::spaceAndEnterTurnTheFocusedCard() {
    QFETCH(int, key);
    GameHarness h;
    showAndFocus(h, 7);
    press(static_cast<Qt::Key>(key));
    QCOMPARE(h.state.clicks, 1);
    QCOMPARE(h.state.firstpos, 7);
    const QString face = QStringLiteral("img%1").arg(h.state.cards[7]);
    QCOMPARE(h.image(7)->picture(), assets::loadPicture(h.state.folder, face));
}

void KeyboardTest::keysOnFaceUpCardsAreIgnored() {
    GameHarness h;
    const auto [a, b] = h.pairOf(22);
    h.window().cardClick(a);
    h.window().cardClick(b);
    showAndFocus(h, a);
    press(Qt::Key_Space);
    QCOMPARE(h.state.clicks, 2);
    QCOMPARE(h.state.pairs, 1);
    // A third card while two wait for their verdict is ignored by key as by click.
    const int first = h.pairOf(23).first;
    const int second = h.otherThan(first);
    const int third = h.pairOf(24).first;
    h.window().cardClick(first);
    h.fakes.pause.duringNextPause([&] {
        h.image(third)->setFocus(Qt::OtherFocusReason);
        press(Qt::Key_Space);
    });
    h.window().cardClick(second);
    QCOMPARE(h.state.clicks, 4);
    QVERIFY(!h.state.faceUp[third]);
}

void KeyboardTest::enterInNameBoxConfirmsTheName() {
    GameHarness h;
    h.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&h.window()));
    h.window().Edit1->setFocus();
    QTest::keyClicks(h.window().Edit1, QStringLiteral("Kim "));
    // Through an input method: Enter during the composition, and the one
    // that ends it, are the input method's.
    QInputMethodEvent compose(QStringLiteral("\u3055"), {});
    QApplication::sendEvent(h.window().Edit1, &compose);
    QTest::keyClick(h.window().Edit1, Qt::Key_Return);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\u3055"));
    QApplication::sendEvent(h.window().Edit1, &commit);
    QTest::keyClick(h.window().Edit1, Qt::Key_Return);
    QVERIFY(h.window().Edit1->isVisible());
    QCoreApplication::processEvents();
    QTest::keyClick(h.window().Edit1, Qt::Key_Return);
    QCOMPARE(h.state.playername, QStringLiteral("Kim \u3055").leftJustified(24));
    QVERIFY(h.window().Edit1->isHidden());
    QTRY_VERIFY(h.image(1)->hasFocus());
}

void KeyboardTest::escapeClosesTheList() {
    GameHarness h;
    h.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&h.window()));
    h.window().currenthighscores1Click();
    QVERIFY(!h.window().StringGrid1->isHidden());
    QTest::keyClick(&h.window(), Qt::Key_Escape);
    QVERIFY(h.window().StringGrid1->isHidden());
    QCOMPARE(h.window().windowHeight(), 485);
}

void KeyboardTest::wholeGameByKeyboard() {
    GameHarness h;
    h.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&h.window()));
    // The name box has the focus from the start: typing needs no mouse.
    QTRY_VERIFY(h.window().Edit1->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Keys"));
    QTest::keyClick(h.window().Edit1, Qt::Key_Return);
    QTRY_VERIFY(h.image(1)->hasFocus());
    auto goTo = [&](int target) {
        while (focusedCard(h) != target) {
            press(Qt::Key_Right);
        }
        press(Qt::Key_Space);
    };
    for (int picture = 19; picture <= 36; ++picture) {
        const auto [a, b] = h.pairOf(picture);
        goTo(a);
        goTo(b);
    }
    QCOMPARE(h.state.pairs, 18);
    QCOMPARE(h.state.clicks, 36);
    QVERIFY(h.read(QStringLiteral("highscore.txt")).startsWith("1  Keys "));
}

void KeyboardTest::cardsTellTheirState() {
    GameHarness h;
    QCOMPARE(h.image(10)->accessibleName(), QStringLiteral("Card row 2 column 1: face down"));
    const auto [a, b] = h.pairOf(19);
    const QString picture = assets::pictureName(19);
    QVERIFY(!picture.isEmpty());
    h.window().cardClick(a);
    QVERIFY(h.image(a)->accessibleName().endsWith(picture + QStringLiteral(", turned")));
    h.window().cardClick(b);
    QVERIFY(h.image(a)->accessibleName().endsWith(picture + QStringLiteral(", found")));
    QVERIFY(h.image(b)->accessibleName().endsWith(picture + QStringLiteral(", found")));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(h.image(b));
    QVERIFY(face != nullptr);
    QCOMPARE(face->text(QAccessible::Name), h.image(b)->accessibleName());
    QCOMPARE(face->role(), QAccessible::Button);
    QAccessibleInterface* ok = QAccessible::queryAccessibleInterface(h.window().Panel1);
    QCOMPARE(ok->role(), QAccessible::Button);
}

void KeyboardTest::cardsNameTheirRowAndColumn_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("first") << 1 << 1 << 1;
    QTest::newRow("end of the first row") << 9 << 1 << 9;
    QTest::newRow("second row, second column") << 11 << 2 << 2;
    QTest::newRow("end of the second row") << 18 << 2 << 9;
    QTest::newRow("third row") << 23 << 3 << 5;
    QTest::newRow("start of the last row") << 28 << 4 << 1;
    QTest::newRow("last") << 36 << 4 << 9;
}

void KeyboardTest::cardsNameTheirRowAndColumn() {
    QFETCH(int, position);
    QFETCH(int, row);
    QFETCH(int, column);
    GameHarness h;
    const QString where = QStringLiteral("Card row %1 column %2: ").arg(row).arg(column);
    QCOMPARE(h.image(position)->accessibleName(), where + QStringLiteral("face down"));
    h.window().cardClick(position);
    QCOMPARE(h.image(position)->accessibleName(),
             where + assets::pictureName(h.state.cards[position]) + QStringLiteral(", turned"));
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
