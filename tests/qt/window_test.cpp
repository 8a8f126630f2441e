// What only the Qt window shows at its screen's scale: drawing, icon, keys, menus, notice, size and languages.
#define QTEST_QPA_MOUSE_HANDLING  // mouse events travel through the window, as a real pointer's do
#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <memory>

#include "support.h"
#include "ui/board_words.h"
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
  explicit Window(const QString& language = {}) {
    if (!language.isEmpty()) InstallTranslation(QLocale(language));
    toolkit.SetApp(&app), app.Main();
  }
  frmMain* window() { return toolkit.window(); }
  const QImage& board() { return toolkit.window()->picMain->image(); }
};

const QString kNotice = QString::fromUtf8("Mouse plays O, keypad plays X. F2:\xC2\xA0new\xC2\xA0match.");

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

  void start(const QString& language) {
    w = std::make_unique<Window>(language);
    QVERIFY(QTest::qWaitForWindowExposed(w->window()));
  }

 private slots:
  void init() { start("en"); }  // the program's own words, whatever the desktop speaks

  void speaksTheDesktopsLanguage() {  // runs on an English desktop, a German one, and one that puts English first
    start({});
    const bool german = QLocale::system().uiLanguages().first() == "de-DE";
    QCOMPARE(w->window()->menuBar()->actions()[0]->text(), QString(german ? "&Datei" : "&File"));
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
    const QImage before = w->board().copy();  // Regression: moved to a screen of scale 2 and back, it was blank.
    QCOMPARE(QGuiApplication::screens().size(), 2);  // scales 1 and 2, times QT_SCALE_FACTOR
    for (QScreen* screen : {QGuiApplication::screens()[1], QGuiApplication::screens()[0]}) {
      w->window()->windowHandle()->setScreen(screen), w->window()->picMain->repaint();
      const int scale = screen->devicePixelRatio() > 1 ? 2 : 1;
      QCOMPARE(RedDown(w->board(), 50, 150, scale), 5 * scale);
    }
    QCOMPARE(w->board(), before);
  }

  // Our tile at 16 and 32 px: clear outside its rounded corners, the grid's lines of ink (30, 26, 24) across it.
  void iconIsTheTileAtEachSize() {
    for (int s : {16, 32}) {
      const QImage image = w->window()->windowIcon().pixmap(QSize(s, s), 1.0).toImage();
      QVERIFY(w->window()->windowIcon().availableSizes().contains(QSize(s, s)) && qAlpha(image.pixel(0, 0)) == 0);
      for (int at : {int(109.5 * s / 300), int(208.0 * s / 300)}) QCOMPARE(image.pixel(at, s / 2), qRgb(30, 26, 24));
      for (int at : {int(107.0 * s / 300), int(210.0 * s / 300)}) QCOMPARE(image.pixel(s / 2, at), qRgb(30, 26, 24));
    }
  }

  // Every key of the map as a key event to the board of a two-player match, each followed by F2 (a new match):
  // keypad digits as X11 sends them (keypad modifier) and as Wayland does (only the key symbol), navigation keys on
  // the keypad and on their own; top-row digits and keypad 0 place nothing. Key symbols are X11's.
  void everyKeyOfTheMap() {
    const struct { int digit; Qt::Key navigation; quint32 onKeypad, onItsOwn; const char* board; } cells[] = {
        {7, Qt::Key_Home, 0xff95, 0xff50, "X........"},     {8, Qt::Key_Up, 0xff97, 0xff52, ".X......."},
        {9, Qt::Key_PageUp, 0xff9a, 0xff55, "..X......"},   {4, Qt::Key_Left, 0xff96, 0xff51, "...X....."},
        {5, Qt::Key_Clear, 0xff9d, 0xff0b, "....X...."},    {6, Qt::Key_Right, 0xff98, 0xff53, ".....X..."},
        {1, Qt::Key_End, 0xff9c, 0xff57, "......X.."},      {2, Qt::Key_Down, 0xff99, 0xff54, ".......X."},
        {3, Qt::Key_PageDown, 0xff9b, 0xff56, "........X"}, {0, Qt::Key_Insert, 0xff9e, 0xff63, "........."}};
    w->window()->Action(MenuItem::TwoPlayer)->trigger();
    const auto after = [&](int key, Qt::KeyboardModifiers modifiers, quint32 keysym) {  // the board, then after F2
      QKeyEvent event(QEvent::KeyPress, key, modifiers, 0, keysym, 0), f2(QEvent::KeyPress, Qt::Key_F2, {}, 0, 0xffbf, 0);
      QCoreApplication::sendEvent(w->window()->picMain, &event);
      const std::string board = BoardString(w->game);
      return QCoreApplication::sendEvent(w->window()->picMain, &f2), QString::fromStdString(board + " " + BoardString(w->game));
    };
    for (const auto& c : cells) {
      const int digit = Qt::Key_0 + c.digit;
      const QString placed = c.board + QString(" ........."), none = "......... .........";
      QCOMPARE(after(digit, Qt::KeypadModifier, 0xffb0 + c.digit), placed);
      QCOMPARE(after(digit, {}, 0xffb0 + c.digit), placed);
      QCOMPARE(after(c.navigation, Qt::KeypadModifier, c.onKeypad), placed);
      QCOMPARE(after(c.navigation, {}, c.onItsOwn), placed);
      QCOMPARE(after(digit, {}, 0x30 + c.digit), none);  // top row
    }
  }

  // The board for assistive technology, as a screen reader listens. Regression: Qt's focus chain took Tab, and pixel
  // 100 was named as the middle column while a release there plays the left one.
  void keyboardCellAndHitTest() {
    QAccessible::setActive(true);
    PicMain* board = w->window()->picMain;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(board);
    const QImage kept = w->board().copy(), shown = board->grab().toImage();
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab}) QTest::keyClick(board, key);
    const QAccessible::State s = table->child(1)->state();
    QVERIFY(board->hasFocus() && s.focusable && s.selectable && s.selected && s.focused);
    QVERIFY(!table->child(0)->state().selected && table->focusChild() == table->child(1));
    QVERIFY(board->grab().toImage() != shown && w->board() == kept);  // the cue is drawn over the picture, not in it
    QTest::keyClick(board, Qt::Key_Space);
    QCOMPARE(BoardString(w->game)[1], 'O');
    w->window()->Action(MenuItem::TwoPlayer)->trigger();  // no reply: each release is O's first move
    const int points[][3] = {{50, 50, 0}, {150, 50, 1}, {250, 50, 2}, {50, 150, 3}, {150, 150, 4}, {250, 150, 5},
                             {50, 250, 6}, {150, 250, 7}, {250, 250, 8}, {100, 150, 3}, {200, 150, 5},
                             {150, 100, 1}, {150, 200, 7}, {100, 100, 0}, {200, 200, 8}};
    for (const auto& [x, y, cell] : points) {
      w->game.NewMatch();
      const QPoint at = board->mapToGlobal(QPoint(x, y));
      QCOMPARE(table->indexOfChild(table->childAt(at.x(), at.y())), cell);
      QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
      QCOMPARE(static_cast<int>(BoardString(w->game).find('O')), cell);
    }
  }

  // Captions whole and the program's check marks (*) after a click on "&2 Player", which Qt
  // toggles first; the notice; a client area of 302 x 340 that keeps its size.
  void wordsMarksAndSizeAsMeant() {
    frmMain* win = w->window();
    win->Action(MenuItem::TwoPlayer)->trigger();
    QStringList seen;
    for (const QAction* title : win->menuBar()->actions()) {
      seen << title->text();
      for (const QAction* item : title->menu()->actions()) seen << item->text() + (item->isChecked() ? " *" : "");
    }
    QCOMPARE(seen, QStringList({"&File", "&Restart", "&1 Player", "&2 Player *", "E&xit", "&Difficulty", "&Silly Putty",
                                "&Beaver", "&Induhvidual *", "&Wiz Kid", "&Nerd God"}));
    QCOMPARE(win->Label1->text(), kNotice);
    const QSize size = win->size();
    win->resize(size + QSize(40, 40));
    QCOMPARE(win->size(), size);
    QCOMPARE(win->centralWidget()->size(), QSize(302, 340));
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
    QMenuBar* bar = win->menuBar();
    for (QWidget* menu : QList<QWidget*>{bar, bar->actions()[0]->menu(), bar->actions()[1]->menu()}) {
      QSet<QString> keys, names;
      for (const QAction* action : menu->actions()) {
        const QString text = action->text();
        QVERIFY2(text.count('&') == 1 && text.indexOf('&') + 1 < text.size(), qPrintable(text));
        keys << text.sliced(text.indexOf('&') + 1, 1).toLower();
        names << QString(text).remove('&');
      }
      QVERIFY(keys.size() == menu->actions().size() && names.size() == keys.size());
    }
    // Translated: the notice and the board's words for screen readers (English's own are checked above).
    QVERIFY(language == "en" || (QFile::exists(":/i18n/zandor_" + language + ".qm") && win->Label1->text() != kNotice));
    for (const auto& [said, english] : {std::pair{words::NewGame(), "New game."}, {words::Press(), "Press"},
                                        {words::BoardName(), "Board"}})
      QVERIFY2((said == english) == (language == "en"), english);
    QFont desktop = win->font();
    desktop.setPointSizeF(points);
    win->setFont(desktop);
    const QFont used = win->Label1->font();
    const QRect box = win->Label1->contentsRect();
    const QRect needed = QFontMetrics(used, win->Label1).boundingRect(box, Qt::TextWordWrap, win->Label1->text());
    QVERIFY2(box.contains(needed) && used.pointSizeF() <= points && used.pointSizeF() >= 6,
             qPrintable(QString("%1 pt for %2 pt").arg(used.pointSizeF()).arg(points)));
  }
};

}  // namespace zandor::test

QTEST_MAIN(zandor::test::WindowTest)
#include "window_test.moc"
