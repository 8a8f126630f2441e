// Formats the log's time stamp with the user's regional settings.
#include "ui/win32/regional_time.h"

#include "ui/win32/program_folder.h"

namespace zandor {

std::string RegionalDateTimeText(const SYSTEMTIME& when) {
  // Windows caps a formatted date or time at 80 characters; a failure leaves the caller to choose.
  wchar_t date[128] = {}, time[128] = {};
  if (!GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &when, nullptr, date, 128, nullptr) ||
      !GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &when, nullptr, time, 128))
    return "";
  return Utf8FromWide(std::wstring(date) + L" " + time);
}

std::string Win32LossLogEnv::LocalDateTimeText() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  std::string text = RegionalDateTimeText(now);
  // The neutral format still dates the entry when the regional one is unavailable.
  return text.empty() ? SystemLossLogEnv::LocalDateTimeText() : text;
}

}  // namespace zandor
