// The Qt window under real events (mouse, keys, menus), checked on screen against the null toolkit's board.
#define QTEST_QPA_MOUSE_HANDLING  // mouse events travel through the window, as a real pointer's do
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "support.h"
#include "ui/app.h"
#include "ui/artwork.h"
#include "ui/keys.h"
#include "ui/null_toolkit.h"
#include "ui/qt/qt_toolkit.h"

namespace zandor::test {
namespace {

// A clock whose waits take no time but let the test look at the screen while the game holds it.
class HoldClock final : public Clock {
 public:
  double Now() override { return now_; }
  void Sleep(double seconds) override {
    if (onSleep) onSleep(seconds);
    if (seconds > 0) now_ += seconds;
  }
  float SecondsSinceMidnight() override { return static_cast<float>(now_); }
  std::function<void(double)> onSleep;

 private:
  double now_ = 5000.0;
};

// Pixels that differ between a screen grab and a null-toolkit image.
int Differences(const QImage& shot, const Image& expected) {
  if (shot.width() != expected.width || shot.height() != expected.height) return -1;
  int count = 0;
  for (int y = 0; y < expected.height; ++y)
    for (int x = 0; x < expected.width; ++x)
      if ((shot.pixel(x, y) & 0x00FFFFFFu) != expected.At(x, y)) ++count;
  return count;
}

double DistanceToSegment(double px, double py, const Line& l) {
  const double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
  double t = ((px - l.x1) * dx + (py - l.y1) * dy) / (dx * dx + dy * dy);
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (l.x1 + t * dx), py - (l.y1 + t * dy));
}

// Differences a pen's shape explains: a pen is square in the null toolkit and square to the line in
// Qt, so across a slanted line the two widths differ. Any difference away from the line's edge, or
// one where neither is red, is a real fault.
int UnexplainedDifferences(const QImage& shot, const Image& expected, const Line& line) {
  int count = 0;
  for (int y = 0; y < expected.height; ++y)
    for (int x = 0; x < expected.width; ++x) {
      if ((shot.pixel(x, y) & 0x00FFFFFFu) == expected.At(x, y)) continue;
      const double d = DistanceToSegment(x + 0.5, y + 0.5, line);
      const bool eitherRed =
          expected.At(x, y) == 0x00FF0000u || (shot.pixel(x, y) & 0x00FFFFFFu) == 0x00FF0000u;
      if (!eitherRed || d < 1.5 || d > 4.5) ++count;
    }
  return count;
}

Image EmptyBoard() {
  Image board(kBoardSize, kBoardSize);
  Blit(board, 0, 0, kBoardSize, kBoardSize, MakeArtwork(), 0, 0, RasterOp::SrcCopy);
  return board;
}

// The real window and a null toolkit, fed the same input with the same random draws.
struct Twin {
  HoldClock clock;
  ScriptedRandom random;
  QtToolkit toolkit;
  Game game{toolkit, clock, random};
  App app{game, toolkit};

  HoldClock nullClock;
  ScriptedRandom nullRandom;
  NullToolkit null{true};
  Game nullGame{null, nullClock, nullRandom};
  App nullApp{nullGame, null};

  QTemporaryDir folder;
  bool exited = false;

  Twin() {
    toolkit.exitProgram = [this] { exited = true; };
    toolkit.programFolderOverride = folder.path().toStdString();
    null.programFolder = folder.path().toStdString();
    toolkit.SetApp(&app);
    app.Main();
    nullApp.Main();
  }
  frmMain* window() { return toolkit.window(); }
  QWindow* handle() { return window()->windowHandle(); }

