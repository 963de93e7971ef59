#include "ui/win32/win32_peers.h"

#include <commctrl.h>

#include "platform/win32/wide.h"
#include "ui/form.h"
#include "ui/win32/win32_backend.h"

namespace qv::ui {
namespace {

constexpr wchar_t kPeerProperty[] = L"QuorvelPeer";
constexpr wchar_t kFormClass[] = L"QuorvelForm";

HWND ParentWindow(const Control& control) {
  return control.Parent() ? static_cast<Win32Peer*>(control.Parent()->Peer())->Hwnd() : nullptr;
}

class ChildPeer : public Win32Peer {
 public:
  ChildPeer(Win32Backend& backend, Control& control) : Win32Peer(backend, control) {
    const Bounds& b = control.GetBounds();
    const auto [className, style, exStyle] = WindowKind(control.Kind());
    static int nextId = 100;
    Attach(CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                           backend.Scale(b.left), backend.Scale(b.top), backend.Scale(b.width),
                           backend.Scale(b.height), ParentWindow(control), reinterpret_cast<HMENU>(INT_PTR{nextId++}),
                           backend.Instance(), nullptr));
    switch (control.Kind()) {
      case ControlKind::GroupBox:
        SetWindowSubclass(Hwnd(), GroupBoxProc, 0, reinterpret_cast<DWORD_PTR>(&backend));
        break;
      case ControlKind::Memo:
        SendMessageW(Hwnd(), EM_SETLIMITTEXT, 0, 0);  // no limit, so the log never drops text
        break;
      default:
        break;
    }
  }
  ~ChildPeer() override {
    if (control_.Kind() == ControlKind::GroupBox) RemoveWindowSubclass(Hwnd(), GroupBoxProc, 0);
  }

  void SetBounds(const Bounds& b) override {
    MoveWindow(Hwnd(), backend_.Scale(b.left), backend_.Scale(b.top), backend_.Scale(b.width),
               backend_.Scale(b.height), TRUE);
  }

  void SetText(const std::string& text) override {
    Win32Peer::SetText(text);
    if (control_.Kind() == ControlKind::Memo) {
      SendMessageW(Hwnd(), EM_SETSEL, 0, 0);
      SendMessageW(Hwnd(), EM_SCROLLCARET, 0, 0);
    }
    if (control_.Kind() == ControlKind::Label) FitWidthToText();
  }
  void SetFont(const FontStyle& font) override {
    Win32Peer::SetFont(font);
    if (control_.Kind() == ControlKind::Label) FitWidthToText();
  }

