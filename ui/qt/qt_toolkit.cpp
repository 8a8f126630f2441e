// The Qt window and toolkit: events become handler calls, drawing goes through QPainter onto the board image.
#include "ui/qt/qt_toolkit.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QResource>
#include <QScreen>
#include <QTimerEvent>
#include <QTranslator>
#include <algorithm>

#include "game/game.h"
#include "ui/app.h"
#include "ui/board_words.h"
#include "ui/image.h"
#include "ui/keys.h"
#include "ui/menu_texts.h"
#include "ui/notice.h"
#include "ui/qt/qt_board_access.h"

// Registers the pixels compiled in by the art tool; outside any namespace, as Qt's macro requires.
static void InitArtResource() { Q_INIT_RESOURCE(zandor_art); }

namespace zandor {

namespace {

// Keys by their X key symbol, which Qt passes as the native virtual key on X11 and Wayland alike. The
// keypad's keys are told apart this way: Qt on Wayland gives them no keypad modifier, so keypad 5 would be a
// top-row 5.
constexpr std::uint32_t kKeypad0 = 0xffb0, kKeypad9 = 0xffb9;  // KP_0 to KP_9
constexpr struct {
  std::uint32_t keysym;
  std::int16_t code;
} kKeypadKeys[] = {
    {0xff95, keys::kHome}, {0xff96, keys::kLeft},   {0xff97, keys::kUp},       {0xff98, keys::kRight},
    {0xff99, keys::kDown}, {0xff9a, keys::kPageUp}, {0xff9b, keys::kPageDown}, {0xff9c, keys::kEnd},
    {0xff9d, keys::kClear}};  // KP_Home ... KP_Begin, the centre
// Every other key by Qt's name for it, wherever it sits.
constexpr struct {
  int qtKey;
  std::int16_t code;
} kQtKeys[] = {{Qt::Key_Home, keys::kHome},         {Qt::Key_Up, keys::kUp},
               {Qt::Key_PageUp, keys::kPageUp},     {Qt::Key_Left, keys::kLeft},
               {Qt::Key_Clear, keys::kClear},       {Qt::Key_Right, keys::kRight},
               {Qt::Key_End, keys::kEnd},           {Qt::Key_Down, keys::kDown},
               {Qt::Key_PageDown, keys::kPageDown}, {Qt::Key_F2, keys::kF2}};

}  // namespace

std::int16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers, std::uint32_t keysym) {
  if (keysym >= kKeypad0 && keysym <= kKeypad9)
    return static_cast<std::int16_t>(keys::kNumPad0 + keysym - kKeypad0);
  for (const auto& key : kKeypadKeys)
    if (key.keysym == keysym) return key.code;
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    const int digit = qtKey - Qt::Key_0;
    // The keypad's digits have codes of their own; the top row's are plain character codes.
    return static_cast<std::int16_t>(modifiers.testFlag(Qt::KeypadModifier) ? keys::kNumPad0 + digit
                                                                            : '0' + digit);
  }
  for (const auto& key : kQtKeys)
    if (key.qtKey == qtKey) return key.code;
  return 0;
}

std::int16_t CursorKeyFromQt(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return keys::kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return keys::kReturn;
    case Qt::Key_Space: return keys::kSpace;
    default: return 0;
  }
}

namespace {

// A key press as the handlers take it; false for a key the game has no code for.
bool SendKey(App* app, const QKeyEvent* event) {
  std::int16_t code = CursorKeyFromQt(event->key());
  if (code == 0) code = VirtualKeyFromQt(event->key(), event->modifiers(), event->nativeVirtualKey());
  if (code == 0 || app == nullptr) return false;
  // Qt names Shift+Tab apart, and may leave Shift out of its modifiers.
  const int backtab = event->key() == Qt::Key_Backtab ? keys::kShiftBit : 0;
  app->HandleKey(code, static_cast<std::int16_t>(ShiftFromQt(event->modifiers()) | backtab));
  return true;
}

}  // namespace

