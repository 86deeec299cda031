#include "preview/kovaro_r.h"

#include <cstdint>

#include "forms/app.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/persistent_drawing.h"
#include "preview/parent_handle.h"
#include "preview/preview_resource.h"

namespace Kovaro_R {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

class PreviewForm : public forms::Form {
 public:
  PreviewForm()
      : Form({.caption = "Preview Window", .style = WS_POPUP, .showInTaskbar = false,
              .left = 0, .top = 0, .width = 152, .height = 112, .backColor = kBlack}) {}

  forms::Image Img_Prev{forms::Picture::FromResource(forms::AppInstance(), KOVARO_PREVIEW_PICTURE)};

 protected:
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) override {
    switch (msg) {
      case WM_SIZE:
        drawing_.Fit(hWnd());
        return false;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(hWnd(), &paint)) {
          PaintContent(dc);
          EndPaint(hWnd(), &paint);
        }
        result = 0;
        return true;
      }
      case WM_PRINTCLIENT:
        PaintContent(reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
      default:
        return false;
    }
  }

 private:
  void PaintContent(HDC dc) {
    drawing_.Paint(dc);
    Img_Prev.Draw(dc);
  }

  forms::PersistentDrawing drawing_{kBlack};
};

PreviewForm& Kovaro_R() {
  static PreviewForm form;
  return form;
}

// Window handles are 32-bit values that 64-bit Windows sign-extends.
HWND WindowFromHandleValue(std::int32_t value) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(value));
}

}  // namespace

void PreviewStartup() {
  // 1. The window the preview is to fill.
  const HWND parent = WindowFromHandleValue(ParentHandle(forms::Command()));
  // With no such window there is nothing to show in and nobody to close the
  // form: it would live on unseen for good, so the preview ends here instead.
  if (!IsWindow(parent)) return;

  // 2. Its size; its position does not matter.
  RECT parentRect{};
  GetWindowRect(parent, &parentRect);
  // 3. Kept in pixels: a 16-bit twips value would leave an area over 2184
  // pixels wide or tall without any size, and hosts do show previews that big.
  const int width = parentRect.right - parentRect.left;
  const int height = parentRect.bottom - parentRect.top;

  // 4. The form's window, hidden.
  PreviewForm& form = Kovaro_R();
  form.Load();
  const HWND window = form.hWnd();

  // 5. A child window; no other style bit changes.
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  SetWindowLongA(window, GWL_STYLE, style | WS_CHILD);

  // 6. Inside the parent.
  SetParent(window, parent);

  // 7. Over the parent's client area, with the parent's size.
  MoveWindow(window, 0, 0, width, height, TRUE);

  // 8. The image element as large as the form.
  RECT formRect{};
  GetWindowRect(window, &formRect);
  form.Img_Prev.Move(0, 0, formRect.right - formRect.left, formRect.bottom - formRect.top);

  // 9. Shown, not modally.
  form.Show();
}

}  // namespace Kovaro_R