  void SetIcon(const std::string& resource, int size) override {
    const int pixels = backend_.Scale(size);
    icon_.reset(static_cast<HICON>(
        LoadImageW(backend_.Instance(), Widen(resource).c_str(), IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR)));
    SendMessageW(Hwnd(), STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
  }

  bool Checked() const override { return SendMessageW(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool checked) override {
    SendMessageW(Hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

  int Count() const override { return static_cast<int>(SendMessageW(Hwnd(), LB_GETCOUNT, 0, 0)); }
  std::string Item(int index) const override {
    const LRESULT length = SendMessageW(Hwnd(), LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(Hwnd(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
    return Narrow(text);
  }
  void AddItem(const std::string& item) override {
    SendMessageW(Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
  }
  void DeleteItem(int index) override { SendMessageW(Hwnd(), LB_DELETESTRING, index, 0); }
  void ClearItems() override { SendMessageW(Hwnd(), LB_RESETCONTENT, 0, 0); }
  int ItemIndex() const override { return static_cast<int>(SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0)); }
  void SetItemIndex(int index) override { SendMessageW(Hwnd(), LB_SETCURSEL, index, 0); }

  void SetRange(int min, int max) override { SendMessageW(Hwnd(), PBM_SETRANGE32, min, max); }
  void SetPosition(int position) override { SendMessageW(Hwnd(), PBM_SETPOS, position, 0); }

  void OnCommand(int code) override {
    switch (control_.Kind()) {
      case ControlKind::Button:
      case ControlKind::CheckBox:
        if (code == BN_CLICKED) control_.UserClicked();
        break;
      case ControlKind::Label:
        if (code == STN_CLICKED) control_.UserClicked();
        break;
      case ControlKind::ListBox: {
        auto& list = static_cast<ListBox&>(control_);
        if (code == LBN_SELCHANGE) list.UserSelected(ItemIndex());
        if (code == LBN_DBLCLK) list.UserDoubleClicked();
        break;
      }
      default:
        break;
    }
  }

 private:
  // Labels size themselves to their text, as the layout's label widths were measured.
  void FitWidthToText() {
    const std::wstring text = Widen(Text());
    HDC dc = GetDC(Hwnd());
    HGDIOBJ old = SelectObject(dc, backend_.FontFor(control_.Font()));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(Hwnd(), dc);
    const Bounds& b = control_.GetBounds();
    SetWindowPos(Hwnd(), nullptr, 0, 0, text.empty() ? backend_.Scale(b.width) : extent.cx, backend_.Scale(b.height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  UniqueIcon icon_{nullptr, DestroyIcon};

  struct Kind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
  };

  static Kind WindowKind(ControlKind kind) {
    switch (kind) {
      case ControlKind::GroupBox:
        return {L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
      case ControlKind::Label:
        return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, 0};
      case ControlKind::Edit:
        return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
      case ControlKind::Memo:
        return {L"EDIT", ES_MULTILINE | ES_READONLY | WS_TABSTOP, WS_EX_CLIENTEDGE};
      case ControlKind::CheckBox:
        // Not an auto box: the toolkit changes the state, so that its handler runs once.
        return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0};
      case ControlKind::Button:
        return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
      case ControlKind::ListBox:
        return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
      case ControlKind::ProgressBar:
        return {PROGRESS_CLASSW, 0, 0};
      case ControlKind::Image:
        return {L"STATIC", SS_ICON | SS_REALSIZEIMAGE, 0};
      case ControlKind::Form:
        break;
    }
    return {L"STATIC", 0, 0};
  }

  // A group box that parents controls receives their notifications; pass them on.
  // It also paints its own background, which the form leaves to it.
  static LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR backend) noexcept {
    LRESULT result = 0;
    if (RouteToChild(message, wParam, lParam, result)) return result;
    if (message == WM_ERASEBKGND) {
      RECT client;
      GetClientRect(hwnd, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client,
               reinterpret_cast<Win32Backend*>(backend)->BrushFor(Colour::ButtonFace));
      return 1;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
};

class FormPeer : public Win32Peer {
 public:
  FormPeer(Win32Backend& backend, Form& form) : Win32Peer(backend, form), form_(form) {
    RegisterClassOnce(backend.Instance());
    HWND owner = form.Owner() ? static_cast<Win32Peer*>(form.Owner()->Peer())->Hwnd() : nullptr;
    Attach(CreateWindowExW(ExStyle(), kFormClass, L"", Style(), CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, owner,
                           nullptr, backend.Instance(), static_cast<Win32Peer*>(this)));
    SetBounds(form.GetBounds());
    if (const auto& at = form.Shape().position) {
      SetWindowPos(Hwnd(), nullptr, at->first, at->second, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

  // Sizes are of the client area unless the form's shape says otherwise.
  void SetBounds(const Bounds& b) override {
    RECT r{0, 0, backend_.Scale(b.width), backend_.Scale(b.height)};
    if (!form_.Shape().outerSize) AdjustWindowRectEx(&r, Style(), FALSE, ExStyle());
    SetWindowPos(Hwnd(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void Show() override {
    if (form_.CentredOnFirstShow()) Centre();
    ShowWindow(Hwnd(), SW_SHOW);
    UpdateWindow(Hwnd());
  }
  void Hide() override { ShowWindow(Hwnd(), SW_HIDE); }
  void BringToFront() override {
    ShowWindow(Hwnd(), SW_SHOW);
    SetForegroundWindow(Hwnd());
    BringWindowToTop(Hwnd());
  }
  void SetAlpha(int alpha) override {
    SetWindowLongPtrW(Hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(Hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Hwnd(), 0, static_cast<BYTE>(alpha), LWA_ALPHA);
  }

 private:
  DWORD Style() const {
    const DWORD minMax = form_.Owner() ? 0 : WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    const DWORD sizing = form_.Shape().frame == FrameStyle::Sizeable ? WS_THICKFRAME : 0;
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | minMax | sizing;
  }
  DWORD ExStyle() const { return WS_EX_CONTROLPARENT | (form_.Owner() ? WS_EX_DLGMODALFRAME : 0); }

  void Centre() {
    RECT window{}, work{};
    GetWindowRect(Hwnd(), &window);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int w = window.right - window.left, h = window.bottom - window.top;
    SetWindowPos(Hwnd(), nullptr, work.left + (work.right - work.left - w) / 2, work.top + (work.bottom - work.top - h) / 2,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  static void RegisterClassOnce(HINSTANCE instance) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
    registered = true;
  }

  static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      SetPropW(hwnd, kPeerProperty, create->lpCreateParams);
    }
    auto* peer = static_cast<FormPeer*>(FromWindow(hwnd));
    if (!peer) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (RouteToChild(message, wParam, lParam, result)) return result;
    try {
      return peer->Handle(hwnd, message, wParam, lParam);
    } catch (...) {
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
  }

  // Also called while the window is being made, before Hwnd() is known.
  LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_CLOSE:
        form_.UserClose();
        return 0;
      case WM_QUERYENDSESSION:
        return form_.QueryEndSession(static_cast<unsigned>(lParam)) ? TRUE : FALSE;
      case WM_ENDSESSION:
        form_.EndSession(wParam != FALSE, static_cast<unsigned>(lParam));
        return 0;
      case WM_SETTINGCHANGE:
        if (lParam) form_.SettingChanged(Narrow(reinterpret_cast<const wchar_t*>(lParam)));
        break;
      default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  Form& form_;
};

}  // namespace

Win32Peer::~Win32Peer() {
  if (Hwnd()) {
    RemovePropW(Hwnd(), kPeerProperty);
    RemovePropW(Hwnd(), kNameProperty);
  }
  if (nameAtom_) GlobalDeleteAtom(nameAtom_);
}

void Win32Peer::Attach(HWND hwnd) {
  window_ = UniqueWindow(hwnd);
  if (!hwnd) return;
  SetPropW(hwnd, kPeerProperty, this);
  nameAtom_ = GlobalAddAtomW(Widen(control_.Name()).c_str());
  SetPropW(hwnd, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nameAtom_)));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.FontFor(control_.Font())), FALSE);
}

Win32Peer* Win32Peer::FromWindow(HWND hwnd) { return static_cast<Win32Peer*>(GetPropW(hwnd, kPeerProperty)); }

std::string Win32Peer::Text() const {
  const int length = GetWindowTextLengthW(Hwnd());
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(Hwnd(), text.data(), length + 1)));
  return Narrow(text);
}

void Win32Peer::SetText(const std::string& text) { SetWindowTextW(Hwnd(), Widen(text).c_str()); }

void Win32Peer::SetEnabled(bool enabled) { EnableWindow(Hwnd(), enabled); }

void Win32Peer::SetVisible(bool visible) { ShowWindow(Hwnd(), visible ? SW_SHOW : SW_HIDE); }

void Win32Peer::SetColour(Colour colour) {
  colour_ = colour;
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

void Win32Peer::SetFont(const FontStyle& font) {
  SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(backend_.FontFor(font)), TRUE);
}

void Win32Peer::SetTextColour(Colour colour) {
  textColour_ = colour;
  InvalidateRect(Hwnd(), nullptr, TRUE);
}

void Win32Peer::PlaceAfter(ControlPeer* previous) {
  HWND after = previous ? static_cast<Win32Peer*>(previous)->Hwnd() : HWND_TOP;
  SetWindowPos(Hwnd(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HBRUSH Win32Peer::OnControlColour(HDC dc) const {
  SetTextColor(dc, Win32Backend::ColourRef(textColour_));
  SetBkColor(dc, Win32Backend::ColourRef(colour_));
  return backend_.BrushFor(colour_);
}

std::unique_ptr<ControlPeer> MakeWin32Peer(Win32Backend& backend, Control& control) {
  if (control.Kind() == ControlKind::Form) return std::make_unique<FormPeer>(backend, static_cast<Form&>(control));
  return std::make_unique<ChildPeer>(backend, control);
}

bool RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (Win32Peer* child = Win32Peer::FromWindow(reinterpret_cast<HWND>(lParam)); child && lParam) {
        child->OnCommand(HIWORD(wParam));
        result = 0;
        return true;
      }
      return false;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (Win32Peer* child = Win32Peer::FromWindow(reinterpret_cast<HWND>(lParam))) {
        result = reinterpret_cast<LRESULT>(child->OnControlColour(reinterpret_cast<HDC>(wParam)));
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace qv::ui
