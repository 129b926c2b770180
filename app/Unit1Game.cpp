// The life of a game: start-up, new game, card turns and the ending.

// own
#include "app/InfoTexts.h"
#include "app/Layout.h"
#include "app/PictureBox.h"
#include "app/StatusClock.h"
#include "app/Unit1.h"
#include "assets/AssetFiles.h"
#include "game/GameState.h"
#include "game/Life.h"
#include "game/Shuffle.h"
#include "game/Turns.h"
#include "platform/GameError.h"
#include "platform/SafeFile.h"
#include "scores/GameCounter.h"
#include "scores/HighScoreStore.h"
#include "scores/ResultTexts.h"

// Qt
#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using layout::Blue;
using layout::Red;

void TForm1::erstelle() {
    // The folder is opened once, here, and reached through that handle from
    // now on, wherever it is moved. No other folder stands in for one that
    // cannot be opened: the game then keeps nothing and shows its built-in
    // pictures.
    game::startUp(m_state, safefile::Folder::working());
    if (!m_state.folder.isOpen()) {
        m_startupProblems << tr("The game cannot use its folder: %1. It shows its built-in "
                                "pictures and writes nothing, so no result of this run is kept.")
                                 .arg(m_state.folder.problem());
    }
    Label8->setText(game::rankingMark(m_state));
    Edit1->show();
    Panel1->setStyleSheet(QStringLiteral("QPushButton { color: white; background-color: %1; "
                                         "font-weight: bold; border-radius: 4px; }"
                                         "QPushButton:focus { border: 2px solid #ffa000; }")
                              .arg(QColor(Blue).name()));
    Label6->hide();
    shuffle();
    setWindowHeight(layout::BoardOnlyHeight);
    setFontColour(Edit1, Blue);
    Edit1->setCursor(Qt::PointingHandCursor);
    StringGrid1->hide();
    Image37->hide();
    Label3->setText(info::namePrompt());
    setFontColour(Label3, Red);
    // The backs are dealt from the built-in picture, decoded once: start-up
    // writes that same picture as the folder's card back.
    try {
        dealBacks();
    } catch (const GameError& error) {
        m_startupProblems << error.message();
    }
    game::stampStartUp(m_state, m_services.clock.now(), m_services.clock.steadyMs());
    Label1->setText(QStringLiteral("  ") + info::startLine(m_state.starttext));
    m_statusPanels[0]->setText(statusclock::noticeText());
    // The player types the name first.
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TForm1::finishStartUp() {
    if (!m_startUpPending) {
        return;
    }
    m_startUpPending = false;
    // Every step runs even when one before it fails; the problems are shown
    // together, so the game is always playable.
    auto step = [this](const std::function<void()>& action) {
        try {
            action();
        } catch (const safefile::ReadOnlyFolderError& error) {
            const QString text = unwritableOnce(error);
            if (!text.isEmpty()) {
                m_startupProblems << text;
            }
        } catch (const GameError& error) {
            m_startupProblems << error.message();
        }
    };
    if (m_state.folder.isOpen()) {
        // What a game killed while writing left; a write still running
        // elsewhere is younger than this.
        constexpr qint64 leftoverAgeSeconds = 10 * 60;
        QStringList ownFiles = {scores::counterName, scores::HighScoreStore::listName,
                                scores::HighScoreStore::backupName};
        for (const QString& picture : assets::imageNames()) {
            ownFiles << picture + QStringLiteral(".bmp");
        }
        m_state.folder.removeLeftovers(ownFiles, leftoverAgeSeconds);
        step([this] { numberofgame(); });
        step([this] {
            const QStringList failed = assets::extractAll(m_state.folder);
            m_backsFromFolder = assets::holdsBuiltIn(m_state.folder, game::backFile().chopped(4));
            if (!failed.isEmpty()) {
                throw GameError(tr("The pictures could not be written into %1, so the game shows "
                                   "its built-in copies.\n%2")
                                    .arg(QDir::toNativeSeparators(m_state.folder.displayName()),
                                         failed.join(QLatin1Char('\n'))));
            }
        });
        step([this] {
            // Under the list's lock, so a game finishing in the same folder
            // meanwhile does not see its first result pushed into the backup.
            scores::keepList(list(), m_services.pause);
        });
    }
    mem();
    if (isVisible()) {
        showStartupProblems();
    }
}

void TForm1::start1Click() {
    try {
        numberofgame();
    } catch (const safefile::NoFolderError&) {
        // Without a folder no game is counted; the player was told at start-up.
    } catch (const GameError& error) {
        // A counter that cannot be written must not keep the player from playing.
        m_services.dialogs.message(windowTitle(), error.message(), Dialogs::Icon::Warning);
    }
    // A new game is a new deal, or the player could finish it from memory.
    shuffle();
    game::newGame(m_state, m_services.clock.now(), m_services.clock.steadyMs());
    setWindowHeight(layout::BoardOnlyHeight);
    Label7->hide();
    Label3->show();
    QFont font = Label3->font();
    font.setPointSize(11);
    font.setWordSpacing(0);
    Label3->setFont(font);
    setFontColour(Label3, Red);
    Label3->setText(info::newGamePrompt());
    Label6->hide();
    Image38->hide();
    Image39->hide();
    Label2->setText(QString());
    Label4->show();
    Label5->show();
    setFontColour(Edit1, Blue);
    Edit1->setCursor(Qt::PointingHandCursor);
    Edit1->show();
    Panel1->show();
    Edit1->setFocus(Qt::OtherFocusReason);
    StringGrid1->hide();
    Image37->hide();
    dealBacks();
    Label1->setText(info::startLine(scores::timeText(m_services.clock.now().time())));
    Progressbar1->show();
}

void TForm1::end1Click() {
    Image38->hide();
    Image39->hide();
    // The folder the pictures were written to; without one there is nothing to delete.
    if (m_state.folder.isOpen()) {
        assets::deleteAll(m_state.folder);
    }
    emit terminateRequested();
}

void TForm1::shuffle() {
    const Clock& clock = m_services.clock;
    game::shuffle(m_state, [&clock] { return clock.now(); });
}

QImage TForm1::backPicture() {
    return m_backsFromFolder ? m_pictures.picture(m_state.folder, game::backFile())
                             : m_pictures.builtIn(game::backFile());
}

void TForm1::dealBacks() {
    const QImage back = backPicture();
    for (int k = 1; k <= game::CardCount; ++k) {
        card(k)->setPicture(back);
        card(k)->setStretch(true);
        describeCard(k);
        card(k)->show();
    }
}

void TForm1::showCardBack(int position) {
    card(position)->setPicture(backPicture());
    card(position)->setStretch(true);
    describeCard(position);
}

void TForm1::describeCard(int position) {
    PictureBox* box = card(position);
    const int row = layout::rowOf(position);
    const int column = layout::columnOf(position);
    // Each state is one whole phrase with the picture's name in it, so that a
    // translation can make the state agree with the card, not the picture.
    QString name;
    QString state;
    if (!m_state.faceUp[position]) {
        name = tr("Card row %1 column %2: face down").arg(row).arg(column);
        state = tr("face down");
    } else {
        const QString picture = assets::pictureName(m_state.cards[position]);
        if (position == m_state.firstpos || position == m_state.secondpos) {
            name = tr("Card row %1 column %2: %3, turned").arg(row).arg(column).arg(picture);
            state = tr("%1, turned").arg(picture);
        } else {
            name = tr("Card row %1 column %2: %3, found").arg(row).arg(column).arg(picture);
            state = tr("%1, found").arg(picture);
        }
    }
    box->setAccessibleName(name);
    box->setAccessibleDescription(state);
    QAccessibleEvent event(box, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TForm1::cardClick(int k) {
    // A card already face up, or a third card while two wait for their
    // verdict, is not a move: nothing is shown, recorded or counted.
    if (!game::canTurn(m_state, k)) {
        return;
    }
    if (k == 1) {
        Label3->hide();
        Label4->hide();
        Label5->hide();
        Label7->hide();
    } else if (k == 2) {
        Label3->hide();
    }
    loadPicture(card(k), game::faceFile(m_state, k));
    card(k)->show();
    game::recordPick(m_state, k);
    describeCard(k);
    card(k)->repaint();
    twocheck();
}

void TForm1::twocheck() {
    Label6->hide();
    mem();
    const int game = m_state.generation;
    m_services.pause.pause(300);
    if (m_state.generation != game) {
        return; // a new game began while this turn waited
    }
    switch (game::verdict(m_state)) {
    case game::Verdict::Mismatch: {
        m_services.pause.pause(200);
        if (m_state.generation != game) {
            return;
        }
        const int first = m_state.firstpos;
        const int second = m_state.secondpos;
        game::turnBack(m_state);
        showCardBack(first);
        showCardBack(second);
        break;
    }
    case game::Verdict::Match: {
        const int first = m_state.firstpos;
        const int second = m_state.secondpos;
        game::takePair(m_state);
        describeCard(first);
        describeCard(second);
        Progressbar1->show();
        Progressbar1->setValue(game::progressPosition(m_state.pairs));
        const QString picture = game::pairPicture(m_state.pairs);
        if (!picture.isEmpty()) {
            loadPicture(Image38, picture);
            Image38->show();
        }
        break;
    }
    case game::Verdict::NothingYet:
        break;
    }
    if (game::takeEnding(m_state)) {
        endGame();
    }
}

void TForm1::endGame() {
    loadPicture(Image39, game::allPairsPicture());
    Image39->show();
    endanzeige();
    Progressbar1->hide();
    // The sound switch only silences the closing sound; the result is kept either way.
    if (!m_state.soundoff) {
        m_services.sound.play(game::closingSound());
    }
    setWindowHeight(layout::WithListHeight);
}

void TForm1::endanzeige() {
    Image40->show();
    loadPicture(Image40, game::endPicture(m_state));
    mem();
    StringGrid1->show();
    Edit1->hide();
    Panel1->hide();
    setWindowHeight(layout::WithListHeight);
    // The player sees the time and clicks even if the list cannot take them.
    const QDateTime finish = m_services.clock.now();
    const qint64 takenMs = m_services.clock.steadyMs() - m_state.startSteadyMs;
    showResult(finish, takenMs);
    try {
        // Entry, save and ranking form one change of the list: another game
        // finishing in the same folder waits for it.
        highscore(finish, takenMs);
    } catch (const safefile::NoFolderError&) {
        throw;
    } catch (const GameError& error) {
        // The result line stays on screen; the player learns it was not kept.
        throw GameError(tr("%1. The result was not saved.").arg(error.message()));
    }
    m_services.pause.pause(1200);
    Image38->hide();
    Image39->hide();
    m_services.pause.pause(200);
    Image40->hide();
}

void TForm1::numberofgame() {
    struct Restore {
        TForm1* window;
        ~Restore() { window->clearWaitNotice(); }
    } restore{this};
    const scores::CounterResult result = scores::advanceGameCounter(
        m_state.folder, m_services.pause, patientWait(scores::counterName));
    if (result.show) {
        Label9->show();
        Label9->setText(scores::gameNumberText(result.field));
    }
    if (!result.warning.isEmpty()) {
        throw GameError(result.warning);
    }
}
