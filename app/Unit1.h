#pragma once

// own
#include "app/Layout.h"
#include "assets/PictureCache.h"
#include "platform/FolderLock.h"
#include "platform/Services.h"
#include "scores/HighScoreStore.h"
#include "scores/ScoreList.h"

// Qt
#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QStringList>

// std
#include <array>
#include <functional>

class PictureBox;
class QAction;
class QColor;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QTableWidget;
class QTimer;

namespace game {
struct GameState;
}

// The one main window. It owns every control as a named member (each also
// findable by its object name) and carries the game's handlers; the rules,
// texts and files live in game/, scores/, assets/ and app/InfoTexts.
class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    TForm1(game::GameState& state, const Services& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The window's outer height as last set: the board alone or the board and the list.
    int windowHeight() const { return m_outerHeight; }
    QString statusText(int panel) const;
    // Start-up problems, gathered so they can be shown together once the window is up.
    QStringList startupProblems() const { return m_startupProblems; }
    // The start-up steps the first frame does not need: the game counter, the
    // picture files, the list check and the free-memory readout, in this
    // order. They run once, right after the window's first frame, or before
    // the first handler if that comes sooner; a caller that shows no window
    // runs them itself. Then the start-up problems are shown, if the window is.
    void finishStartUp();

    // Card handlers, one per card cell.
    void Image1Click() { cardClick(1); }
    void Image2Click() { cardClick(2); }
    void Image3Click() { cardClick(3); }
    void Image4Click() { cardClick(4); }
    void Image5Click() { cardClick(5); }
    void Image6Click() { cardClick(6); }
    void Image7Click() { cardClick(7); }
    void Image8Click() { cardClick(8); }
    void Image9Click() { cardClick(9); }
    void Image10Click() { cardClick(10); }
    void Image11Click() { cardClick(11); }
    void Image12Click() { cardClick(12); }
    void Image13Click() { cardClick(13); }
    void Image14Click() { cardClick(14); }
    void Image15Click() { cardClick(15); }
    void Image16Click() { cardClick(16); }
    void Image17Click() { cardClick(17); }
    void Image18Click() { cardClick(18); }
    void Image19Click() { cardClick(19); }
    void Image20Click() { cardClick(20); }
    void Image21Click() { cardClick(21); }
    void Image22Click() { cardClick(22); }
    void Image23Click() { cardClick(23); }
    void Image24Click() { cardClick(24); }
    void Image25Click() { cardClick(25); }
    void Image26Click() { cardClick(26); }
    void Image27Click() { cardClick(27); }
    void Image28Click() { cardClick(28); }
    void Image29Click() { cardClick(29); }
    void Image30Click() { cardClick(30); }
    void Image31Click() { cardClick(31); }
    void Image32Click() { cardClick(32); }
    void Image33Click() { cardClick(33); }
    void Image34Click() { cardClick(34); }
    void Image35Click() { cardClick(35); }
    void Image36Click() { cardClick(36); }
    void cardClick(int position);

    // Menu handlers.
    void start1Click();
    void end1Click();
    void instructions1Click();
    void versin1Click();
    void designer1Click();
    void newlst1Click();
    void sound1Click();
    void soundoff1Click();
    void publishinghouse1Click();
    void mailtopublisher1Click();
    void currenthighscores1Click();
    void highscoresoff1Click();
    void freememory1Click();
    void sortontime1Click();
    void sortonclick1Click();
    void donation1Click();

    void Panel1Click();
    void Timer1Timer();

  signals:
    // The program should end once control is back in the event loop.
    void terminateRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Start-up and game life.
    void erstelle();
    void twocheck();
    void endGame();
    void endanzeige();
    void shuffle();
    void numberofgame();
    void mem();
    // The one picture of a face-down card: the folder's file once start-up
    // has found the game's own copy in it, the built-in copy until then or
    // when the folder's file could not be written.
    QImage backPicture();
    void dealBacks();

    // The high-score list.
    // takenMs: the time the game took, on the steady clock.
    void showResult(const QDateTime& finish, qint64 takenMs);
    // Enters, saves and ranks the result, then shows the list.
    void highscore(const QDateTime& finish, qint64 takenMs);
    void loadlist();
    void sort();
    void showList();
    void showListPanel();
    void showRanking(const QString& rankedText);
    void finishShowing();
    scores::SortKey sortKey() const;
    scores::HighScoreStore list() const;

    // Helpers.
    void buildControls();
    void buildCards(QWidget* board);
    void buildSidePanel(QWidget* board);
    void buildNameEntry(QWidget* board);
    void buildList(QWidget* board);
    void buildStatusBar();
    void buildMenu();
    void layoutControls();
    void place(QWidget* control, int x, int y, int width, int height) const;
    void placeStartArea();
    void placeGrid();
    void setWindowHeight(int outerHeight);
    void loadPicture(PictureBox* box, const QString& fileName);
    void showCardBack(int position);
    PictureBox* card(int position) const;
    void moveCardFocus(int from, int dx, int dy);
    void describeCard(int position);
    void armClock();
    void showStartupProblems();
    // The waits a finished game's result and the game counter allow for the
    // lock, shown in the status bar while they last.
    safefile::LockWait patientWait(const QString& file);
    void clearWaitNotice();
    // The one message about a folder the game can read but not write; later
    // ones are dropped. Empty once told.
    QString unwritableOnce(const safefile::FileError& error);
    // Runs a handler; an error that escapes it is shown in a message box and
    // the game goes on. A player's action first finishes the start-up.
    enum class StartUp { FinishFirst, Leave };
    void guarded(const std::function<void()>& handler, StartUp startUp = StartUp::FinishFirst);

  public:
    // Controls, in their order of declaration.
    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    PictureBox* Image1 = nullptr;
    PictureBox* Image2 = nullptr;
    PictureBox* Image3 = nullptr;
    PictureBox* Image4 = nullptr;
    PictureBox* Image5 = nullptr;
    PictureBox* Image6 = nullptr;
    PictureBox* Image7 = nullptr;
    PictureBox* Image8 = nullptr;
    PictureBox* Image9 = nullptr;
    PictureBox* Image10 = nullptr;
    PictureBox* Image11 = nullptr;
    PictureBox* Image12 = nullptr;
    PictureBox* Image13 = nullptr;
    PictureBox* Image14 = nullptr;
    PictureBox* Image15 = nullptr;
    PictureBox* Image16 = nullptr;
    PictureBox* Image17 = nullptr;
    PictureBox* Image18 = nullptr;
    PictureBox* Image19 = nullptr;
    PictureBox* Image20 = nullptr;
    PictureBox* Image21 = nullptr;
    PictureBox* Image22 = nullptr;
    PictureBox* Image23 = nullptr;
    PictureBox* Image24 = nullptr;
    PictureBox* Image25 = nullptr;
    PictureBox* Image26 = nullptr;
    PictureBox* Image27 = nullptr;
    PictureBox* Image28 = nullptr;
    PictureBox* Image29 = nullptr;
    PictureBox* Image30 = nullptr;
    PictureBox* Image31 = nullptr;
    PictureBox* Image32 = nullptr;
    PictureBox* Image33 = nullptr;
    PictureBox* Image34 = nullptr;
    PictureBox* Image35 = nullptr;
    PictureBox* Image36 = nullptr;
    QMenuBar* MainMenu1 = nullptr;
    QMenu* highscores1 = nullptr;
    QMenu* help1 = nullptr;
    QAction* end1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QAction* start1 = nullptr;
    QAction* instructions1 = nullptr;
    QAction* versin1 = nullptr;
    QAction* designer1 = nullptr;
    QAction* newlst1 = nullptr;
    PictureBox* Image37 = nullptr;
    QAction* sound1 = nullptr;
    QAction* soundoff1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label3 = nullptr;
    PictureBox* Image38 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    PictureBox* Image39 = nullptr;
    QLabel* Label6 = nullptr;
    QAction* publishinghouse1 = nullptr;
    QAction* mailtopublisher1 = nullptr;
    QPushButton* Panel1 = nullptr;
    QAction* currenthighscores1 = nullptr;
    QAction* highscoresoff1 = nullptr;
    QProgressBar* Progressbar1 = nullptr;
    PictureBox* Image40 = nullptr;
    QAction* freememory1 = nullptr;
    QLabel* Label7 = nullptr;
    QAction* sortontime1 = nullptr;
    QAction* sortonclick1 = nullptr;
    QLabel* Label8 = nullptr;
    QAction* donation1 = nullptr;
    QLabel* Label9 = nullptr;

  private:
    game::GameState& m_state;
    Services m_services;
    std::array<PictureBox*, 36> m_cards{}; // Image1 ... Image36, by position - 1
    scores::ScoreList m_list;              // the rows StringGrid1 shows
    int m_outerHeight = layout::BoardOnlyHeight;
    QScrollArea* m_startArea = nullptr; // holds Label1, whose list lines grow with every ranking
    int m_gridTop = layout::GridTop;    // below the name entry, in the fonts the window has
    int m_startAreaTop = layout::StartAreaTop; // below the side panel's pictures
    QLabel* m_statusPanels[3] = {nullptr, nullptr, nullptr};
    QStringList m_startupProblems;
    bool m_startUpPending = true;   // finishStartUp has not run yet
    bool m_backsFromFolder = false; // the folder holds the game's own card back
    bool m_toldUnwritable = false;  // the player knows the folder cannot be written
    assets::PictureCache m_pictures;
};

// Gives the high-score grid its column widths.
void setGridColumnWidths(QTableWidget* grid);
// Sets the colour of a control's text.
void setFontColour(QWidget* widget, const QColor& colour);
QColor fontColour(const QWidget* widget);
