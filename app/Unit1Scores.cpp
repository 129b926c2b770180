// The high-score list on screen and in its file, and the player's name.

// own
#include "app/InfoTexts.h"
#include "app/Layout.h"
#include "app/PictureBox.h"
#include "app/Unit1.h"
#include "game/GameState.h"
#include "game/Life.h"
#include "scores/HighScoreStore.h"
#include "platform/GameError.h"
#include "scores/Characters.h"
#include "scores/Ranking.h"
#include "scores/ScoreList.h"
#include "scores/ResultTexts.h"

// Qt
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextLayout>

// std
#include <algorithm>

namespace {

using layout::Blue;
using layout::DarkRed;
using layout::Red;

// How far from its start edge the label puts the character at index of text.
qreal startOf(const QString& text, qsizetype index, const QFont& font,
              Qt::LayoutDirection direction) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const qreal x = line.cursorToX(static_cast<int>(index));
    return direction == Qt::RightToLeft ? line.naturalTextWidth() - x : x;
}

// The heading's words stand where the English ones stand, over the grid's
// columns, however long they are in the player's language: before each go as
// many blanks as reach the English word's place, and at least one. The
// blanks are measured as the label lays them out, since a blank between
// words of another script may take that script's font. The English heading
// comes out as it is.
QString alignedHeading(const QFont& font, Qt::LayoutDirection direction) {
    const qreal blank = qMax(1.0, QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
    QString english;
    QString shown;
    for (const scores::HeadingWord& word : scores::headingWords()) {
        english += QString(word.blanks, QLatin1Char(' '));
        const qreal place = startOf(english, english.size(), font, Qt::LeftToRight);
        english += word.english;
        int blanks = word.blanks;
        for (int round = 0; round < 3; ++round) {
            const QString tried = shown + QString(blanks, QLatin1Char(' ')) + word.translated;
            const qreal at = startOf(tried, tried.size() - word.translated.size(), font, direction);
            const int more = qRound((place - at) / blank);
            if (more == 0) {
                break;
            }
            blanks = qMax(shown.isEmpty() ? 0 : 1, blanks + more);
        }
        shown += QString(blanks, QLatin1Char(' ')) + word.translated;
    }
    return shown;
}

// The heading spaces its words with runs of blanks; widen or narrow the
// blanks so that its last word ("clicks", from clicksAt) stands over the
// grid's last column in whatever font the desktop gives.
void alignHeading(QLabel* label, const QTableWidget* grid, int clicksAt) {
    const QString heading = label->text();
    const int blanks = static_cast<int>(heading.left(clicksAt).count(QLatin1Char(' ')));
    QFont font = label->font();
    font.setWordSpacing(0);
    const int natural = QFontMetrics(font).horizontalAdvance(heading.left(clicksAt));
    int target = grid->frameWidth() + 4;
    for (int c = 0; c < layout::GridColumns - 1; ++c) {
        target += grid->columnWidth(c);
    }
    // From the label's start to the grid's: the left edges, or the right ones
    // in a mirrored window.
    target += label->isRightToLeft() ? label->geometry().right() - grid->geometry().right()
                                     : grid->x() - label->x();
    font.setWordSpacing(static_cast<qreal>(target - natural) / blanks);
    label->setFont(font);
}

void showHeading(QLabel* label, const QTableWidget* grid) {
    label->show();
    setFontColour(label, Red);
    QFont font = label->font();
    font.setPointSize(11);
    label->setFont(font);
    font.setWordSpacing(0);
    const QString heading = alignedHeading(font, label->layoutDirection());
    label->setText(heading);
    alignHeading(
        label, grid,
        static_cast<int>(heading.size() - scores::headingWords().last().translated.size()));
}

// The ranked lines as the side list shows them in its fixed-width font. A
// name in another script stands in its own bidirectional isolate, so an
// Arabic name cannot draw the time or the clicks into its run, and the names
// are padded to the widest one's cells as the font draws them (a CJK or
// Hangul character or an emoji takes about two), so the columns after them
// line up. Lines whose names all fit Latin-1 take one cell per character
// and stay as the file has them.
QString sideListText(const QString& rankedText, const QFont& font) {
    const QString lineStart = QStringLiteral("\n\r");
    QStringList lines = rankedText.split(lineStart);
    const auto name = [](const QString& line) {
        QString field = scores::columns(line, 4, 27);
        while (field.endsWith(u' '))
            field.chop(1);
        return field;
    };
    if (std::all_of(lines.cbegin(), lines.cend(),
                    [&name](const QString& line) { return scores::fitsLatin1(name(line)); })) {
        return rankedText;
    }
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.horizontalAdvance(QLatin1Char(' '));
    const auto cells = [&](const QString& text) {
        return scores::fitsLatin1(text) ? int(text.size())
                                        : qRound(metrics.horizontalAdvance(text) / cell);
    };
    int width = 24;
    for (const QString& line : lines)
        width = qMax(width, cells(name(line)));
    // The text before the first line start is no line of the list.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString& line = lines[i];
        const QString shown = name(line);
        const QString isolated = scores::fitsLatin1(shown)
                                     ? shown
                                     : QChar(0x2068) + shown + QChar(0x2069); // FSI ... PDI
        line = scores::columns(line, 1, 3) + isolated + QString(width - cells(shown), u' ') +
               scores::midCharacters(line, 27);
    }
    return lines.join(lineStart);
}

} // namespace

