// The program: a Qt application around the game, its window logic and the Qt toolkit.
#include <QApplication>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/app.h"
#include "ui/qt/qt_toolkit.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  zandor::SystemClock clock;
  zandor::StdRandom random;
  zandor::QtToolkit toolkit;
  zandor::Game game(toolkit, clock, random);
  zandor::App app(game, toolkit);
  toolkit.SetApp(&app);
  app.Main();
  return application.exec();
}
