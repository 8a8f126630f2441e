// Plays scripted inputs on the null toolkit and saves each resulting board as a PPM image.
// Each line of standard input is "NAME STEP...", a step being "m:X,Y" (a mouse release on the board),
// "k:CODE" (a key's virtual-key code) or "menu:N" (menu item N, in the toolkit's order).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "ai/random.h"
#include "game/clock.h"
#include "game/game.h"
#include "ui/app.h"
#include "ui/null_toolkit.h"

namespace {

bool SavePpm(const std::string& path, const zandor::Image& image) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "P6\n" << image.width << " " << image.height << "\n255\n";
  for (std::uint32_t p : image.pixels) {
    const char rgb[3] = {static_cast<char>((p >> 16) & 255), static_cast<char>((p >> 8) & 255),
                         static_cast<char>(p & 255)};
    out.write(rgb, 3);
  }
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: null_boards OUTPUT-FOLDER < script\n");
    return 2;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string name, step;
    if (!(words >> name)) continue;
    zandor::NullToolkit toolkit;
    zandor::ManualClock clock;
    zandor::ScriptedRandom random;
    zandor::Game game(toolkit, clock, random);
    zandor::App app(game, toolkit);
    app.Main();
    while (words >> step) {
      int a = 0, b = 0;
      if (std::sscanf(step.c_str(), "m:%d,%d", &a, &b) == 2) {
        app.picMain_MouseUp(1, 0, static_cast<float>(a), static_cast<float>(b));
      } else if (std::sscanf(step.c_str(), "k:%d", &a) == 1) {
        app.picMain_KeyDown(static_cast<std::int16_t>(a), 0);
      } else if (std::sscanf(step.c_str(), "menu:%d", &a) == 1 && a >= 0 && a < zandor::kMenuItemCount) {
        app.OnMenu(static_cast<zandor::MenuItem>(a));
      } else {
        std::fprintf(stderr, "null_boards: unknown step %s\n", step.c_str());
        return 2;
      }
    }
    if (!SavePpm(std::string(argv[1]) + "\\" + name + ".ppm", toolkit.board)) {
      std::fprintf(stderr, "null_boards: could not write %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}
