// The program: the game, its window logic and the Win32 toolkit, then the message loop.
#include <cstdlib>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/app.h"
#include "ui/win32/regional_time.h"
#include "ui/win32/win32.h"
#include "ui/win32/win32_toolkit.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  zandor::SystemClock clock;
  zandor::StdRandom random;
  zandor::Win32Toolkit toolkit(instance, showCommand);
  zandor::Win32LossLogEnv logEnv;
  zandor::Game game(toolkit, clock, random, &logEnv);
  zandor::App app(game, toolkit);
  toolkit.SetApp(&app);
  app.Main();

  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return EXIT_FAILURE;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
