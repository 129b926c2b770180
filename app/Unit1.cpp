// own
#include "app/Unit1.h"
#include "app/InfoTexts.h"
#include "app/Layout.h"
#include "app/PictureBox.h"
#include "app/StatusClock.h"
#include "assets/AssetFiles.h"
#include "game/GameState.h"
#include "game/Turns.h"
#include "platform/GameError.h"
#include "platform/SafeFile.h"

// Qt
#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>

// std
#include <algorithm>
#include <exception>
#include <iterator>
#include <memory>

namespace {

using namespace layout;

// The name box selects all of its text when it gets the focus, so a new name
// simply replaces the last one; Enter confirms like the OK panel. A name
// typed through an input method (Japanese, Chinese, Korean) is composed
// first: an Enter during the composition, or the one that ends it, belongs to
// the input method and does not take the name early.
class NameEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        QTimer::singleShot(0, this, [this] { selectAll(); });
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        const bool wasComposing = m_composing;
        QLineEdit::inputMethodEvent(event);
        m_composing = !event->preeditString().isEmpty();
        if (wasComposing && !m_composing) {
            // The key that ended the composition may still be on its way.
            m_justComposed = true;
            QTimer::singleShot(0, this, [this] { m_justComposed = false; });
        }
    }

    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (m_composing || m_justComposed)) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    // The standard menu without its submenu of direction controls: the name
    // drops them when it is taken.
    void contextMenuEvent(QContextMenuEvent* event) override {
        const std::unique_ptr<QMenu> menu(createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            if (action->menu() != nullptr) {
                menu->removeAction(action);
            }
        }
        if (!menu->actions().isEmpty() && menu->actions().last()->isSeparator()) {
            menu->removeAction(menu->actions().last());
        }
        menu->exec(event->globalPos());
    }

  private:
    bool m_composing = false;
    bool m_justComposed = false;
};

} // namespace

TForm1::TForm1(game::GameState& state, const Services& services, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_services(services) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Kestrelon Memory"));
    PictureBox::registerAccessibility();
    buildControls();
    buildMenu();
    layoutControls();
    erstelle();
    armClock();
    Timer1Timer();
}

TForm1::~TForm1() = default;

void TForm1::buildControls() {
    auto* board = new QWidget(this);
    board->setObjectName(QStringLiteral("board"));
    setCentralWidget(board);
    buildCards(board);
    buildSidePanel(board);
    buildNameEntry(board);
    buildList(board);
    buildStatusBar();
}

void TForm1::buildCards(QWidget* board) {
    PictureBox** members[] = {
        &Image1,  &Image2,  &Image3,  &Image4,  &Image5,  &Image6,  &Image7,  &Image8,  &Image9,
        &Image10, &Image11, &Image12, &Image13, &Image14, &Image15, &Image16, &Image17, &Image18,
        &Image19, &Image20, &Image21, &Image22, &Image23, &Image24, &Image25, &Image26, &Image27,
        &Image28, &Image29, &Image30, &Image31, &Image32, &Image33, &Image34, &Image35, &Image36};
    static_assert(std::size(members) == std::tuple_size_v<decltype(m_cards)>);
    for (int k = 1; k <= game::CardCount; ++k) {
        auto* box = new PictureBox(board);
        box->setObjectName(QStringLiteral("Image%1").arg(k));
        box->setCard(true);
        m_cards[static_cast<std::size_t>(k - 1)] = box;
        *members[k - 1] = box;
        connect(box, &PictureBox::clicked, this,
                [this, k] { guarded([this, k] { cardClick(k); }); });
        connect(box, &PictureBox::navigate, this,
                [this, k](int dx, int dy) { moveCardFocus(k, dx, dy); });
    }
    // The pairs found, right below the board.
    Progressbar1 = new QProgressBar(board);
    Progressbar1->setObjectName(QStringLiteral("Progressbar1"));
    Progressbar1->setRange(0, game::progressPosition(game::PairCount));
    Progressbar1->setValue(0);
    Progressbar1->setTextVisible(false);
    Progressbar1->setAccessibleName(tr("Pairs found"));
}

