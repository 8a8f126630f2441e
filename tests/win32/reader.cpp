// What a screen reader says of the running zandor.exe, one line each, heard as NVDA hears it: focus, alert
// and name-change events from an out-of-context hook, read through AccessibleObjectFromEvent.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <deque>
#include <tuple>

namespace {

// Handled in order by the loop, not in the hook: reading an object lets further events in meanwhile.
std::deque<std::tuple<DWORD, HWND, LONG>> events;
long focusChild = -1;  // the focused cell, or the board: only a change of its name is said

long Number(IAccessible* object, VARIANT child, HRESULT (STDMETHODCALLTYPE IAccessible::*ask)(VARIANT, VARIANT*)) {
  VARIANT value{};
  return (object->*ask)(child, &value) == S_OK && value.vt == VT_I4 ? value.lVal : 0;
}

void Say(const char* kind, IAccessible* object, VARIANT child) {  // "kind: name[, read only]"
  BSTR name = nullptr;
  if (object->get_accName(child, &name) != S_OK || name == nullptr) return;
  const bool readOnly = Number(object, child, &IAccessible::get_accState) & STATE_SYSTEM_READONLY;
  std::printf("%s: %ls%s\n", kind, name, readOnly ? ", read only" : ""), std::fflush(stdout);
  SysFreeString(name);
}

void Handle(std::tuple<DWORD, HWND, LONG> e) {
  const auto [event, window, id] = e;
  IAccessible* object = nullptr;
  VARIANT child, inner{};  // empty
  if (AccessibleObjectFromEvent(window, OBJID_CLIENT, id, &object, &child) != S_OK) return;
  // A focus goes on to the child the object names as focused; an object not in the focused state is dropped.
  if (event == EVENT_OBJECT_FOCUS) {
    if (child.lVal == CHILDID_SELF && object->get_accFocus(&inner) == S_OK && inner.vt == VT_I4)
      child = inner;
    if (Number(object, child, &IAccessible::get_accState) & STATE_SYSTEM_FOCUSED)
      focusChild = child.lVal, Say("focus", object, child);
  }
  if (event == EVENT_OBJECT_NAMECHANGE && child.lVal == focusChild) Say("name", object, child);
  if (event == EVENT_SYSTEM_ALERT && Number(object, child, &IAccessible::get_accRole) == ROLE_SYSTEM_ALERT)
    Say("alert", object, child);
  object->Release();
}

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG id, LONG child, DWORD, DWORD) {
  if (id == OBJID_CLIENT) events.push_back({event, window, child});
}

}  // namespace

int main() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HWND frame = FindWindowW(L"ZandorFrame", nullptr);
  DWORD id = 0;
  const DWORD thread = GetWindowThreadProcessId(frame, &id);
  GUITHREADINFO gui{sizeof gui};  // where the keyboard is, once the window has it
  for (int i = 0; i < 100 && !(GetGUIThreadInfo(thread, &gui) && gui.hwndFocus); ++i) Sleep(100);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
  if (!frame || !process) return std::fputs("no zandor.exe window\n", stderr), 1;
  SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE, nullptr, OnEvent, id, 0, WINEVENT_OUTOFCONTEXT);
  events.push_back({EVENT_OBJECT_FOCUS, gui.hwndFocus, CHILDID_SELF});  // at start: where the focus is
  do {  // until the game ends
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
    for (; !events.empty(); events.pop_front()) Handle(events.front());
  } while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1);
}
