// Kovaro_R: the preview form, shown inside the window that Windows hands over
// with /p HANDLE (the display settings' little monitor).
//
//   PreviewStartup(): reads the parent handle from the argument text, makes the
//   form a child of that window with the window's size, and shows it with the
//   stored picture at its top-left corner. It returns at once; the form stays
//   loaded (and the message loop running) until its window is closed or is
//   destroyed together with its parent. When the handle names no window, no
//   form is loaded, so the program ends as soon as the start-up returns.
#pragma once

namespace Kovaro_R {

void PreviewStartup();

}  // namespace Kovaro_R
