// The Qt window and toolkit: events become handler calls, drawing goes through QPainter onto the board image.
#include "ui/qt/qt_toolkit.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "game/game.h"
#include "ui/app.h"
#include "ui/artwork.h"
#include "ui/keys.h"

namespace zandor {

std::int16_t VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    const int digit = qtKey - Qt::Key_0;
    // The keypad's digits have codes of their own; the top row's are plain character codes.
    return static_cast<std::int16_t>(modifiers.testFlag(Qt::KeypadModifier) ? keys::kNumPad0 + digit
                                                                            : '0' + digit);
  }
  switch (qtKey) {
    case Qt::Key_Home: return keys::kHome;
    case Qt::Key_Up: return keys::kUp;
    case Qt::Key_PageUp: return keys::kPageUp;
    case Qt::Key_Left: return keys::kLeft;
    case Qt::Key_Clear: return keys::kClear;
    case Qt::Key_Right: return keys::kRight;
    case Qt::Key_End: return keys::kEnd;
    case Qt::Key_Down: return keys::kDown;
    case Qt::Key_PageDown: return keys::kPageDown;
    case Qt::Key_F2: return keys::kF2;
    default: return 0;
  }
}

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

QImage ToQImage(const Image& image) {
  QImage out(image.width, image.height, QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < image.width; ++x) line[x] = 0xFF000000u | image.At(x, y);
  }
  return out;
}

// --- picMain ---

PicMain::PicMain(QWidget* parent) : QWidget(parent), image_(kBoardSize, kBoardSize, QImage::Format_RGB32) {
  image_.fill(Qt::white);
  setFixedSize(kBoardSize, kBoardSize);
  setFocusPolicy(Qt::StrongFocus);
  // The picture covers every pixel, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PicMain::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

void PicMain::keyPressEvent(QKeyEvent* event) {
  const std::int16_t code = VirtualKeyFromQt(event->key(), event->modifiers());
  // Keys without a code go on to the window, which has nothing to do with them either.
  if (code == 0 || app_ == nullptr) return QWidget::keyPressEvent(event);
  app_->picMain_KeyDown(code, ShiftFromQt(event->modifiers()));
}

void PicMain::mouseReleaseEvent(QMouseEvent* event) {
  // Qt keeps sending a pressed button's events here after a drag off the board, as the handler expects.
  if (app_ == nullptr) return;
  const QPointF at = event->position();
  app_->picMain_MouseUp(ButtonFromQt(event->button()), ShiftFromQt(event->modifiers()),
                        static_cast<float>(at.x()), static_cast<float>(at.y()));
}

// --- frmMain ---

frmMain::frmMain() : BackBuffer(ToQImage(MakeArtwork())) {
  setObjectName("frmMain");
  auto* client = new QWidget(this);
  client->setFixedSize(302, 340);
  setCentralWidget(client);

  picMain = new PicMain(client);
  picMain->setObjectName("picMain");
  picMain->move(0, 0);

  Label1 = new QLabel(tr("Click a cell to play O. Two players: X plays on the number pad. F2: new match."),
                      client);
  Label1->setObjectName("Label1");
  Label1->setGeometry(16, 304, 281, 33);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setFocusPolicy(Qt::NoFocus);

  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName("mnuFile");
  AddItem(file, MenuItem::Restart, "&Restart", false);
  AddItem(file, MenuItem::OnePlayer, "&1 Player", true);
  AddItem(file, MenuItem::TwoPlayer, "&2 Player", true);
  AddItem(file, MenuItem::Exit, "E&xit", false);
  QMenu* level = menuBar()->addMenu(tr("&Difficulty"));
  level->setObjectName("mnuDiffuculty");
  AddItem(level, MenuItem::Easiest, "&Silly Putty", true);
  AddItem(level, MenuItem::Easy, "&Beaver", true);
  AddItem(level, MenuItem::Medium, "&Induhvidual", true);
  AddItem(level, MenuItem::Hard, "&Wiz Kid", true);
  AddItem(level, MenuItem::Hardest, "&Nerd God", true);

  // The client area keeps its size whatever the menu bar needs; the frame offers no resizing.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(ToQImage(MakeIcon(16))));
  icon.addPixmap(QPixmap::fromImage(ToQImage(MakeIcon(32))));
  setWindowIcon(icon);
}

void frmMain::AddItem(QMenu* menu, MenuItem item, const char* caption, bool checkable) {
  static constexpr const char* kNames[kMenuItemCount] = {"mnuRestart", "mnu1Ply",    "mnu2Ply",
                                                         "mnuExit",    "mnuEasiest", "mnuEasy",
                                                         "mnuMedium",  "mnuHard",    "mnuHardest"};
  QAction* action = menu->addAction(tr(caption));
  action->setObjectName(kNames[static_cast<std::size_t>(item)]);
  action->setCheckable(checkable);
  connect(action, &QAction::triggered, this, [this, action, item](bool) {
    // Qt has just toggled the mark on its own; the marks are the program's to set, so undo that
    // before the handler sets them as it means them.
    if (action->isCheckable()) action->setChecked(!action->isChecked());
    if (app_ != nullptr) app_->OnMenu(item);
  });
  actions_[static_cast<std::size_t>(item)] = action;
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
  const QSize size = frameGeometry().size();
  move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
  const std::int16_t code = VirtualKeyFromQt(event->key(), event->modifiers());
  if (code == 0 || app_ == nullptr) return QMainWindow::keyPressEvent(event);
  app_->Form_KeyDown(code, ShiftFromQt(event->modifiers()));
}

// --- the toolkit ---

QtToolkit::QtToolkit() : exitProgram([] { QCoreApplication::exit(0); }) {}

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
  QPainter painter(&window_->picMain->image());
  switch (op) {
    case RasterOp::SrcCopy: painter.setCompositionMode(QPainter::CompositionMode_Source); break;
    case RasterOp::MergePaint: painter.setCompositionMode(QPainter::RasterOp_NotSourceOrDestination); break;
    case RasterOp::SrcAnd: painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
  }
  painter.drawImage(QPoint(x, y), window_->BackBuffer, QRect(srcX, srcY, width, height));
}

void QtToolkit::Refresh() {
  // Paints now rather than later: the caller may block straight after (the end-of-game hold).
  if (window_) window_->picMain->repaint();
}

void QtToolkit::DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colourBgr) {
  if (!window_) return;
  QPainter painter(&window_->picMain->image());
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor colour(static_cast<int>(colourBgr & 255), static_cast<int>((colourBgr >> 8) & 255),
                      static_cast<int>((colourBgr >> 16) & 255));
  painter.setPen(QPen(colour, kPenWidth));
  painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtToolkit::SetCaption(const std::string& text) {
  if (window_) window_->setWindowTitle(QString::fromStdString(text));
}

void QtToolkit::SetChecked(MenuItem item, bool checked) {
  if (window_) window_->Action(item)->setChecked(checked);
}

void QtToolkit::ShowWindow() {
  if (!window_) return;
  if (centred_) return window_->show();
  centred_ = true;
  // The frame's size is known only once the window is shown: centre before, and again after if
  // a frame has appeared around it.
  window_->Centre();
  window_->show();
  window_->Centre();
}

void QtToolkit::FocusWindow() {
  if (!window_) return;
  window_->activateWindow();
  window_->picMain->setFocus(Qt::OtherFocusReason);
}

void QtToolkit::CloseAndExit() {
  if (window_) window_->close();
  if (exitProgram) exitProgram();
}

std::string QtToolkit::ProgramFolder() {
  if (!programFolderOverride.empty()) return programFolderOverride;
  return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace zandor
