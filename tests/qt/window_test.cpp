// What only the Qt window shows, at the screen scale it runs at: QPainter's raster operations and lines
// against a truth table, the picture on screen and after moves between screens, clicks and keys, the words
// of menus and notice, the window's size, and the check marks the program sets.
#define QTEST_QPA_MOUSE_HANDLING  // mouse events travel through the window, as a real pointer's do
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <memory>

#include "support.h"
#include "ui/qt/qt_toolkit.h"

namespace zandor::test {
namespace {

// A new game, X and O with mask and picture, strike lines across and down: x, y, width, height (or the
// line's ends), source x, y and the raster operation, -1 for a line; in 1x pixels.
constexpr int kSteps[][7] = {{0, 0, 300, 300, 0, 0, 0},     {120, 118, 68, 71, 301, 144, 1},
                             {120, 118, 68, 71, 301, 0, 2}, {20, 218, 64, 76, 301, 216, 1},
                             {20, 218, 64, 76, 301, 73, 2}, {10, 150, 290, 150, 0, 0, -1},
                             {250, 10, 250, 290, 0, 0, -1}};
// Each raster operation's result bit for the source and destination bits 00, 01, 10 and 11, as written
// for SRCCOPY (source), MERGEPAINT ((NOT source) OR destination) and SRCAND (source AND destination).
constexpr const char* kTruth[] = {"0011", "1101", "0001"};

struct Window {
  ManualClock clock;
  ScriptedRandom random;
  QtToolkit toolkit;
  Game game{toolkit, clock, random};
  App app{game, toolkit};
  frmMain* window() { return toolkit.window(); }
  const QImage& board() { return toolkit.window()->picMain->image(); }
};

// Pure red pixels in a run of 21 (at scale 1) down or across (x, y): the width of a strike line there.
int RedAcross(const QImage& image, int x, int y, int k, bool down) {
  int red = 0;
  for (int d = -10 * k; d <= 10 * k; ++d)
    red += image.pixel(x * k + (down ? 0 : d), y * k + (down ? d : 0)) == qRgb(255, 0, 0);
  return red;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Window> w;

 private slots:
  void init() {
    w = std::make_unique<Window>();
    w->toolkit.SetApp(&w->app);
    w->app.Main();
    QVERIFY(QTest::qWaitForWindowExposed(w->window()));
  }

  void drawsByTheTruthTableAtTheScreensScale() {
    const qreal ratio = w->window()->devicePixelRatioF();
    const int k = ratio > 1 ? 2 : 1, side = qRound(kBoardSize * ratio);  // 2x art on any finer screen
    for (const auto& t : kSteps) {
      QImage want = w->board().copy();
      for (int y = 0; t[6] >= 0 && y < t[3] * k; ++y)
        for (int x = 0; x < t[2] * k; ++x) {
          const QRgb s = BackBuffer(k).pixel(t[4] * k + x, t[5] * k + y),
                     d = want.pixel(t[0] * k + x, t[1] * k + y);
          QRgb out = 0xFF000000;
          for (int bits = 0; bits < 4; ++bits)
            out |= kTruth[t[6]][bits] == '1' ? (bits & 2 ? s : ~s) & (bits & 1 ? d : ~d) : 0;
          want.setPixel(t[0] * k + x, t[1] * k + y, out);
        }
      t[6] < 0 ? w->toolkit.DrawLine(t[0], t[1], t[2], t[3], kStrikeColour)
               : w->toolkit.BitBlt(t[0], t[1], t[2], t[3], t[4], t[5], RasterOp(t[6]));
      if (t[6] >= 0) QCOMPARE(w->board(), want);
    }
    QCOMPARE(RedAcross(w->board(), 50, 150, k, true), 5 * k);  // strike lines 5 px wide at scale 1
    QCOMPARE(RedAcross(w->board(), 250, 50, k, false), 5 * k);
    w->toolkit.Refresh();
    // On screen: the picture itself at a whole scale, the 2x picture smoothly resized at a fractional one.
    const QImage screen = w->window()->picMain->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage shown = w->board().scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    QCOMPARE(screen, shown);
    // Regression: moved to a screen of scale 2 (times QT_SCALE_FACTOR) and back, the board came back blank.
    const QImage before = w->board().copy();
    QCOMPARE(QGuiApplication::screens().size(), 2);
    for (QScreen* screen : {QGuiApplication::screens()[1], QGuiApplication::screens()[0]}) {
      w->window()->windowHandle()->setScreen(screen);
      w->window()->picMain->repaint();
      const int scale = screen->devicePixelRatio() > 1 ? 2 : 1;
      QCOMPARE(RedAcross(w->board(), 50, 150, scale, true), 5 * scale);
    }
    QCOMPARE(w->board(), before);
  }

  void clicksReachTheirCells() {  // near the cells' corners, through Qt's mapping at this scale
    w->app.OnMenu(MenuItem::TwoPlayer);
    for (const QPoint at : {QPoint(195, 5), QPoint(5, 295), QPoint(205, 205)}) {
      QTest::mouseClick(w->window()->picMain, Qt::LeftButton, Qt::NoModifier, at);
      w->game.Turn = 0;  // either side may move: every click places an O
    }
    QCOMPARE(BoardString(w->game), std::string(".O....O.O"));
  }

  void wordsRadioMarksAndSizeAsMeant() {  // captions whole; a client area of 302 x 340 that keeps its size
    struct Menu : QMenu {
      using QMenu::initStyleOption;
    };
    QStringList seen;
    for (const QAction* title : w->window()->menuBar()->actions()) {
      seen << title->text();
      for (const QAction* item : title->menu()->actions()) {
        QStyleOptionMenuItem style;
        (title->menu()->*&Menu::initStyleOption)(&style, item);
        seen << item->text() + (style.checkType == QStyleOptionMenuItem::Exclusive ? " (o)" : "");
      }
    }
    QCOMPARE(seen, QStringList({"&File", "&Restart", "&1 Player (o)", "&2 Player (o)", "E&xit", "&Difficulty",
                                "&Silly Putty (o)", "&Beaver (o)", "&Induhvidual (o)", "&Wiz Kid (o)",
                                "&Nerd God (o)"}));
    QCOMPARE(w->window()->Label1->text(),
             QString::fromUtf8("Mouse plays O, keypad plays X. F2:\xC2\xA0new\xC2\xA0match."));
    const QSize size = w->window()->size();
    w->window()->resize(size + QSize(40, 40));
    QCOMPARE(w->window()->size(), size);
    QCOMPARE(w->window()->centralWidget()->size(), QSize(302, 340));
  }

  void checkMarksAreTheProgramsOwn() {  // each item triggered as a click does, Qt toggling it first
    for (const std::string row :
         {"2 001000100", "2 001000100", "8 001000001", "1 010000001"}) {  // item, marks
      w->window()->Action(MenuItem(row[0] - '0'))->trigger();
      for (int i = 0; i < kMenuItemCount; ++i)
        QCOMPARE(w->window()->Action(MenuItem(i))->isChecked(), row[2 + i] == '1');
    }
  }

  // Regression: the notice was cut off at common desktop font sizes; it must fit its fixed box.
  void labelFitsItsBox() {
    frmMain* win = w->window();
    for (double points : {9.0, 11.0, 12.0}) {
      QFont desktop = win->font();
      desktop.setPointSizeF(points);
      win->setFont(desktop);
      const QFont used = win->Label1->font();
      const QRect box = win->Label1->contentsRect();
      const QRect needed =
          QFontMetrics(used, win->Label1).boundingRect(box, Qt::TextWordWrap, win->Label1->text());
      QVERIFY2(box.contains(needed),
               qPrintable(QString("%1 pt for %2 pt").arg(used.pointSizeF()).arg(points)));
      QVERIFY(used.pointSizeF() <= points && used.pointSizeF() >= 6);
    }
  }
};

}  // namespace zandor::test

QTEST_MAIN(zandor::test::WindowTest)
#include "window_test.moc"
