// The board's IAccessible: names, places and the press of each cell, from the words both front ends share.
#include "ui/win32/board_access.h"

#include <string>

#include "ui/app.h"
#include "ui/board_words.h"
#include "ui/win32/program_folder.h"

namespace zandor {

namespace {

HRESULT Text(const std::string& text, BSTR* out) {
  *out = SysAllocString(WideFromUtf8(text).c_str());
  return *out ? S_OK : E_OUTOFMEMORY;
}

void SetChild(VARIANT* out, long id) {
  out->vt = VT_I4;
  out->lVal = id;
}

}  // namespace

HRESULT BoardAccessible::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG BoardAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

int BoardAccessible::CellOf(const VARIANT& child) const {
  if (board_ == nullptr || child.vt != VT_I4) return -2;
  if (child.lVal == CHILDID_SELF) return -1;
  return child.lVal >= 1 && child.lVal <= kAlertChild ? static_cast<int>(child.lVal) - 1 : -2;
}

HRESULT BoardAccessible::get_accParent(IDispatch** parent) {
  *parent = nullptr;
  if (board_ == nullptr) return CO_E_OBJNOTCONNECTED;
  return AccessibleObjectFromWindow(board_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                    reinterpret_cast<void**>(parent));
}

HRESULT BoardAccessible::get_accChildCount(long* count) {
  *count = kAlertChild;
  return board_ ? S_OK : CO_E_OBJNOTCONNECTED;
}

HRESULT BoardAccessible::get_accChild(VARIANT child, IDispatch** object) {
  *object = nullptr;  // cells are simple children, answered by this object
  return CellOf(child) >= 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT BoardAccessible::get_accName(VARIANT child, BSTR* name) {
  const int cell = CellOf(child);
  if (cell == -2) return *name = nullptr, E_INVALIDARG;
  if (cell == 9) return Text(app_->narrator().Description(), name);
  return Text(cell < 0 ? words::BoardName() : app_->narrator().CellName(cell), name);
}

HRESULT BoardAccessible::get_accDescription(VARIANT child, BSTR* description) {
  const int cell = CellOf(child);
  if (cell != -1) return Nothing(description);
  return Text(app_->narrator().Description(), description);
}

HRESULT BoardAccessible::get_accRole(VARIANT child, VARIANT* role) {
  const int cell = CellOf(child);
  VariantInit(role);
  if (cell == -2) return E_INVALIDARG;
  SetChild(role, cell < 0 ? ROLE_SYSTEM_TABLE : cell == 9 ? ROLE_SYSTEM_ALERT : ROLE_SYSTEM_CELL);
  return S_OK;
}

HRESULT BoardAccessible::get_accState(VARIANT child, VARIANT* state) {
  const int cell = CellOf(child);
  VariantInit(state);
  if (cell == -2) return E_INVALIDARG;
  long flags = IsWindowVisible(board_) ? 0 : STATE_SYSTEM_INVISIBLE;
  const bool focused = GetFocus() == board_;
  if (cell < 0) flags |= STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0);
  if (cell >= 0 && cell < 9) {
    // The keyboard's cell is the focused and selected one. A cell that holds a mark can no longer be played:
    // read-only, which screen readers say as such.
    flags |= STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (app_->narrator().Marked(cell)) flags |= STATE_SYSTEM_READONLY;
    if (cell == app_->cursor()) flags |= STATE_SYSTEM_SELECTED | (focused ? STATE_SYSTEM_FOCUSED : 0);
  }
  SetChild(state, flags);
  return S_OK;
}

HRESULT BoardAccessible::get_accFocus(VARIANT* focus) {
  VariantInit(focus);
  if (board_ == nullptr || GetFocus() != board_) return S_FALSE;
  SetChild(focus, app_->cursor() + 1);
  return S_OK;
}

HRESULT BoardAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  const int cell = CellOf(child);
  return cell >= 0 && cell < 9 ? Text(words::Press(), action) : Nothing(action);
}

HRESULT BoardAccessible::accLocation(long* x, long* y, long* width, long* height, VARIANT child) {
  const int cell = CellOf(child);
  *x = *y = *width = *height = 0;
  if (cell == -2) return E_INVALIDARG;
  // The client area is the board at the window's scale: a cell is a third of it each way.
  RECT client;
  GetClientRect(board_, &client);
  POINT corner{0, 0};
  ClientToScreen(board_, &corner);
  if (cell < 0 || cell == 9)  // the alert speaks for the whole board
    return *x = corner.x, *y = corner.y, *width = client.right, *height = client.bottom, S_OK;
  const long left = client.right * (cell % 3) / 3, top = client.bottom * (cell / 3) / 3;
  *x = corner.x + left;
  *y = corner.y + top;
  *width = client.right * (cell % 3 + 1) / 3 - left;
  *height = client.bottom * (cell / 3 + 1) / 3 - top;
  return S_OK;
}

HRESULT BoardAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  const int cell = CellOf(start);
  VariantInit(end);
  if (cell == -2) return E_INVALIDARG;
  int to = -1;
  if (cell < 0 && direction == NAVDIR_FIRSTCHILD) to = 0;
  if (cell < 0 && direction == NAVDIR_LASTCHILD) to = 8;
  if (cell >= 0 && direction == NAVDIR_NEXT && cell < 8) to = cell + 1;
  if (cell >= 0 && direction == NAVDIR_PREVIOUS && cell > 0) to = cell - 1;
  if (to < 0) return S_FALSE;
  SetChild(end, to + 1);
  return S_OK;
}

HRESULT BoardAccessible::accHitTest(long x, long y, VARIANT* child) {
  VariantInit(child);
  if (board_ == nullptr) return CO_E_OBJNOTCONNECTED;
  POINT at{x, y};
  ScreenToClient(board_, &at);
  RECT client;
  GetClientRect(board_, &client);
  if (!PtInRect(&client, at)) return S_FALSE;
  // The cell a release at that point plays, in the board's own pixels; the board itself between cells' reach.
  const int cell = CellAtPixel(static_cast<float>(at.x * double{kBoardSize} / client.right),
                               static_cast<float>(at.y * double{kBoardSize} / client.bottom));
  SetChild(child, cell + 1);
  return S_OK;
}

HRESULT BoardAccessible::accDoDefaultAction(VARIANT child) {
  const int cell = CellOf(child);
  if (cell < 0 || cell == 9) return cell == -2 ? E_INVALIDARG : DISP_E_MEMBERNOTFOUND;
  // Posted, so the client has its answer at once and the press runs from the message loop as a release does.
  return PostMessageW(board_, kPressCellMessage, static_cast<WPARAM>(cell), 0) ? S_OK : E_FAIL;
}

}  // namespace zandor