std::int16_t ShiftFromQt(Qt::KeyboardModifiers modifiers) {
  return static_cast<std::int16_t>((modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                                   (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
                                   (modifiers.testFlag(Qt::AltModifier) ? 4 : 0));
}

std::int16_t ButtonFromQt(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

namespace {

// A picture of the art resource as a QImage over the program's own read-only data: no copy, no decoding.
// A resource that is somehow compressed or misaligned is copied instead, which still works.
QImage ResourceImage(const QString& path, int width, int height, QImage::Format format) {
  InitArtResource();
  const QResource resource(path);
  const auto bytes = static_cast<qint64>(width) * height * 4;
  if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression &&
      resource.size() == bytes && reinterpret_cast<quintptr>(resource.data()) % 4 == 0)
    return QImage(resource.data(), width, height, width * 4, format);
  const QByteArray data = resource.uncompressedData();
  if (data.size() != bytes) qFatal("the program's artwork resource %s is missing", qPrintable(path));
  return QImage(reinterpret_cast<const uchar*>(data.constData()), width, height, width * 4, format).copy();
}

QIcon WindowIcon() {
  QIcon icon;
  for (int size : {16, 32, 64})
    icon.addPixmap(QPixmap::fromImage(
        ResourceImage(QString(":/art/icon-%1.argb").arg(size), size, size, QImage::Format_ARGB32)));
  return icon;
}

}  // namespace

const QImage& BackBuffer(int scale) {
  if (scale >= 2) {
    static const QImage art2 =
        ResourceImage(":/art/art-2x.rgb", kArtWidth * 2, kArtHeight * 2, QImage::Format_RGB32);
    return art2;
  }
  static const QImage art1 = ResourceImage(":/art/art-1x.rgb", kArtWidth, kArtHeight, QImage::Format_RGB32);
  return art1;
}

int ArtScale(qreal devicePixelRatio) { return devicePixelRatio > 1.0 ? 2 : 1; }

bool InstallTranslation(const QLocale& locale) {
  // The board's words for assistive technology go through the same translations.
  words::SetTranslator([](const char* context, const char* english) {
    return QCoreApplication::translate(context, english).toStdString();
  });
  static QTranslator translator;
  QCoreApplication::removeTranslator(&translator);
  for (QString name : locale.uiLanguages()) {
    // English is the texts' own language: a player who puts it before another gets it.
    if (QLocale(name).language() == QLocale::English) break;
    // "zh-Hans-CN" looks for zandor_zh_Hans_CN.qm, then zandor_zh_Hans.qm, then zandor_zh.qm.
    if (translator.load("zandor_" + name.replace('-', '_'), ":/i18n"))
      return QCoreApplication::installTranslator(&translator);
  }
  return false;
}

// --- picMain ---

PicMain::PicMain(QWidget* parent) : QWidget(parent) {
  setFixedSize(kBoardSize, kBoardSize);
  setFocusPolicy(Qt::StrongFocus);
  // The picture covers every pixel, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  Rescale(ArtScale(devicePixelRatioF()));
  InstallBoardAccess();
}

void PicMain::Rescale(int scale) {
  scale_ = scale;
  image_ = QImage(kBoardSize * scale, kBoardSize * scale, QImage::Format_RGB32);
  image_.fill(Qt::white);
  for (const DrawOp& op : log_.ops()) Draw(op);
  shownStale_ = true;
}

void PicMain::BitBlt(int x, int y, int width, int height, int srcX, int srcY, RasterOp op) {
  Draw(log_.Blit(x, y, width, height, srcX, srcY, op));
}

void PicMain::DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colourBgr, int penWidth) {
  Draw(log_.Line(x1, y1, x2, y2, colourBgr, penWidth));
}

void PicMain::Draw(const DrawOp& op) {
  const int s = scale_;
  QPainter painter(&image_);
  shownStale_ = true;
  if (op.line) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(s, s);  // the pen widens with the board
    const QColor colour(static_cast<int>(op.colourBgr & 255), static_cast<int>((op.colourBgr >> 8) & 255),
                        static_cast<int>((op.colourBgr >> 16) & 255));
    painter.setPen(QPen(colour, op.penWidth));
    painter.drawLine(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
    return;
  }
  switch (op.op) {
    case RasterOp::SrcCopy: painter.setCompositionMode(QPainter::CompositionMode_Source); break;
    case RasterOp::MergePaint: painter.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination); break;
    case RasterOp::SrcAnd: painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
  }
  painter.drawImage(QPoint(op.x * s, op.y * s), BackBuffer(s),
                    QRect(op.srcX * s, op.srcY * s, op.width * s, op.height * s));
}

