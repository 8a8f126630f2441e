// The loss log: every game the top level loses is added at the top of AILog.txt.
#pragma once

#include <string>

namespace zandor {

class Game;

// What the log needs from the outside world, injectable so tests never depend on today or the disk.
class LossLogEnv {
 public:
  virtual ~LossLogEnv() = default;
  // The local short date, a blank, the time with seconds.
  virtual std::string LocalDateTimeText() = 0;
};

void WriteLossLog(Game& game);

}  // namespace zandor