  // What the screen shows of the board right now.
  QImage Screen() {
    const QPoint at = window()->picMain->mapTo(window(), QPoint(0, 0));
    return window()
        ->screen()
        ->grabWindow(window()->winId(), at.x(), at.y(), kBoardSize, kBoardSize)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  // Real mouse click on the board at a pixel, mirrored to the null side.
  void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(window()->picMain, button, Qt::NoModifier, QPoint(x, y));
    nullApp.picMain_MouseUp(1, 0, static_cast<float>(x), static_cast<float>(y));
  }
  // Real key press into the window (it goes to whatever has the focus), mirrored by its code.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(handle(), key, modifiers);
    const std::int16_t code = VirtualKeyFromQt(key, modifiers);
    if (code != 0) nullApp.HandleKey(code, 0);
  }
  // Chooses a menu item the way a person does on the keyboard: Alt and the menu's key, then the item's.
  void Menu(Qt::Key menuKey, Qt::Key itemKey, MenuItem item) {
    QTest::keyClick(handle(), menuKey, Qt::AltModifier);
    QMenu* popup = nullptr;
    QTRY_VERIFY((popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
    QTest::keyClick(popup, itemKey);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    nullApp.OnMenu(item);
  }
  std::string Checks() {
    std::string marks;
    for (int i = 0; i < kMenuItemCount; ++i)
      marks += window()->Action(static_cast<MenuItem>(i))->isChecked() ? '1' : '0';
    return marks;
  }
  std::string NullChecks() {
    std::string marks;
    for (int i = 0; i < kMenuItemCount; ++i) marks += null.IsChecked(static_cast<MenuItem>(i)) ? '1' : '0';
    return marks;
  }
  bool SameAsNull() {
    return BoardString(game) == BoardString(nullGame) && Differences(Screen(), null.board) == 0;
  }
};

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Twin> twin;

 private slots:
  void init() {
    twin = std::make_unique<Twin>();
    QVERIFY(QTest::qWaitForWindowExposed(twin->window()));
    QVERIFY(QTest::qWaitForWindowActive(twin->window()));
  }
  void cleanup() { twin.reset(); }

  void startsAsThePlayerExpects() {
    frmMain* w = twin->window();
    QCOMPARE(w->windowTitle(), QString("Zandor [O:0; X:0]"));
    QCOMPARE(w->centralWidget()->size(), QSize(302, 340));
    QCOMPARE(w->picMain->geometry(), QRect(0, 0, 300, 300));
    QCOMPARE(w->Label1->geometry(), QRect(16, 304, 281, 33));
    QVERIFY(!w->Label1->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->picMain));
    // Centred on its screen, give or take a pixel of rounding.
    const QPoint off = w->frameGeometry().center() - w->screen()->availableGeometry().center();
    QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1,
             qPrintable(QString("%1,%2").arg(off.x()).arg(off.y())));
    QVERIFY(w->windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(w->windowIcon().availableSizes().contains(QSize(32, 32)));
    QCOMPARE(twin->Checks(), std::string("010000100"));
    QCOMPARE(Differences(twin->Screen(), EmptyBoard()), 0);
  }