void PicMain::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatioF();
  // Moved to a screen of another scale: the picture is drawn again from the art of that scale.
  if (ArtScale(ratio) != scale_) Rescale(ArtScale(ratio));
  QPainter painter(this);
  if (ratio == scale_) {
    const QRect r = event->rect();
    painter.drawImage(QRectF(r), image_,
                      QRectF(r.x() * scale_, r.y() * scale_, r.width() * scale_, r.height() * scale_));
  } else {
    // A fractional scale: the 2x picture, resized smoothly to the screen's own pixels once per change.
    const int side = qRound(kBoardSize * ratio);
    if (shownStale_ || shown_.width() != side) {
      shown_ = image_.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      shown_.setDevicePixelRatio(ratio);
      shownStale_ = false;
    }
    painter.drawImage(QPointF(0, 0), shown_);
  }
  // The keyboard's cell, over the picture and never in it, once the player has moved it.
  if (cursorDrawn_ && hasFocus()) {
    painter.setPen(QPen(Qt::black, 2, Qt::DotLine));
    painter.drawRect(QRect(cursor() % 3 * 100 + 4, cursor() / 3 * 100 + 4, 92, 92));
  }
}

void PicMain::keyPressEvent(QKeyEvent* event) {
  // Keys without a code go on to the window, which has nothing to do with them either.
  if (!SendKey(app_, event)) QWidget::keyPressEvent(event);
}

void PicMain::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // After Qt has told assistive technology of the board itself: the keyboard's cell is what has the focus.
  if (QAccessible::isActive()) QMetaObject::invokeMethod(this, [this] { FocusCell(this); }, Qt::QueuedConnection);
}