void TForm1::buildSidePanel(QWidget* board) {
    PictureBox** pictures[] = {&Image37, &Image38, &Image39, &Image40};
    for (int i = 0; i < 4; ++i) {
        auto* box = new PictureBox(board);
        box->setObjectName(QStringLiteral("Image%1").arg(37 + i));
        box->setCard(false);
        box->hide();
        *pictures[i] = box;
    }
    Image37->setAccessibleName(tr("Designer picture"));
    Image38->setAccessibleName(tr("Sixteen pairs found"));
    Image39->setAccessibleName(tr("All pairs found"));
    Image40->setAccessibleName(tr("Game over"));

    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5,
                         &Label6, &Label7, &Label8, &Label9};
    for (int i = 0; i < 9; ++i) {
        auto* label = new QLabel(board);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setTextFormat(Qt::PlainText);
        *labels[i] = label;
    }

    // Label1 gathers the start line and every ranked list; it scrolls.
    m_startArea = new QScrollArea(board);
    m_startArea->setObjectName(QStringLiteral("startArea"));
    m_startArea->setFrameShape(QFrame::NoFrame);
    m_startArea->setWidgetResizable(true);
    Label1->setParent(nullptr);
    m_startArea->setWidget(Label1);
    // The ranked lists are fixed columns of the list file's characters: they
    // read from left to right in every language. In a mirrored window the
    // block keeps to the panel's edge by the board.
    Label1->setLayoutDirection(Qt::LeftToRight);
    Label1->setAlignment((isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute |
                         Qt::AlignTop);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(8);
    Label1->setFont(mono);
    Label1->setAccessibleName(tr("Start time and ranked list"));

    Label4->setText(info::freeMemoryCaption());
    Label5->setAccessibleName(tr("Free memory"));
    Label6->setAccessibleName(tr("Version"));
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label6->setAutoFillBackground(true);
    Label6->setFrameShape(QFrame::StyledPanel);
    Label6->setMargin(6);
    Label6->hide();
    Label7->setAccessibleName(tr("Processors"));
    Label7->hide();
    QFont mark = Label8->font();
    mark.setPointSize(14);
    mark.setBold(true);
    Label8->setFont(mark);
    Label8->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label8->setAccessibleName(tr("Ranking by (T time, C clicks)"));
    Label9->setAccessibleName(tr("Game number"));
    Label9->hide();
}

void TForm1::buildNameEntry(QWidget* board) {
    setFontColour(Label2, Red);
    Label2->setAccessibleName(tr("Result"));
    Label2->hide();
    Label3->setAccessibleName(tr("Prompt"));
    QFont prompt = Label3->font();
    prompt.setPointSize(11);
    Label3->setFont(prompt);

    Edit1 = new NameEdit(board);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setPlaceholderText(tr("your name"));
    Edit1->setAccessibleName(tr("Player name"));
    Edit1->setMaxLength(64);
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { guarded([this] { Panel1Click(); }); });

    Panel1 = new QPushButton(tr("OK"), board);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(tr("OK"));
    Panel1->setCursor(Qt::PointingHandCursor);
    connect(Panel1, &QPushButton::clicked, this, [this] { guarded([this] { Panel1Click(); }); });
}

void TForm1::buildList(QWidget* board) {
    StringGrid1 = new QTableWidget(GridRows, GridColumns, board);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    StringGrid1->setAccessibleName(tr("High scores"));
    setGridColumnWidths(StringGrid1);
    for (int r = 0; r < GridRows; ++r) {
        for (int c = 0; c < GridColumns; ++c) {
            StringGrid1->setItem(r, c, new QTableWidgetItem());
        }
    }
    StringGrid1->hide();
}

void TForm1::buildStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);
    for (int i = 0; i < 3; ++i) {
        m_statusPanels[i] = new QLabel(StatusBar1);
        m_statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_statusPanels[i]->setContentsMargins(6, 0, 6, 0);
    }
    // The date and time panels keep one width, so the clock's ticks repaint
    // only their own text and never lay out the status bar anew.
    const QFontMetrics metrics(m_statusPanels[1]->font());
    m_statusPanels[1]->setMinimumWidth(
        metrics.horizontalAdvance(statusclock::widestDateText(info::textLocale())) + 16);
    m_statusPanels[2]->setMinimumWidth(
        metrics.horizontalAdvance(QStringLiteral("23:59:59 UTC+10:30")) + 16);
    StatusBar1->addWidget(m_statusPanels[0], 1);
    StatusBar1->addPermanentWidget(m_statusPanels[1]);
    StatusBar1->addPermanentWidget(m_statusPanels[2]);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] {
        // The clock is no player's action: it leaves the rest of the start-up
        // to the first frame.
        guarded([this] { Timer1Timer(); }, StartUp::Leave);
        armClock();
    });
}