  void menusReadAsDesigned() {
    const QList<QAction*> bar = twin->window()->menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QStringList seen;
    for (QAction* menu : bar) {
      seen << menu->text();
      for (QAction* item : menu->menu()->actions()) {
        seen << item->text();
        QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->text()));
        QVERIFY(item->isEnabled());
      }
    }
    QCOMPARE(seen, QStringList({"&File", "&Restart", "&1 Player", "&2 Player", "E&xit", "&Difficulty",
                                "&Silly Putty", "&Beaver", "&Induhvidual", "&Wiz Kid", "&Nerd God"}));
    for (QActionGroup* group : twin->window()->findChildren<QActionGroup*>()) QVERIFY(group->isExclusive());
  }

  void clicksLandInTheirCells_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("board");
    QTest::newRow("centre") << 150 << 150 << int(Qt::LeftButton) << "....O....";
    QTest::newRow("top right") << 250 << 50 << int(Qt::LeftButton) << "..O......";
    QTest::newRow("x 100 is the left column") << 100 << 150 << int(Qt::LeftButton) << "...O.....";
    QTest::newRow("x 200 is the right column") << 200 << 150 << int(Qt::LeftButton) << ".....O...";
    QTest::newRow("y 200 is the bottom row") << 150 << 200 << int(Qt::LeftButton) << ".......O.";
    QTest::newRow("last pixel") << 299 << 299 << int(Qt::LeftButton) << "........O";
    QTest::newRow("x 0 is off the board") << 0 << 150 << int(Qt::LeftButton) << ".........";
    QTest::newRow("y 0 is off the board") << 150 << 0 << int(Qt::LeftButton) << ".........";
    QTest::newRow("right button") << 50 << 250 << int(Qt::RightButton) << "......O..";
    QTest::newRow("middle button") << 250 << 250 << int(Qt::MiddleButton) << "........O";
  }
  void clicksLandInTheirCells() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, button);
    QFETCH(QString, board);
    twin->Menu(Qt::Key_F, Qt::Key_2, MenuItem::TwoPlayer);  // no computer reply to muddle the board
    twin->Click(x, y, static_cast<Qt::MouseButton>(button));
    QCOMPARE(QString::fromStdString(BoardString(twin->game)), board);
    QVERIFY(twin->SameAsNull());
  }

  // A release after dragging off the board still reaches it; off its right or bottom edge it places
  // nothing, and never a mark outside the board.
  void dragOffReleases_data() {
    QTest::addColumn<QPoint>("release");  // in the window's own coordinates
    QTest::addColumn<QString>("board");
    QTest::newRow("onto the label: y 300 is row 2") << QPoint(150, 300) << ".......O.";
    QTest::newRow("past the right edge") << QPoint(301, 150) << ".........";
    QTest::newRow("far below") << QPoint(150, 339) << ".........";
  }
  void dragOffReleases() {
    QFETCH(QPoint, release);
    QFETCH(QString, board);
    twin->Menu(Qt::Key_F, Qt::Key_2, MenuItem::TwoPlayer);
    frmMain* w = twin->window();
    const QPoint origin = w->picMain->mapTo(w, QPoint(0, 0));
    QTest::mousePress(w->picMain, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    QTest::mouseMove(w->windowHandle(), origin + release);
    QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, origin + release);
    QCOMPARE(QString::fromStdString(BoardString(twin->game)), board);
  }

  void keysPlaceX_data() {
    QTest::addColumn<bool>("twoPlayers");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("board");
    const struct {
      Qt::Key key;
      const char* board;
    } navigation[] = {
        {Qt::Key_Home, "X........"}, {Qt::Key_Up, ".X......."},    {Qt::Key_PageUp, "..X......"},
        {Qt::Key_Left, "...X....."}, {Qt::Key_Clear, "....X...."}, {Qt::Key_Right, ".....X..."},
        {Qt::Key_End, "......X.."},  {Qt::Key_Down, ".......X."},  {Qt::Key_PageDown, "........X"}};
    for (const auto& n : navigation)
      QTest::newRow(qPrintable(QString("two players, navigation %1").arg(n.key)))
          << true << int(n.key) << true << n.board;
    for (int digit = 1; digit <= 9; ++digit) {
      QString board(9, '.');
      board[(2 - (digit - 1) / 3) * 3 + (digit - 1) % 3] = 'X';
      QTest::newRow(qPrintable(QString("two players, keypad %1").arg(digit)))
          << true << int(Qt::Key_0 + digit) << true << board;
      QTest::newRow(qPrintable(QString("two players, top row %1").arg(digit)))
          << true << int(Qt::Key_0 + digit) << false << ".........";
    }
    QTest::newRow("one player, keypad 5") << false << int(Qt::Key_5) << true << ".........";
    QTest::newRow("one player, Home on O's turn") << false << int(Qt::Key_Home) << true << ".........";
    QTest::newRow("two players, a letter") << true << int(Qt::Key_A) << false << ".........";
  }
  void keysPlaceX() {
    QFETCH(bool, twoPlayers);
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QString, board);
    if (twoPlayers) twin->Menu(Qt::Key_F, Qt::Key_2, MenuItem::TwoPlayer);
    twin->Key(static_cast<Qt::Key>(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(QString::fromStdString(BoardString(twin->game)), board);
    QVERIFY(twin->SameAsNull());
  }

  void keyCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("code");
    QTest::newRow("keypad 0") << int(Qt::Key_0) << true << 96;
    QTest::newRow("keypad 1") << int(Qt::Key_1) << true << 97;
    QTest::newRow("keypad 9") << int(Qt::Key_9) << true << 105;
    QTest::newRow("top-row 1 is no keypad code") << int(Qt::Key_1) << false << int('1');
    QTest::newRow("keypad Home") << int(Qt::Key_Home) << true << 36;
    QTest::newRow("Home of the arrow block") << int(Qt::Key_Home) << false << 36;
    QTest::newRow("keypad Clear") << int(Qt::Key_Clear) << true << 12;
    QTest::newRow("F2") << int(Qt::Key_F2) << false << 113;
    QTest::newRow("Num Lock itself") << int(Qt::Key_NumLock) << true << 0;
    QTest::newRow("F3") << int(Qt::Key_F3) << false << 0;
  }
  void keyCodes() {
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(int, code);
    QCOMPARE(int(VirtualKeyFromQt(key, keypad ? Qt::KeypadModifier : Qt::NoModifier)), code);
  }

  // After a few moves, every menu item but Exit starts a new match and leaves exactly the right marks.
  void menuItems_data() {
    QTest::addColumn<int>("menuKey");
    QTest::addColumn<int>("itemKey");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("checks");  // one per item, in menu order
    QTest::addColumn<int>("difficulty");
    QTest::newRow("Restart") << int(Qt::Key_F) << int(Qt::Key_R) << int(MenuItem::Restart) << "001000100"
                             << 3;
    QTest::newRow("1 Player") << int(Qt::Key_F) << int(Qt::Key_1) << int(MenuItem::OnePlayer) << "010000100"
                              << 3;
    QTest::newRow("2 Player again") << int(Qt::Key_F) << int(Qt::Key_2) << int(MenuItem::TwoPlayer)
                                    << "001000100" << 3;
    QTest::newRow("Silly Putty") << int(Qt::Key_D) << int(Qt::Key_S) << int(MenuItem::Easiest) << "001010000"
                                 << 1;
    QTest::newRow("Beaver") << int(Qt::Key_D) << int(Qt::Key_B) << int(MenuItem::Easy) << "001001000" << 2;
    QTest::newRow("Induhvidual, already on")
        << int(Qt::Key_D) << int(Qt::Key_I) << int(MenuItem::Medium) << "001000100" << 3;
    QTest::newRow("Wiz Kid") << int(Qt::Key_D) << int(Qt::Key_W) << int(MenuItem::Hard) << "001000010" << 4;
    QTest::newRow("Nerd God") << int(Qt::Key_D) << int(Qt::Key_N) << int(MenuItem::Hardest) << "001000001"
                              << 5;
  }
  void menuItems() {
    QFETCH(int, menuKey);
    QFETCH(int, itemKey);
    QFETCH(int, item);
    QFETCH(QString, checks);
    QFETCH(int, difficulty);
    twin->Menu(Qt::Key_F, Qt::Key_2, MenuItem::TwoPlayer);
    // X wins a game (middle row), so the score is not 0:0; then O opens the next game.
    twin->Click(50, 50);
    twin->Key(Qt::Key_Left, Qt::KeypadModifier);
    twin->Click(150, 50);
    twin->Key(Qt::Key_Clear, Qt::KeypadModifier);
    twin->Click(250, 250);
    twin->Key(Qt::Key_Right, Qt::KeypadModifier);
    QCOMPARE(twin->window()->windowTitle(), QString("Zandor [O:0; X:1]"));
    twin->Click(150, 150);
    QCOMPARE(twin->game.MoveCount, std::uint8_t{1});

    twin->Menu(static_cast<Qt::Key>(menuKey), static_cast<Qt::Key>(itemKey), static_cast<MenuItem>(item));
    QCOMPARE(QString::fromStdString(twin->Checks()), checks);
    QCOMPARE(twin->Checks(), twin->NullChecks());
    QCOMPARE(int(twin->game.Difficulty), difficulty);
    QCOMPARE(twin->window()->windowTitle(), QString("Zandor [O:0; X:0]"));
    QCOMPARE(int(twin->game.MoveCount), 0);
    QCOMPARE(Differences(twin->Screen(), EmptyBoard()), 0);
  }

  void exitClosesAndEnds() {
    twin->Menu(Qt::Key_F, Qt::Key_X, MenuItem::Exit);
    QVERIFY(twin->exited);
    QVERIFY(!twin->window()->isVisible());
  }

  void f2StartsANewMatchWithAnyModifier_data() {
    QTest::addColumn<int>("modifiers");
    QTest::newRow("plain") << int(Qt::NoModifier);
    QTest::newRow("shift") << int(Qt::ShiftModifier);
    QTest::newRow("ctrl") << int(Qt::ControlModifier);
  }
  void f2StartsANewMatchWithAnyModifier() {
    QFETCH(int, modifiers);
    twin->Click(150, 150);  // O, and the computer's reply
    QCOMPARE(int(twin->game.MoveCount), 2);
    twin->Key(Qt::Key_F2, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(int(twin->game.MoveCount), 0);
    QCOMPARE(Differences(twin->Screen(), EmptyBoard()), 0);
  }

  // The computer answers a click before the handler returns, drawn the same by both raster paths.
  void computerAnswersAClick() {
    twin->Click(50, 50);
    QCOMPARE(int(twin->game.MoveCount), 2);
    QCOMPARE(int(twin->game.Turn), 1);
    QVERIFY(twin->SameAsNull());
  }

  // During the one-second hold the finished board, strike line included, is already on screen.
  void strikeLineIsOnScreenDuringTheHold_data() {
    QTest::addColumn<QString>("oClicks");  // cells, O clicks alternate with X's keypad keys
    QTest::addColumn<QString>("xKeys");
    QTest::newRow("top row") << "012"
                             << "34";
    QTest::newRow("left column") << "036"
                                 << "14";
    QTest::newRow("diagonal") << "048"
                              << "12";
    QTest::newRow("anti-diagonal") << "246"
                                   << "01";
    QTest::newRow("middle column") << "147"
                                   << "02";
  }
  void strikeLineIsOnScreenDuringTheHold() {
    QFETCH(QString, oClicks);
    QFETCH(QString, xKeys);
    twin->Menu(Qt::Key_F, Qt::Key_2, MenuItem::TwoPlayer);
    std::optional<QImage> held;
    std::optional<Image> nullHeld;
    std::string heldCaption;
    twin->clock.onSleep = [&](double seconds) {
      if (seconds >= 1) {
        held = twin->Screen();
        heldCaption = twin->window()->windowTitle().toStdString();
      }
    };
    twin->nullClock.onSleep = [&](double seconds) {
      if (seconds >= 1) nullHeld = twin->null.board;
    };
    static const Qt::Key kNavigation[9] = {Qt::Key_Home, Qt::Key_Up,    Qt::Key_PageUp,
                                           Qt::Key_Left, Qt::Key_Clear, Qt::Key_Right,
                                           Qt::Key_End,  Qt::Key_Down,  Qt::Key_PageDown};
    for (int i = 0; i < oClicks.size(); ++i) {
      const int cell = oClicks[i].digitValue();
      twin->Click(cell % 3 * 100 + 50, cell / 3 * 100 + 50);
      if (i < xKeys.size()) twin->Key(kNavigation[xKeys[i].digitValue()], Qt::KeypadModifier);
    }
    QVERIFY(held.has_value());
    QVERIFY(nullHeld.has_value());
    QCOMPARE(heldCaption, std::string("Zandor [O:0; X:0]"));
    // The middle of the strike line is red on screen.
    const Line& line = *std::find_if(std::begin(kLines), std::end(kLines), [&](const Line& l) {
      return twin->nullGame.Score[1] == 1 && l.cells[0] == oClicks[0].digitValue() &&
             l.cells[2] == oClicks[2].digitValue();
    });
    const QPoint middle(static_cast<int>((line.x1 + line.x2) / 2), static_cast<int>((line.y1 + line.y2) / 2));
    QCOMPARE(held->pixel(middle) & 0x00FFFFFFu, 0x00FF0000u);
    if (line.x1 == line.x2 || line.y1 == line.y2)
      QCOMPARE(Differences(*held, *nullHeld), 0);
    else
      QCOMPARE(UnexplainedDifferences(*held, *nullHeld, line), 0);
    // And after the hold: the empty board and the new score.
    QCOMPARE(twin->window()->windowTitle(), QString("Zandor [O:1; X:0]"));
    QCOMPARE(Differences(twin->Screen(), EmptyBoard()), 0);
  }

  // The notice was cut off at common desktop font sizes: it must fit its fixed box, not shrunk needlessly.
  void labelFitsItsBox_data() {
    QTest::addColumn<double>("points");
    for (double points : {9.0, 11.0, 12.0}) QTest::newRow(qPrintable(QString("%1 pt").arg(points))) << points;
  }
  void labelFitsItsBox() {
    QFETCH(double, points);
    frmMain* w = twin->window();
    QFont desktop = w->font();
    desktop.setPointSizeF(points);
    w->setFont(desktop);
    const QFont used = w->Label1->font();
    const QRect box = w->Label1->contentsRect();
    const auto needed = [&](const QFont& font) {
      return QFontMetrics(font, w->Label1).boundingRect(box, Qt::TextWordWrap, w->Label1->text());
    };
    QVERIFY2(box.contains(needed(used)), qPrintable(QString("%1 pt").arg(used.pointSizeF())));
    QVERIFY(used.pointSizeF() <= points);
    // Half a point larger would not fit, unless the desktop's own size already does.
    QFont larger = used;
    larger.setPointSizeF(used.pointSizeF() + 0.5);
    QVERIFY(used.pointSizeF() == points || !box.contains(needed(larger)));
  }
};

}  // namespace zandor::test

QTEST_MAIN(zandor::test::WindowTest)
#include "window_test.moc"
