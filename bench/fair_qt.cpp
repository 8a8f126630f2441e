// The yardstick for the game's start-up: a Qt6 window with what any such window pays for (the same two
// menus of 4 and 5 items, a 300 x 300 widget painting a QImage, a two-line label) and no game.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class Board final : public QWidget {
 public:
  explicit Board(QWidget* parent) : QWidget(parent), image_(300, 300, QImage::Format_RGB32) {
    image_.fill(QColor(222, 208, 182));
    setFixedSize(300, 300);
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image_); }

 private:
  QImage image_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle("fair");
  auto* client = new QWidget(&window);
  client->setFixedSize(302, 340);
  window.setCentralWidget(client);
  new Board(client);
  auto* label = new QLabel("Click a cell to play O. Two players: X plays on the number pad. F2: new match.", client);
  label->setGeometry(16, 304, 281, 33);
  label->setWordWrap(true);
  QMenu* file = window.menuBar()->addMenu("&File");
  for (const char* item : {"&Restart", "&1 Player", "&2 Player", "E&xit"}) file->addAction(item);
  QMenu* level = window.menuBar()->addMenu("&Difficulty");
  for (const char* item : {"&Silly Putty", "&Beaver", "&Induhvidual", "&Wiz Kid", "&Nerd God"})
    level->addAction(item)->setCheckable(true);
  window.adjustSize();
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  window.move(area.center() - window.rect().center());
  window.show();
  return application.exec();
}
