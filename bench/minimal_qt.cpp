// The smallest Qt6 Widgets window of the game's size, as a yardstick for the game's start-up time.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("minimal");
  window.setFixedSize(302, 359);
  // Centred like the game, so the same probe point sees it.
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  window.move(area.x() + (area.width() - 302) / 2, area.y() + (area.height() - 359) / 2);
  window.show();
  return application.exec();
}