void TForm1::buildMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    auto item = [this](QAction*& member, const char* name, const QString& caption,
                       void (TForm1::*handler)()) {
        member = new QAction(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        connect(member, &QAction::triggered, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    item(start1, "start1", tr("&start"), &TForm1::start1Click);
    item(end1, "end1", tr("&end"), &TForm1::end1Click);
    item(instructions1, "instructions1", tr("&Instructions"), &TForm1::instructions1Click);
    item(versin1, "versin1", tr("&Version"), &TForm1::versin1Click);
    item(designer1, "designer1", tr("&Designer"), &TForm1::designer1Click);
    item(newlst1, "newlst1", tr("&New list"), &TForm1::newlst1Click);
    item(sound1, "sound1", tr("Sound o&n"), &TForm1::sound1Click);
    item(soundoff1, "soundoff1", tr("Sound o&ff"), &TForm1::soundoff1Click);
    item(publishinghouse1, "publishinghouse1", tr("&Publisher's web site"),
         &TForm1::publishinghouse1Click);
    item(mailtopublisher1, "mailtopublisher1", tr("&Mail to the publisher"),
         &TForm1::mailtopublisher1Click);
    item(currenthighscores1, "currenthighscores1", tr("&Show high scores"),
         &TForm1::currenthighscores1Click);
    item(highscoresoff1, "highscoresoff1", tr("&Hide high scores"), &TForm1::highscoresoff1Click);
    item(freememory1, "freememory1", tr("&Free memory and processors"), &TForm1::freememory1Click);
    item(sortontime1, "sortontime1", tr("Sort on &time"), &TForm1::sortontime1Click);
    item(sortonclick1, "sortonclick1", tr("Sort on &clicks"), &TForm1::sortonclick1Click);
    item(donation1, "donation1", tr("D&onation"), &TForm1::donation1Click);

    start1->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(QKeySequence::New)});
    end1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    currenthighscores1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    instructions1->setShortcut(QKeySequence(Qt::Key_F1));

    MainMenu1->addAction(start1);
    highscores1 = MainMenu1->addMenu(tr("&Highscores"));
    highscores1->setObjectName(QStringLiteral("highscores1"));
    highscores1->addAction(currenthighscores1);
    highscores1->addAction(highscoresoff1);
    highscores1->addSeparator();
    highscores1->addAction(sortontime1);
    highscores1->addAction(sortonclick1);
    highscores1->addSeparator();
    highscores1->addAction(newlst1);
    MainMenu1->addAction(sound1);
    MainMenu1->addAction(soundoff1);
    help1 = MainMenu1->addMenu(tr("He&lp"));
    help1->setObjectName(QStringLiteral("help1"));
    help1->addAction(instructions1);
    help1->addAction(versin1);
    help1->addAction(designer1);
    help1->addAction(freememory1);
    help1->addSeparator();
    help1->addAction(publishinghouse1);
    help1->addAction(mailtopublisher1);
    help1->addAction(donation1);
    MainMenu1->addAction(end1);
}

void TForm1::place(QWidget* control, int x, int y, int width, int height) const {
    // The measures are those of a left-to-right window; a right-to-left one
    // (Arabic) shows the same window mirrored, card 1 at the top right.
    control->setGeometry(QStyle::visualRect(layoutDirection(), QRect(0, 0, WindowWidth, y + height),
                                            QRect(x, y, width, height)));
}

namespace {

// What one line of text in font needs: its line height and a little air, and
// at least least, the control's height in a font of DejaVu Sans's measures at
// 96 dpi. A font with taller lines (Noto Sans, the CJK and Arabic faces) or a
// larger desktop font gets more.
int lineHeight(QFont font, int least, bool bold = false) {
    font.setBold(bold || font.bold());
    return qMax(least, QFontMetrics(font).height() + 4);
}

} // namespace

