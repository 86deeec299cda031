// The entry point hands control to the forms runtime, which calls Main first.
#include <windows.h>

#include "forms/app.h"
#include "startup/main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return forms::Run(Kovaro_B::Main); }
