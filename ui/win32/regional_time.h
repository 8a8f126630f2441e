// The loss log's date and time in the user's regional format, which MinGW's C++ library cannot give.
#pragma once

#include <string>

#include "log/loss_log.h"
#include "ui/win32/win32.h"

namespace zandor {

// The short date, one blank and the time with seconds, as the user's regional settings write them,
// in UTF-8; empty when Windows cannot format it.
std::string RegionalDateTimeText(const SYSTEMTIME& when);

// The disk as everywhere, the clock text from the regional settings.
class Win32LossLogEnv final : public SystemLossLogEnv {
 public:
  std::string LocalDateTimeText() override;
};

}  // namespace zandor
