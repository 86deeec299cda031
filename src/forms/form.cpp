#include "forms/form.h"

#include <algorithm>

#include "forms/app.h"
#include "forms/timer.h"

namespace forms {
namespace {

constexpr char kFormClass[] = "KovaroForm";

std::vector<Form*>& LoadedForms() {
  static std::vector<Form*> forms;
  return forms;
}

void RegisterFormClass(WNDPROC proc) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = AppInstance();
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = kFormClass;
  registered = RegisterClassExA(&wc) != 0;
}

// GetMessage does not return for sent messages, so a form unloaded inside one
// (a parent destroying its children) wakes the loop to look at the count again.
void WakeMessageLoop() { PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0); }

}  // namespace

Form::Form(FormSettings settings) : settings_(std::move(settings)) {}

Form::~Form() {
  if (hwnd_) {
    unloading_ = true;
    DestroyWindow(hwnd_);
  }
  if (backBrush_) DeleteObject(backBrush_);
}

void Form::Load() {
  if (hwnd_) return;
  RegisterFormClass(&Form::WndProc);
  DWORD exStyle = settings_.exStyle;
  if (!settings_.showInTaskbar) exStyle = (exStyle | WS_EX_TOOLWINDOW) & ~static_cast<DWORD>(WS_EX_APPWINDOW);
  if (!backBrush_) backBrush_ = CreateSolidBrush(settings_.backColor);
  CreateWindowExA(exStyle, kFormClass, settings_.caption.c_str(), settings_.style & ~WS_VISIBLE,
                  settings_.left, settings_.top, settings_.width, settings_.height, nullptr, nullptr,
                  AppInstance(), this);
  if (!hwnd_) return;
  LoadedForms().push_back(this);
  for (Timer* timer : timers_) timer->Arm();
  OnLoad();
}

void Form::Show() {
  Load();
  if (hwnd_) ShowWindow(hwnd_, SW_SHOWNORMAL);
}

void Form::ShowModal() {
  Load();
  if (!hwnd_) return;
  std::vector<HWND> disabled;
  for (Form* other : LoadedForms()) {
    if (other != this && IsWindowEnabled(other->hwnd_)) {
      EnableWindow(other->hwnd_, FALSE);
      disabled.push_back(other->hwnd_);
    }
  }
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  MSG msg;
  while (hwnd_) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the outer loop
      break;
    }
    if (got < 0) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
}

bool Form::Unload(UnloadMode mode) {
  if (!hwnd_ || unloading_) return hwnd_ == nullptr;
  bool cancel = false;
  OnQueryUnload(cancel, mode);
  if (cancel || !hwnd_) return !hwnd_;
  OnUnload(cancel);
  if (cancel || !hwnd_) return !hwnd_;
  unloading_ = true;
  DestroyWindow(hwnd_);  // WM_NCDESTROY forgets the form
  unloading_ = false;
  return true;
}

void Form::Forget() {
  for (Timer* timer : timers_) timer->Disarm();
  auto& loaded = LoadedForms();
  loaded.erase(std::remove(loaded.begin(), loaded.end(), this), loaded.end());
  hwnd_ = nullptr;
  WakeMessageLoop();
}

LRESULT CALLBACK Form::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  if (!form) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return form->HandleMessage(msg, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = hwnd_;
  switch (msg) {
    case WM_TIMER:
      for (Timer* timer : timers_) {
        if (reinterpret_cast<UINT_PTR>(timer) == wParam) {
          timer->Tick();
          return 0;
        }
      }
      break;
    case WM_CLOSE:
      Unload(UnloadMode::kControlMenu);
      return 0;
    case WM_QUERYENDSESSION:
      return Unload(UnloadMode::kAppWindows) ? TRUE : FALSE;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, backBrush_);
      return 1;
    }
    case WM_NCDESTROY: {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      if (!unloading_) {
        // Destroyed from outside: the form is unloaded, and cannot refuse.
        bool ignored = false;
        OnUnload(ignored);
      }
      Forget();
      return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    default:
      break;
  }
  LRESULT result = 0;
  if (OnMessage(msg, wParam, lParam, result)) return result;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int LoadedFormCount() { return static_cast<int>(LoadedForms().size()); }

void RunMessageLoop() {
  MSG msg;
  while (LoadedFormCount() > 0) {
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace forms