void TForm1::layoutControls() {
    for (int k = 1; k <= game::CardCount; ++k) {
        place(card(k), Margin + (columnOf(k) - 1) * (CardSize + CardGap),
              BoardTop + (rowOf(k) - 1) * (CardSize + CardGap), CardSize, CardSize);
    }
    // Below the board, each row takes what its font needs, and the rows
    // after it move down.
    const int belowBoard = BoardTop + BoardHeight;
    place(Progressbar1, Margin, belowBoard + 8, BoardWidth, 12);
    QFont prompt = Label3->font();
    prompt.setPointSize(11);
    const int promptHeight = lineHeight(prompt, 24, true);
    place(Label3, Margin, belowBoard + 24, BoardWidth, promptHeight);
    const int nameTop = belowBoard + 28 + promptHeight;
    // The box and the button by their text, not by the style's least button
    // size, so the button keeps its width where its word fits.
    QFont bold = Panel1->font();
    bold.setBold(true);
    const int boxHeight = QFontMetrics(Edit1->font()).height() + 8;
    const int buttonHeight = QFontMetrics(bold).height() + 8;
    const int nameHeight =
        std::max({lineHeight(Label2->font(), 28, true), boxHeight, buttonHeight});
    const int okWidth = qMax(64, QFontMetrics(bold).horizontalAdvance(Panel1->text()) + 16);
    place(Edit1, Margin, nameTop, 240, nameHeight);
    place(Panel1, Margin + 248, nameTop, okWidth, nameHeight);
    // The result line shares the name entry's row; the two are never shown
    // together, and clicks pass through the line to the name box.
    place(Label2, Margin, nameTop, BoardWidth, nameHeight);
    Label2->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_gridTop = nameTop + nameHeight + 14;
    placeGrid();

    const int sideLine = lineHeight(Label9->font(), 20);
    place(Label9, SideX, 8, 200, sideLine);
    place(Label8, WindowWidth - Margin - 40, 4, 40, lineHeight(Label8->font(), 26));
    // A caption longer than the English one pushes the readout to its right.
    const int memoryTop = 8 + sideLine + 4;
    const int captionWidth = qMax(100, Label4->sizeHint().width() + 12);
    place(Label4, SideX, memoryTop, captionWidth, sideLine);
    place(Label5, SideX + captionWidth, memoryTop, 200, sideLine);
    const int processorsTop = memoryTop + sideLine + 2;
    place(Label7, SideX, processorsTop, 300, sideLine);
    const int picturesTop = processorsTop + sideLine + 6;
    place(Image38, SideX, picturesTop, 96, 96);
    place(Image39, SideX + 112, picturesTop, 96, 96);
    place(Image40, SideX + 224, picturesTop, 96, 96);
    place(Label6, SideX, picturesTop, SideWidth - 8, 124);
    m_startAreaTop = qMax(StartAreaTop, picturesTop + 128);
    place(Image37, Margin + (BoardWidth - 200) / 2, BoardTop + (BoardHeight - 200) / 2, 200, 200);
    placeStartArea();
    resize(WindowWidth, height());
}

void TForm1::placeGrid() {
    // Rows as tall as the grid's font needs (the header would not let them
    // be smaller anyway), and as wide as the columns are.
    const int rowHeight =
        std::max({GridRowHeight, StringGrid1->verticalHeader()->minimumSectionSize(),
                  StringGrid1->fontMetrics().height() + 6});
    StringGrid1->verticalHeader()->setDefaultSectionSize(rowHeight);
    const int frame = 2 * StringGrid1->frameWidth();
    int width = 0;
    for (int c = 0; c < GridColumns; ++c) {
        width += StringGrid1->columnWidth(c);
    }
    place(StringGrid1, Margin, m_gridTop, width + frame, GridRows * rowHeight + frame);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_startArea != nullptr && centralWidget() != nullptr) {
        placeStartArea();
    }
}

