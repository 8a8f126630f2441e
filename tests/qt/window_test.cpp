// What only the Qt window shows, at the screen scale it runs at: its drawing against a truth table, on screen
// and after moves between screens, clicks, the words of menus and notice, its size and its check marks.
#define QTEST_QPA_MOUSE_HANDLING  // mouse events travel through the window, as a real pointer's do
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <memory>

#include "support.h"
#include "ui/qt/qt_toolkit.h"

namespace zandor::test {
namespace {

// A new game, X and O with mask and picture, a strike line across: x, y, width, height (or the line's
// ends), source x, y and the raster operation, -1 for a line; in 1x pixels.
constexpr int kSteps[][7] = {{0, 0, 300, 300, 0, 0, 0},     {120, 118, 68, 71, 301, 144, 1},
                             {120, 118, 68, 71, 301, 0, 2}, {20, 218, 64, 76, 301, 216, 1},
                             {20, 218, 64, 76, 301, 73, 2}, {10, 150, 290, 150, 0, 0, -1}};
// SRCCOPY, MERGEPAINT and SRCAND's result bit for source and destination bits 00, 01, 10 and 11.
constexpr const char* kTruth[] = {"0011", "1101", "0001"};

struct Window {
  ManualClock clock;
  ScriptedRandom random;
  QtToolkit toolkit;
  Game game{toolkit, clock, random};
  App app{game, toolkit};
  Window() { toolkit.SetApp(&app), app.Main(); }
  frmMain* window() { return toolkit.window(); }
  const QImage& board() { return toolkit.window()->picMain->image(); }
};

// Pure red pixels from 10 above to 10 below (x, y) at scale 1, scaled by k: a strike line's width there.
int RedDown(const QImage& image, int x, int y, int k) {
  int red = 0;
  for (int d = -10 * k; d <= 10 * k; ++d) red += image.pixel(x * k, y * k + d) == qRgb(255, 0, 0);
  return red;
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
          for (int b = 0; b < 4; ++b) out |= kTruth[t[6]][b] == '1' ? (b & 2 ? s : ~s) & (b & 1 ? d : ~d) : 0;
          want.setPixel(t[0] * k + x, t[1] * k + y, out);
        }
      t[6] < 0 ? w->toolkit.DrawLine(t[0], t[1], t[2], t[3], kStrikeColour)
               : w->toolkit.BitBlt(t[0], t[1], t[2], t[3], t[4], t[5], RasterOp(t[6]));
      if (t[6] >= 0) QCOMPARE(w->board(), want);
    }
    QCOMPARE(RedDown(w->board(), 50, 150, k), 5 * k);  // a strike line 5 px wide at scale 1
    w->toolkit.Refresh();  // on screen: the picture, smoothly resized at a fractional scale
    const QImage screen = w->window()->picMain->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage shown = w->board().scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    QCOMPARE(screen, shown);
    const QImage before =
        w->board().copy();  // Regression: moved to a screen of scale 2 and back, it was blank.
    QCOMPARE(QGuiApplication::screens().size(), 2);  // scales 1 and 2, times QT_SCALE_FACTOR
    for (QScreen* screen : {QGuiApplication::screens()[1], QGuiApplication::screens()[0]}) {
      w->window()->windowHandle()->setScreen(screen), w->window()->picMain->repaint();
      const int scale = screen->devicePixelRatio() > 1 ? 2 : 1;
      QCOMPARE(RedDown(w->board(), 50, 150, scale), 5 * scale);
    }
    QCOMPARE(w->board(), before);
  }

  void clickReachesItsCell() {  // near cell 1's corner, through Qt's mapping at this scale
    QTest::mouseClick(w->window()->picMain, Qt::LeftButton, Qt::NoModifier, QPoint(195, 5));
    QCOMPARE(BoardString(w->game)[1], 'O');
  }

  // Captions whole, radio marks and the program's check marks (*) after a click on "&2 Player", which Qt
  // toggles first; the notice, fitting its box; a client area of 302 x 340 that keeps its size.
  void wordsMarksAndSizeAsMeant() {
    struct Menu : QMenu {
      using QMenu::initStyleOption;
    };
    frmMain* win = w->window();
    win->Action(MenuItem::TwoPlayer)->trigger();
    QStringList seen;
    for (const QAction* title : win->menuBar()->actions()) {
      seen << title->text();
      for (const QAction* item : title->menu()->actions()) {
        QStyleOptionMenuItem style;
        (title->menu()->*&Menu::initStyleOption)(&style, item);
        seen << item->text() + (style.checkType == QStyleOptionMenuItem::Exclusive ? " (o)" : "") +
                    (item->isChecked() ? " *" : "");
      }
    }
    QCOMPARE(seen, QStringList({"&File", "&Restart", "&1 Player (o)", "&2 Player (o) *", "E&xit",
                                "&Difficulty", "&Silly Putty (o)", "&Beaver (o)", "&Induhvidual (o) *",
                                "&Wiz Kid (o)", "&Nerd God (o)"}));
    QCOMPARE(win->Label1->text(),
             QString::fromUtf8("Mouse plays O, keypad plays X. F2:\xC2\xA0new\xC2\xA0match."));
    for (int points : {9, 11, 12}) {  // Regression: the notice was cut off at common desktop sizes.
      win->setFont(QFont(win->font().family(), points));
      const QFont used = win->Label1->font();
      const QRect box = win->Label1->contentsRect(),
                  needed = QFontMetrics(used, win->Label1)
                               .boundingRect(box, Qt::TextWordWrap, win->Label1->text());
      QVERIFY2(box.contains(needed) && used.pointSizeF() <= points && used.pointSizeF() >= 6,
               qPrintable(QString("%1 pt for %2 pt").arg(used.pointSizeF()).arg(points)));
    }
    const QSize size = win->size();
    win->resize(size + QSize(40, 40));
    QCOMPARE(win->size(), size);
    QCOMPARE(win->centralWidget()->size(), QSize(302, 340));
  }
};

}  // namespace zandor::test

QTEST_MAIN(zandor::test::WindowTest)
#include "window_test.moc"