scores::SortKey TForm1::sortKey() const {
    return m_state.sortclick ? scores::SortKey::Clicks : scores::SortKey::Time;
}

void TForm1::showList() {
    // The grid only shows the list's rows; it is never read back.
    const scores::Table& rows = m_list.rows();
    for (int r = 0; r < StringGrid1->rowCount() && r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < layout::GridColumns; ++c) {
            StringGrid1->item(r, c)->setText(
                rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
    }
    setGridColumnWidths(StringGrid1);
    placeGrid();
    if (StringGrid1->isVisibleTo(this)) {
        // The heading stands over the columns as they are now.
        showHeading(Label3, StringGrid1);
    }
    StringGrid1->repaint();
}

scores::HighScoreStore TForm1::list() const {
    return scores::HighScoreStore(m_state.folder);
}

void TForm1::showResult(const QDateTime& finish, qint64 takenMs) {
    setFontColour(Label2, Red);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label2->show();
    showHeading(Label3, StringGrid1);
    Label2->setText(scores::resultLine(scores::timeText(finish.time()),
                                       scores::elapsedText(takenMs),
                                       scores::clickText(m_state.clicks)));
}

void TForm1::highscore(const QDateTime& finish, qint64 takenMs) {
    const scores::Row result =
        scores::resultRow(m_state.playername, takenMs, finish, m_state.clicks);
    scores::ListChange change;
    struct Restore {
        TForm1* window;
        ~Restore() { window->clearWaitNotice(); }
    } restore{this};
    try {
        change = m_list.finishGame(list(), m_services.pause, result, sortKey(),
                                   patientWait(scores::HighScoreStore::listName));
    } catch (const GameError&) {
        // The rows hold the result even when the list could not take it.
        showList();
        throw;
    }
    Label8->setText(game::rankingMark(m_state));
    showRanking(change.rankedText);
    showListPanel();
    showList();
    finishShowing();
}

void TForm1::loadlist() {
    Edit1->repaint();
    m_list.takeNames(list(), m_services.pause);
    showList();
}

void TForm1::showListPanel() {
    Label8->setText(game::rankingMark(m_state));
    setWindowHeight(layout::WithListHeight);
    StringGrid1->show();
    Progressbar1->hide();
    showHeading(Label3, StringGrid1);
    Label3->raise();
    Edit1->repaint();
}

void TForm1::finishShowing() {
    m_services.pause.pause(800);
    setFontColour(Label3, Blue);
}

void TForm1::currenthighscores1Click() {
    showListPanel();
    const scores::ListChange change = m_list.show(list(), m_services.pause, sortKey());
    showList();
    showRanking(change.rankedText);
    finishShowing();
    if (change.unwritable) {
        throw *change.unwritable;
    }
}
void TForm1::highscoresoff1Click() {
    Label8->setText(game::rankingMark(m_state));
    StringGrid1->hide();
    setWindowHeight(layout::BoardOnlyHeight);
    setFontColour(Label3, Blue);
    QFont font = Label3->font();
    font.setPointSize(11);
    font.setWordSpacing(0);
    Label3->setFont(font);
    Label3->setText(info::namePrompt());
    Label3->hide();
}

void TForm1::showRanking(const QString& rankedText) {
    Label1->show();
    // A right-to-left start line would draw the list's first rank into its
    // run; the mark ends that run.
    const QString runEnd = isRightToLeft() ? QStringLiteral("\u200E") : QString();
    Label1->setText(Label1->text() + runEnd + sideListText(rankedText, Label1->font()));
}

void TForm1::sort() {
    Label8->setText(game::rankingMark(m_state));
    showRanking(
        scores::rankedListText(scores::sortList(list(), m_services.pause, sortKey()).lines));
}

void TForm1::sortontime1Click() {
    game::rankByTime(m_state);
    sort();
}

void TForm1::sortonclick1Click() {
    game::rankByClicks(m_state);
    sort();
}

void TForm1::newlst1Click() {
    scores::startNewList(list(), m_services.pause);
    m_services.pause.pause(100);
}

void TForm1::Panel1Click() {
    Label8->setText(game::rankingMark(m_state));
    setGridColumnWidths(StringGrid1);
    loadlist();
    Progressbar1->show();
    game::takeName(m_state, scores::playerName(Edit1->text()));
    Label2->hide();
    QFont font = Label3->font();
    font.setBold(true);
    font.setWordSpacing(0);
    Label3->setFont(font);
    setFontColour(Label3, DarkRed);
    Label3->setText(info::playPrompt());
    Edit1->hide();
    Panel1->hide();
    // Play goes on with the keyboard from the first card.
    Image1->setFocus(Qt::OtherFocusReason);
}
