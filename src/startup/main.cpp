#include "startup/main.h"

#include "forms/app.h"
#include "forms/text.h"
#include "preview/kovaro_r.h"
#include "saver_run/kovaro_s.h"
#include "startup/kovaro_b.h"
#include "startup/settings.h"
#include "startup/user32_seam.h"

namespace Kovaro_B {

std::string ModeLetter(std::string_view argumentText) {
  return forms::MidChars(forms::UCase(argumentText), 2, 1);
}

std::string VisualProgramPath() { return forms::AppPath() + "\\Kovaro.dll"; }

void Main() {
  // A running saver or an open settings dialog: both look-ups are always made.
  const HWND run = user32.FindWindowA(nullptr, kRunMarker);
  const HWND dialog = user32.FindWindowA(nullptr, kDialogMarker);
  if (run || dialog) forms::End();

  const std::string argumentText = forms::Command();
  const std::string letter = ModeLetter(argumentText);

  if (letter == "P") {
    Kovaro_R::PreviewStartup();
    return;
  }

  LoadSettings();

  if (!FileExists(VisualProgramPath())) {
    forms::MsgBox(kVisualMissing, MB_OK);
    forms::End();
  }

  if (letter == "C") {
    // The settings dialog's entry point: the dialog is not built yet; the
    // program ends here, as it does when the dialog closes.
    forms::End();
  }

  if (!argumentText.empty() && letter != "S") forms::End();

  if (letter == "S") CursorCount = user32.ShowCursor(FALSE);

  static Kovaro_S runForm;
  runForm.Load();
}

}  // namespace Kovaro_B
