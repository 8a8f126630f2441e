// A screen reader's view of the running zandor.exe, as NVDA takes it: focus, alert and name-change events from an
// out-of-context hook, read through AccessibleObjectFromEvent; prints each thing it would say, one line each.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <deque>

namespace {

HWND focusWindow = nullptr;
long focusChild = -1;  // the focused object: a change of its name is said, others' are not

long Number(IAccessible* object, VARIANT child, HRESULT (STDMETHODCALLTYPE IAccessible::*ask)(VARIANT, VARIANT*)) {
  VARIANT value;
  VariantInit(&value);
  return (object->*ask)(child, &value) == S_OK && value.vt == VT_I4 ? value.lVal : 0;
}

// "kind: name", and ", read only" for an object in that state.
void Say(const char* kind, IAccessible* object, VARIANT child) {
  BSTR name = nullptr;
  if (object->get_accName(child, &name) != S_OK || name == nullptr) return;
  char text[512] = {};
  WideCharToMultiByte(CP_UTF8, 0, name, -1, text, sizeof text - 1, nullptr, nullptr);
  const bool readOnly = Number(object, child, &IAccessible::get_accState) & STATE_SYSTEM_READONLY;
  std::printf("%s: %s%s\n", kind, text, readOnly ? ", read only" : "");
  std::fflush(stdout);
  SysFreeString(name);
}

// A window's focus as a reader follows it: on to the child the object names as focused; only an object in the
// focused state counts.
void Focus(HWND window, IAccessible* object, VARIANT child) {
  VARIANT inner;
  VariantInit(&inner);
  if (child.lVal == CHILDID_SELF && object->get_accFocus(&inner) == S_OK && inner.vt == VT_I4) child = inner;
  if (!(Number(object, child, &IAccessible::get_accState) & STATE_SYSTEM_FOCUSED)) return;
  focusWindow = window, focusChild = child.lVal;
  Say("focus", object, child);
}

struct Event {
  DWORD event;
  HWND window;
  LONG child;
};
std::deque<Event> events;  // as they come; handled in order by the loop, since reading an object lets more come

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG id, LONG child, DWORD, DWORD) {
  if (id == OBJID_CLIENT) events.push_back({event, window, child});
}

void Handle(const Event& e) {
  IAccessible* object = nullptr;
  VARIANT child;
  if (AccessibleObjectFromEvent(e.window, OBJID_CLIENT, e.child, &object, &child) != S_OK) return;
  if (e.event == EVENT_OBJECT_FOCUS) Focus(e.window, object, child);
  if (e.event == EVENT_OBJECT_NAMECHANGE && e.window == focusWindow && child.lVal == focusChild)
    Say("name", object, child);
  if (e.event == EVENT_SYSTEM_ALERT && Number(object, child, &IAccessible::get_accRole) == ROLE_SYSTEM_ALERT)
    Say("alert", object, child);
  object->Release();
}

}  // namespace

int main() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HWND frame = nullptr;
  for (int i = 0; i < 300 && !(frame = FindWindowW(L"ZandorFrame", nullptr)); ++i) Sleep(100);
  DWORD processId = 0;
  const DWORD thread = GetWindowThreadProcessId(frame, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  if (!frame || !process) return std::fputs("no zandor.exe window\n", stderr), 1;
  SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_OBJECT_NAMECHANGE, nullptr, OnEvent, processId, 0,
                  WINEVENT_OUTOFCONTEXT);
  // On start a reader says where the focus is now.
  GUITHREADINFO gui{sizeof gui};
  IAccessible* object = nullptr;
  VARIANT self;
  if (GetGUIThreadInfo(thread, &gui) && gui.hwndFocus &&
      AccessibleObjectFromEvent(gui.hwndFocus, OBJID_CLIENT, CHILDID_SELF, &object, &self) == S_OK)
    Focus(gui.hwndFocus, object, self), object->Release();
  // Until the game ends.
  while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
    for (; !events.empty(); events.pop_front()) Handle(Event(events.front()));
  }
  return 0;
}
