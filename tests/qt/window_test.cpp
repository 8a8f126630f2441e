// What only the Qt window shows, at the screen scale it runs at: QPainter's raster operations and lines
// against the plain image operations, the picture on screen, clicks, and check marks the program sets.
#define QTEST_QPA_MOUSE_HANDLING  // mouse events travel through the window, as a real pointer's do
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <memory>

#include "support.h"
#include "ui/artwork.h"
#include "ui/board_words.h"
#include "ui/qt/qt_toolkit.h"

namespace zandor::test {
namespace {

// A new game, X and O with mask and picture, strike lines across and down: x, y, width, height (or the
// line's ends), source x, y and the raster operation, -1 for a line; in 1x pixels.
constexpr int kSteps[][7] = {{0, 0, 300, 300, 0, 0, 0},     {120, 118, 68, 71, 301, 144, 1},
                             {120, 118, 68, 71, 301, 0, 2}, {20, 218, 64, 76, 301, 216, 1},
                             {20, 218, 64, 76, 301, 73, 2}, {10, 150, 290, 150, 0, 0, -1},
                             {250, 10, 250, 290, 0, 0, -1}};

struct Window {
  ManualClock clock;
  ScriptedRandom random;
  QtToolkit toolkit;
  Game game{toolkit, clock, random};
  App app{game, toolkit};
  frmMain* window() { return toolkit.window(); }
};

// Sum of the colour differences, byte by byte.
long Differences(const QImage& shown, const QImage& b) {
  const QImage a = shown.convertToFormat(QImage::Format_RGB32);
  if (a.size() != b.size()) return -1;
  long sum = 0;
  for (qsizetype i = 0; i < a.sizeInBytes(); ++i) sum += std::abs(a.constBits()[i] - b.constBits()[i]);
  return sum;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT
  std::unique_ptr<Window> w;

  void start(const QString& language = {}) {  // in the desktop's language, or in the one given
    w = std::make_unique<Window>();
    if (!language.isEmpty()) InstallTranslation(QLocale(language));
    w->toolkit.SetApp(&w->app);
    w->app.Main();
    QVERIFY(QTest::qWaitForWindowExposed(w->window()));
  }

 private slots:
  void init() { start(); }

  void speaksTheDesktopsLanguage() {  // runs on an English desktop, a German one, and one that puts English first
    const bool german = QLocale::system().uiLanguages().first() == "de-DE";
    QCOMPARE(w->window()->menuBar()->actions()[0]->text(), QString(german ? "&Datei" : "&File"));
  }

  void drawsAsThePlainImageOpsAtTheScreensScale() {
    const qreal ratio = w->window()->devicePixelRatioF();
    const int s = ratio > 1 ? 2 : 1, side = qRound(kBoardSize * ratio);  // 2x art on any finer screen
    for (const auto& t : kSteps)
      t[6] < 0 ? w->toolkit.DrawLine(t[0], t[1], t[2], t[3], kStrikeColour)
               : w->toolkit.BitBlt(t[0], t[1], t[2], t[3], t[4], t[5], RasterOp(t[6]));
    w->toolkit.Refresh();
    const auto picture = [](int k) {  // the same steps through the plain image operations at scale k
      Image board(kBoardSize * k, kBoardSize * k);
      for (const auto& t : kSteps)
        t[6] < 0
            ? DrawSegment(board, t[0] * k, t[1] * k, t[2] * k, t[3] * k, QtToolkit::kPenWidth * k, 0xFF0000)
            : Blit(board, t[0] * k, t[1] * k, t[2] * k, t[3] * k, MakeArtwork(k), t[4] * k, t[5] * k,
                   RasterOp(t[6]));
      return ToQImage(board);
    };
    QCOMPARE(Differences(w->window()->picMain->image(), picture(s)), 0L);
    const QImage screen = w->window()->picMain->grab().toImage();
    // On screen: the picture itself at a whole scale, the 2x picture smoothly resized at a fractional one.
    // (The board's paint event draws it in the screen's pixels: offscreen grabs only 1x worth of a scaled
    // window.)
    const long off =
        Differences(screen, picture(s).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QVERIFY2(off >= 0 && off <= (ratio == s ? 0 : side * side), qPrintable(QString::number(off)));
    // Regression: at scale 2 the board was the 1x picture with its pixels doubled.
    if (s > 1) QVERIFY(Differences(screen, picture(1).scaled(side, side)) > off + side * side);
  }

  void everyCellTakesItsClick() {
    for (int cell = 0; cell < 9; ++cell) {
      w->app.OnMenu(MenuItem::TwoPlayer);
      const QPoint at(cell % 3 * 100 + (cell % 2 ? 5 : 95), cell / 3 * 100 + (cell < 4 ? 5 : 95));
      QTest::mouseClick(w->window()->picMain, Qt::LeftButton, Qt::NoModifier, at);
      QCOMPARE(QString::fromStdString(BoardString(w->game)), QString(9, '.').replace(cell, 1, 'O'));
    }
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
    const auto groups = w->window()->findChildren<QActionGroup*>();  // radio marks, one choice per menu
    QVERIFY(groups.size() == 2 && groups[0]->isExclusive() && groups[1]->isExclusive());
  }

  // Regression: the notice was cut off at common desktop font sizes; it must fit its fixed box in every
  // language, whose menus give each item an access key of its own and five distinct levels.
  void everyLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("points");
    QStringList languages{"en", "de", "es", "fr", "it", "ja", "nl", "pl", "pt_BR", "ru", "zh_CN"};
    for (const QString& file : QDir(":/i18n").entryList()) languages << file.sliced(7).chopped(3);  // zandor_*.qm
    languages.removeDuplicates();
    for (const QString& language : languages)
      for (double points : {9.0, 11.0, 12.0}) QTest::addRow("%s %g pt", qPrintable(language), points) << language << points;
  }
  void everyLanguage() {
    QFETCH(QString, language);
    QFETCH(double, points);
    start(language);
    frmMain* win = w->window();
    QStringList all;
    QMenuBar* bar = win->menuBar();
    for (QWidget* menu : QList<QWidget*>{bar, bar->actions()[0]->menu(), bar->actions()[1]->menu()}) {
      QSet<QString> keys, names;
      for (const QAction* action : menu->actions()) {
        const QString text = action->text();
        QVERIFY2(text.count('&') == 1 && text.indexOf('&') + 1 < text.size(), qPrintable(text));
        keys << text.sliced(text.indexOf('&') + 1, 1).toLower();
        names << QString(text).remove('&');
        all << text;
      }
      QVERIFY(keys.size() == menu->actions().size() && names.size() == keys.size());
    }
    const QString english("&File|&Difficulty|&Restart|&1 Player|&2 Player|E&xit|&Silly Putty|&Beaver|"
                          "&Induhvidual|&Wiz Kid|&Nerd God|Mouse plays O, keypad plays X. F2:\u00a0new\u00a0match.");
    if (language == "en")  // today's texts, byte for byte
      QCOMPARE(all.join('|') + '|' + win->Label1->text(), english);
    else  // translated, the notice too (its key holds no-break spaces)
      QVERIFY(QFile::exists(":/i18n/zandor_" + language + ".qm") && win->Label1->text() != english.section('|', -1));
    QCOMPARE(words::NewGame() == "New game.", language == "en");  // and the board's words
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