void TForm1::placeStartArea() {
    // The start line and the ranked lists reach down to the status bar.
    place(m_startArea, SideX, m_startAreaTop, SideWidth,
          qMax(60, centralWidget()->height() - m_startAreaTop - 4));
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The frame's size is known only once the window is shown; apply the
    // outer height again so the title bar is counted in it.
    QTimer::singleShot(0, this, [this] { setWindowHeight(m_outerHeight); });
    if (m_startUpPending) {
        // The rest of the start-up waits for the first frame.
        windowHandle()->installEventFilter(this);
    } else {
        QTimer::singleShot(0, this, [this] { showStartupProblems(); });
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        // The expose paints the first frame; what is posted now runs after it.
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { guarded([this] { finishStartUp(); }); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && StringGrid1->isVisible()) {
        guarded([this] { highscoresoff1Click(); });
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TForm1::setWindowHeight(int outerHeight) {
    m_outerHeight = outerHeight;
    const int frame = isVisible() ? frameGeometry().height() - geometry().height() : 0;
    // The height asked for, or what the menu bar, the board, the name entry
    // or the list and the status bar take in the fonts the window has. On a
    // screen lower than that, the window is still that high, and the window
    // manager lets the player move it.
    const QWidget* lowest = outerHeight == layout::WithListHeight
                                ? static_cast<const QWidget*>(StringGrid1)
                                : static_cast<const QWidget*>(Edit1);
    const int needed = menuBar()->sizeHint().height() + lowest->geometry().bottom() + 1 + 8 +
                       statusBar()->sizeHint().height();
    setFixedSize(WindowWidth, qMax(outerHeight - frame, needed));
}

QString TForm1::statusText(int panel) const {
    return panel >= 0 && panel < 3 ? m_statusPanels[panel]->text() : QString();
}

PictureBox* TForm1::card(int position) const {
    return m_cards.at(static_cast<std::size_t>(position - 1));
}

void TForm1::moveCardFocus(int from, int dx, int dy) {
    // Left and right run through the board like text, wrapping to the next
    // or previous row; up and down wrap within the column.
    int index = from - 1;
    if (dx != 0) {
        index = (index + dx + game::CardCount) % game::CardCount;
    } else {
        const int row = (index / Columns + dy + Rows) % Rows;
        index = row * Columns + index % Columns;
    }
    card(index + 1)->setFocus(Qt::OtherFocusReason);
}

void TForm1::loadPicture(PictureBox* box, const QString& fileName) {
    box->setPicture(m_pictures.picture(m_state.folder, fileName));
    box->setStretch(true);
}

void TForm1::guarded(const std::function<void()>& handler, StartUp startUp) {
    try {
        if (startUp == StartUp::FinishFirst) {
            finishStartUp();
        }
        handler();
    } catch (const safefile::NoFolderError&) {
        // Without a folder nothing is kept; the player was told at start-up.
    } catch (const safefile::ReadOnlyFolderError& error) {
        const QString text = unwritableOnce(error);
        if (!text.isEmpty()) {
            m_services.dialogs.message(windowTitle(), text, Dialogs::Icon::Warning);
        }
    } catch (const GameError& error) {
        m_services.dialogs.message(windowTitle(), error.message(), Dialogs::Icon::Warning);
    } catch (const std::exception& error) {
        m_services.dialogs.message(windowTitle(), QString::fromLocal8Bit(error.what()),
                                   Dialogs::Icon::Warning);
    }
}

void TForm1::showStartupProblems() {
    if (m_startupProblems.isEmpty()) {
        return;
    }
    const QString text = m_startupProblems.join(QLatin1Char('\n'));
    m_startupProblems.clear();
    m_services.dialogs.message(windowTitle(), text, Dialogs::Icon::Warning);
}

safefile::LockWait TForm1::patientWait(const QString& file) {
    return safefile::LockWait(safefile::LockWait::patientTimeoutMs, [this, file] {
        m_statusPanels[0]->setText(
            tr("Waiting for another game in this folder to finish with %1 ...").arg(file));
        m_statusPanels[0]->repaint();
    });
}

void TForm1::clearWaitNotice() {
    m_statusPanels[0]->setText(statusclock::noticeText());
}

QString TForm1::unwritableOnce(const safefile::FileError& error) {
    if (m_toldUnwritable) {
        return {};
    }
    m_toldUnwritable = true;
    return tr("The game cannot write into its folder %1 (%2), so it counts no game in nog.txt "
              "and keeps no result in highscore.txt there; it shows the list as it is.")
        .arg(QDir::toNativeSeparators(m_state.folder.displayName()), error.reason());
}

void setGridColumnWidths(QTableWidget* grid) {
    // Each column as wide as today's, or as its widest text needs in the
    // grid's font with the cell's margins: the longest rank, time, date and
    // clicks the list writes, and what the rows hold now. The grid keeps to
    // the board's width.
    const QFontMetrics metrics(grid->font());
    const int margins =
        2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 4;
    const std::array<QString, layout::GridColumns> widest{
        QStringLiteral("12"), QString(), QStringLiteral("00:00:00"), QStringLiteral("00.00.0000"),
        QStringLiteral("999")};
    int total = 0;
    std::array<int, layout::GridColumns> widths{};
    for (int c = 0; c < layout::GridColumns; ++c) {
        const auto column = static_cast<std::size_t>(c);
        int width = qMax(layout::GridColumnWidths.at(column),
                         metrics.horizontalAdvance(widest.at(column)) + margins);
        for (int r = 0; r < grid->rowCount(); ++r) {
            const QTableWidgetItem* item = grid->item(r, c);
            if (item != nullptr) {
                width = qMax(width, metrics.horizontalAdvance(item->text()) + margins);
            }
        }
        widths.at(column) = width;
        total += width;
    }
    const auto name = static_cast<std::size_t>(scores::column::name);
    widths.at(name) =
        qMax(layout::GridColumnWidths.at(name),
             widths.at(name) - qMax(0, total - layout::BoardWidth + 2 * grid->frameWidth()));
    for (int c = 0; c < layout::GridColumns; ++c) {
        grid->setColumnWidth(c, widths.at(static_cast<std::size_t>(c)));
    }
}

void setFontColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QColor fontColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}
