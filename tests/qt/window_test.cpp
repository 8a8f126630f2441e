// What only the Qt window shows, at the screen scale it runs at: QPainter's raster operations and lines
// against the plain image operations, the picture on screen, clicks, and check marks the program sets.
#define QTEST_QPA_MOUSE_HANDLING  // mouse events travel through the window, as a real pointer's do
#include <QAction>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "support.h"
#include "ui/artwork.h"
#include "ui/qt/qt_toolkit.h"

namespace zandor::test {
namespace {

// A new game, X and O with their masks, and strike lines across and down; 1x measures, op or line.
struct Step {
  int x, y, width, height, srcX, srcY;
  RasterOp op;
  bool line;
};
constexpr Step kSteps[] = {{0, 0, 300, 300, 0, 0, RasterOp::SrcCopy, false},
                           {120, 118, 68, 71, 301, 144, RasterOp::MergePaint, false},
                           {120, 118, 68, 71, 301, 0, RasterOp::SrcAnd, false},
                           {20, 218, 64, 76, 301, 216, RasterOp::MergePaint, false},
                           {20, 218, 64, 76, 301, 73, RasterOp::SrcAnd, false},
                           {10, 150, 290, 150, 0, 0, RasterOp::SrcCopy, true},
                           {250, 10, 250, 290, 0, 0, RasterOp::SrcCopy, true}};

struct Window {
  ManualClock clock;
  ScriptedRandom random;
  QtToolkit toolkit;
  Game game{toolkit, clock, random};
  App app{game, toolkit};
  QTemporaryDir folder;
  Window() {
    toolkit.exitProgram = [] {};
    toolkit.programFolderOverride = folder.path().toStdString();
    toolkit.SetApp(&app);
    app.Main();
  }
  frmMain* window() { return toolkit.window(); }
  // The board as its paint event puts it in the screen's own pixels. (The offscreen platform grabs only
  // the first 1x worth of a scaled window, so the widget paints into an image instead.)
  QImage Screen() { return window()->picMain->grab().toImage(); }
};

long Differences(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  long sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  return sum;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Window> w;

 private slots:
  void init() {
    w = std::make_unique<Window>();
    QVERIFY(QTest::qWaitForWindowExposed(w->window()));
  }
  void cleanup() { w.reset(); }

  void drawsAsThePlainImageOpsAtTheScreensScale() {
    const qreal ratio = w->window()->devicePixelRatioF();
    const int s = ArtScale(ratio), side = qRound(kBoardSize * ratio);
    for (const Step& t : kSteps)
      t.line ? w->toolkit.DrawLine(t.x, t.y, t.width, t.height, kStrikeColour)
             : w->toolkit.BitBlt(t.x, t.y, t.width, t.height, t.srcX, t.srcY, t.op);
    w->toolkit.Refresh();
    const auto picture = [](int k) {  // the same steps through the plain image operations at scale k
      Image board(kBoardSize * k, kBoardSize * k);
      for (const Step& t : kSteps)
        t.line ? DrawSegment(board, t.x * k, t.y * k, t.width * k, t.height * k, QtToolkit::kPenWidth * k,
                             0xFF0000)
               : Blit(board, t.x * k, t.y * k, t.width * k, t.height * k, MakeArtwork(k), t.srcX * k,
                      t.srcY * k, t.op);
      return ToQImage(board);
    };
    QCOMPARE(Differences(w->window()->picMain->image(), picture(s)), 0L);
    // On screen: the picture itself at a whole scale, the 2x picture smoothly resized at a fractional one.
    const long off = Differences(
        w->Screen(), picture(s).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QVERIFY2(off >= 0 && off <= (ratio == s ? 0 : side * side), qPrintable(QString::number(off)));
    // Regression: at scale 2 the board was the 1x picture with its pixels doubled.
    if (s > 1) QVERIFY(Differences(w->Screen(), picture(1).scaled(side, side)) > off + side * side);
  }

  void everyCellTakesItsClick() {
    for (int cell = 0; cell < 9; ++cell) {
      w->app.OnMenu(MenuItem::TwoPlayer);
      const QPoint at(cell % 3 * 100 + (cell % 2 ? 5 : 95), cell / 3 * 100 + (cell < 4 ? 5 : 95));
      QTest::mouseClick(w->window()->picMain, Qt::LeftButton, Qt::NoModifier, at);
      QCOMPARE(QString::fromStdString(BoardString(w->game)), QString(9, '.').replace(cell, 1, 'O'));
    }
  }

  void checkMarksAreTheProgramsOwn() {
    const std::pair<MenuItem, const char*> steps[] = {
        {MenuItem::TwoPlayer, "001000100"}, {MenuItem::TwoPlayer, "001000100"},
        {MenuItem::Hardest, "001000001"},   {MenuItem::Restart, "001000001"},
        {MenuItem::OnePlayer, "010000001"}, {MenuItem::Easiest, "010010000"}};
    for (const auto& [item, marks] : steps) {
      w->window()->Action(item)->trigger();  // as a click on the item does: Qt toggles it first
      QString seen;
      for (int i = 0; i < kMenuItemCount; ++i)
        seen += w->window()->Action(MenuItem(i))->isChecked() ? '1' : '0';
      QCOMPARE(seen, QString(marks));
    }
  }
};

}  // namespace zandor::test

QTEST_MAIN(zandor::test::WindowTest)
#include "window_test.moc"