void PicMain::mouseReleaseEvent(QMouseEvent* event) {
  // Qt keeps sending a pressed button's events here after a drag off the board, as the handler expects.
  if (app_ == nullptr) return;
  const QPointF at = event->position();
  app_->picMain_MouseUp(ButtonFromQt(event->button()), ShiftFromQt(event->modifiers()),
                        static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void PicMain::PressCell(int cell) {
  if (app_ != nullptr) app_->PressCell(cell);
}

int PicMain::cursor() const { return app_ != nullptr ? app_->cursor() : 0; }

void PicMain::SetCursor(bool drawn) {
  // The window logic keeps the cell; only it moves it, and it draws the cue from then on.
  cursorDrawn_ = drawn;
  update();
  if (drawn) FocusCell(this);
}

// --- frmMain ---

frmMain::frmMain() {
  setObjectName("frmMain");
  auto* client = new QWidget(this);
  client->setFixedSize(302, 340);
  setCentralWidget(client);

  picMain = new PicMain(client);
  picMain->setObjectName("picMain");
  picMain->move(0, 0);

  Label1 = new QLabel(QCoreApplication::translate(kNoticeContext, kNoticeText), client);
  Label1->setObjectName("Label1");
  Label1->setGeometry(16, 304, 281, 33);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setFocusPolicy(Qt::NoFocus);
  FitLabel();

  QMenu* file = menuBar()->addMenu(QCoreApplication::translate(kMenuContext, kFileMenuCaption));
  file->setObjectName("mnuFile");
  // Mode and level are each one choice among several: exclusive groups make the style draw radio marks.
  auto* modes = new QActionGroup(this);
  auto* levels = new QActionGroup(this);
  modes->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  levels->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  for (MenuItem item : kFileMenuItems)
    AddItem(file, item, item == MenuItem::OnePlayer || item == MenuItem::TwoPlayer ? modes : nullptr);
  QMenu* level = menuBar()->addMenu(QCoreApplication::translate(kMenuContext, kDifficultyMenuCaption));
  level->setObjectName("mnuDiffuculty");
  for (MenuItem item : kDifficultyMenuItems) AddItem(level, item, levels);

  // The client area keeps its size whatever the menu bar needs; the frame offers no resizing.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  setWindowIcon(WindowIcon());
}

void frmMain::AddItem(QMenu* menu, MenuItem item, QActionGroup* group) {
  static constexpr const char* kNames[kMenuItemCount] = {"mnuRestart", "mnu1Ply",    "mnu2Ply",
                                                         "mnuExit",    "mnuEasiest", "mnuEasy",
                                                         "mnuMedium",  "mnuHard",    "mnuHardest"};
  QAction* action =
      menu->addAction(QCoreApplication::translate(kMenuContext, kMenuItemCaptions[static_cast<std::size_t>(item)]));
  action->setObjectName(kNames[static_cast<std::size_t>(item)]);
  if (group != nullptr) {
    action->setCheckable(true);
    group->addAction(action);
  }
  connect(action, &QAction::triggered, this, [this, item] {
    // Qt has just moved the mark within the group on its own; the marks are the program's to set,
    // so put back the ones it set last before the handler sets them as it means them.
    RestoreMarks();
    if (app_ != nullptr) app_->OnMenu(item);
  });
  actions_[static_cast<std::size_t>(item)] = action;
}

void frmMain::SetMark(MenuItem item, bool checked) {
  marks_[static_cast<std::size_t>(item)] = checked;
  Action(item)->setChecked(checked);
}

void frmMain::RestoreMarks() {
  // Clearing comes first: marking an item of an exclusive group would clear its neighbours anyway.
  for (std::size_t i = 0; i < actions_.size(); ++i)
    if (!marks_[i]) actions_[i]->setChecked(false);
  for (std::size_t i = 0; i < actions_.size(); ++i)
    if (marks_[i]) actions_[i]->setChecked(true);
}

void frmMain::FitLabel() {
  // The box is fixed by the layout, the desktop's font is not: start from the window's font, which
  // follows the desktop's, and step down until the wrapped notice fits, but never below a legible floor.
  static constexpr double kSmallestPoints = 6.0;
  static constexpr double kStepPoints = 0.5;
  const QRect box = Label1->contentsRect();
  const int flags = static_cast<int>(Label1->alignment()) | Qt::TextWordWrap;
  const auto fits = [&](const QFont& font) {
    return box.contains(QFontMetrics(font, Label1).boundingRect(box, flags, Label1->text()));
  };
  QFont font = this->font();
  // A desktop font given in pixels is stepped in points like any other.
  double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / logicalDpiY();
  for (; points > kSmallestPoints; points -= kStepPoints) {
    font.setPointSizeF(points);
    if (fits(font)) break;
  }
  font.setPointSizeF(std::max(points, kSmallestPoints));
  Label1->setFont(font);
}

void frmMain::SetApp(App* app) {
  app_ = app;
  picMain->SetApp(app);
}

void frmMain::Centre() {
  const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  adjustSize();
  const QRect area = screen->availableGeometry();
  const QRect frame = frameGeometry();
  const QPoint frameAt(area.x() + (area.width() - frame.width()) / 2,
                       area.y() + (area.height() - frame.height()) / 2);
  // No frame yet: a window manager may still wrap one around the window.
  if (frame.size() == size() && frameTimer_ == 0) {
    frameChecks_ = 0;
    frameTimer_ = startTimer(kFrameCheckMs);
  }
  // Placed by its client area: a window manager honours that exactly, whereas a position that
  // includes the frame can be taken as the client's once the frame is there.
  setGeometry(QRect(frameAt + (geometry().topLeft() - frame.topLeft()), size()));
}

void frmMain::timerEvent(QTimerEvent* event) {
  if (event->timerId() != frameTimer_) return QMainWindow::timerEvent(event);
  // A window manager wraps its frame around the window shortly after it is shown, and Qt learns of
  // it without an event of its own: look for it for a short while, then centre the whole frame.
  const bool framed = frameGeometry().size() != size();
  if (framed || ++frameChecks_ >= kFrameChecks) {
    killTimer(frameTimer_);
    frameTimer_ = 0;
  }
  if (framed) Centre();
}

void frmMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A new desktop font reaches the window, not the label, whose font the fitting has fixed.
  if (event->type() == QEvent::FontChange) FitLabel();
}

void frmMain::keyPressEvent(QKeyEvent* event) {
  if (!SendKey(app_, event)) QMainWindow::keyPressEvent(event);
}

// --- the toolkit ---

QtToolkit::QtToolkit() {
  // The desktop's languages as Qt reads them (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), before any text is shown.
  InstallTranslation(QLocale::system());
}

QtToolkit::~QtToolkit() = default;

void QtToolkit::SetApp(App* app) {
  app_ = app;
  if (window_) window_->SetApp(app);
}

void QtToolkit::CreateWindow() {
  window_ = std::make_unique<frmMain>();
  window_->SetApp(app_);
}

void QtToolkit::BitBlt(int x, int y, int width, int height, int srcX, int srcY, RasterOp op) {
  if (!window_) return;
  window_->picMain->BitBlt(x, y, width, height, srcX, srcY, op);
  if (app_ != nullptr) app_->narrator().NoteBitBlt(x, y, width, height, op);
}

void QtToolkit::Refresh() {
  // Paints now rather than later: the caller may block straight after (the end-of-game hold). On Wayland the
  // picture reaches the compositor only when the event loop flushes its requests before blocking, so the
  // flush is asked for here, as the loop would; without it the winning move was never seen during the hold.
  if (!window_) return;
  window_->picMain->repaint();
  emit QAbstractEventDispatcher::instance()->aboutToBlock();
  if (app_ != nullptr) app_->BoardShown();
}

bool QtToolkit::AccessibilityActive() { return QAccessible::isActive(); }

void QtToolkit::Announce(const std::string& text, unsigned changedCells) {
  if (window_) AnnounceBoard(window_->picMain, changedCells, QString::fromStdString(text));
}

void QtToolkit::SetCursor(int, bool drawn) {
  if (window_) window_->picMain->SetCursor(drawn);
}

void QtToolkit::DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colourBgr) {
  if (window_) window_->picMain->DrawLine(x1, y1, x2, y2, colourBgr, kPenWidth);
}

void QtToolkit::SetCaption(const std::string& text) {
  if (window_) window_->setWindowTitle(QString::fromStdString(text));
}

void QtToolkit::SetChecked(MenuItem item, bool checked) {
  if (window_) window_->SetMark(item, checked);
}

void QtToolkit::ShowWindow() {
  if (!window_) return;
  if (!shownBefore_) window_->Centre();
  shownBefore_ = true;
  window_->show();
}

void QtToolkit::FocusWindow() {
  if (!window_) return;
  window_->activateWindow();
  window_->picMain->setFocus(Qt::OtherFocusReason);
}

void QtToolkit::CloseAndExit() {
  if (window_) window_->close();
  QCoreApplication::exit(0);
}

std::string QtToolkit::ProgramFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace zandor
