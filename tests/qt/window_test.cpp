// What only the Qt window shows, at the screen scale it runs at: QPainter's raster operations and lines
// against a truth table, the picture on screen and after a move to another screen, clicks and keys, the
// menus' and the notice's words, the window's size, and the check marks the program sets.
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
  void Draw() {
    for (const auto& t : kSteps)
      t[6] < 0 ? toolkit.DrawLine(t[0], t[1], t[2], t[3], kStrikeColour)
               : toolkit.BitBlt(t[0], t[1], t[2], t[3], t[4], t[5], RasterOp(t[6]));
    toolkit.Refresh();
  }
};

// Sum of the colour differences, byte by byte.
long Differences(const QImage& shown, const QImage& b) {
  const QImage a = shown.convertToFormat(QImage::Format_RGB32);
  if (a.size() != b.size()) return -1;
  long sum = 0;
  for (qsizetype i = 0; i < a.sizeInBytes(); ++i) sum += std::abs(a.constBits()[i] - b.constBits()[i]);
  return sum;
}

// Pure red pixels in a run of 21 (at scale 1) across (x, y), downwards or rightwards.
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
    const QImage& art = BackBuffer(k);
    for (const auto& t : kSteps) {
      QImage want = w->window()->picMain->image().copy();
      for (int y = 0; t[6] >= 0 && y < t[3] * k; ++y)
        for (int x = 0; x < t[2] * k; ++x) {
          const QRgb s = art.pixel(t[4] * k + x, t[5] * k + y), d = want.pixel(t[0] * k + x, t[1] * k + y);
          QRgb out = 0xFF000000;
          for (int bits = 0; bits < 4; ++bits)
            if (kTruth[t[6]][bits] == '1') out |= (bits & 2 ? s : ~s) & (bits & 1 ? d : ~d);
          want.setPixel(t[0] * k + x, t[1] * k + y, out);
        }
      t[6] < 0 ? w->toolkit.DrawLine(t[0], t[1], t[2], t[3], kStrikeColour)
               : w->toolkit.BitBlt(t[0], t[1], t[2], t[3], t[4], t[5], RasterOp(t[6]));
      if (t[6] >= 0) QCOMPARE(Differences(w->window()->picMain->image(), want), 0L);
    }
    // The strike lines are 5 px wide at scale 1, in pure red.
    const QImage& image = w->window()->picMain->image();
    QCOMPARE(RedAcross(image, 50, 150, k, true), 5 * k);
    QCOMPARE(RedAcross(image, 250, 50, k, false), 5 * k);
    w->toolkit.Refresh();
    // On screen: the picture itself at a whole scale, the 2x picture smoothly resized at a fractional one.
    // (The board's paint event draws it in the screen's pixels: offscreen grabs only 1x worth of a scaled
    // window.)
    const QImage screen = w->window()->picMain->grab().toImage();
    const long off = Differences(screen, image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QVERIFY2(off >= 0 && off <= (ratio == k ? 0 : side * side), qPrintable(QString::number(off)));
  }

  // Regression: moved to a screen of scale 2, the board came back blank.
  void keepsTheBoardOnAScreenOfAnotherScale() {
    const QList<QScreen*> screens = QGuiApplication::screens();  // scales 1 and 2 (times QT_SCALE_FACTOR)
    QCOMPARE(screens.size(), 2);
    w->Draw();
    const QImage before = w->window()->picMain->image().copy();
    for (QScreen* screen : {screens[1], screens[0]}) {
      w->window()->windowHandle()->setScreen(screen);
      w->window()->picMain->repaint();
      const int k = screen->devicePixelRatio() > 1 ? 2 : 1;
      QCOMPARE(w->window()->picMain->image().width(), 300 * k);
      QCOMPARE(RedAcross(w->window()->picMain->image(), 50, 150, k, true), 5 * k);
    }
    QCOMPARE(Differences(w->window()->picMain->image(), before), 0L);
  }

  void clicksAndKeysReachTheirCells() {  // near the cells' edges at this scale; top-row digits place nothing
    for (int cell = 0; cell < 9; ++cell) {
      w->app.OnMenu(MenuItem::TwoPlayer);
      const QPoint at(cell % 3 * 100 + (cell % 2 ? 5 : 95), cell / 3 * 100 + (cell < 4 ? 5 : 95));
      QTest::mouseClick(w->window()->picMain, Qt::LeftButton, Qt::NoModifier, at);
      QCOMPARE(QString::fromStdString(BoardString(w->game)), QString(9, '.').replace(cell, 1, 'O'));
    }
    QTest::keyClick(w->window()->picMain, Qt::Key_1);
    QCOMPARE(BoardString(w->game), std::string("........O"));
    QTest::keyClick(w->window()->picMain, Qt::Key_1, Qt::KeypadModifier);
    QCOMPARE(BoardString(w->game), std::string("......X.O"));
  }

  void wordsAndRadioMarksAsWritten() {
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
  }

  void keepsItsSize() {  // a client area of 302 x 340 that cannot be resized
    const QSize size = w->window()->size();
    w->window()->resize(size + QSize(40, 40));
    QCOMPARE(w->window()->size(), size);
    QCOMPARE(w->window()->centralWidget()->size(), QSize(302, 340));
  }

  void checkMarksAreTheProgramsOwn() {  // each item triggered as a click does, Qt toggling it first
    for (const auto& [item, marks] : {std::pair{MenuItem::TwoPlayer, "001000100"},
                                      {MenuItem::TwoPlayer, "001000100"},
                                      {MenuItem::Hardest, "001000001"},
                                      {MenuItem::OnePlayer, "010000001"}}) {
      w->window()->Action(item)->trigger();
      for (int i = 0; i < kMenuItemCount; ++i)
        QCOMPARE(w->window()->Action(MenuItem(i))->isChecked(), marks[i] == '1');
    }
  }

  // Regression: the notice was cut off at common desktop font sizes; it must fit its fixed box.
  void labelFitsItsBox_data() {
    QTest::addColumn<double>("points");
    for (double points : {9.0, 11.0, 12.0}) QTest::newRow(qPrintable(QString("%1 pt").arg(points))) << points;
  }
  void labelFitsItsBox() {
    QFETCH(double, points);
    frmMain* win = w->window();
    QFont desktop = win->font();
    desktop.setPointSizeF(points);
    win->setFont(desktop);
    const QFont used = win->Label1->font();
    const QRect box = win->Label1->contentsRect();
    const auto needed = [&](const QFont& font) {
      return QFontMetrics(font, win->Label1).boundingRect(box, Qt::TextWordWrap, win->Label1->text());
    };
    QVERIFY2(box.contains(needed(used)), qPrintable(QString("%1 pt").arg(used.pointSizeF())));
    QVERIFY(used.pointSizeF() <= points && used.pointSizeF() >= 6);
  }
};

}  // namespace zandor::test

QTEST_MAIN(zandor::test::WindowTest)
#include "window_test.moc"
