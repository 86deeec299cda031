// Forms: top-level windows with a caption and a style, loaded without being
// shown, then shown, shown modally and unloaded.
//
// Life of a form:
//   Load()      creates the window hidden, arms its enabled timers, raises OnLoad.
//   Show()      loads it if needed and makes it visible.
//   ShowModal() shows it, disables the other forms, and returns once it has
//               unloaded.
//   Unload(m)   raises OnQueryUnload(cancel, m) and then OnUnload(cancel); unless
//               either cancels, the timers stop and the window is destroyed.
// Closing the window (WM_CLOSE) and Windows ending the session
// (WM_QUERYENDSESSION) unload the form through the same two handlers. A window
// destroyed from outside (with its parent, say) counts as unloaded too: OnUnload
// is raised and cannot cancel.
//
// RunMessageLoop() delivers messages while any form is loaded.
#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace forms {

class Timer;

// Why a form is being unloaded, as its OnQueryUnload is told.
enum class UnloadMode {
  kControlMenu = 0,  // the user closed the window
  kCode = 1,         // the program called Unload
  kAppWindows = 2,   // Windows is ending the session
};

struct FormSettings {
  std::string caption;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  bool showInTaskbar = true;
  // Outer bounds in pixels; CW_USEDEFAULT leaves them to Windows.
  int left = CW_USEDEFAULT, top = CW_USEDEFAULT;
  int width = CW_USEDEFAULT, height = CW_USEDEFAULT;
  COLORREF backColor = RGB(192, 192, 192);
};

class Form {
 public:
  explicit Form(FormSettings settings);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  void Load();
  void Show();
  void ShowModal();
  bool Unload(UnloadMode mode = UnloadMode::kCode);  // false when cancelled

  bool IsLoaded() const { return hwnd_ != nullptr; }
  HWND hWnd() const { return hwnd_; }

 protected:
  virtual void OnLoad() {}
  virtual void OnQueryUnload(bool& /*cancel*/, UnloadMode /*mode*/) {}
  virtual void OnUnload(bool& /*cancel*/) {}
  // Messages the form itself does not handle; return true when handled.
  virtual bool OnMessage(UINT /*msg*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

 private:
  friend class Timer;
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void Forget();  // the window is gone: stop timers, leave the loaded forms

  FormSettings settings_;
  HWND hwnd_ = nullptr;
  HBRUSH backBrush_ = nullptr;
  bool unloading_ = false;
  std::vector<Timer*> timers_;
};

// How many forms are loaded right now.
int LoadedFormCount();
// Delivers messages until no form is loaded.
void RunMessageLoop();

}  // namespace forms
