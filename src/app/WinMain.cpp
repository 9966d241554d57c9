#include <windows.h>

#include "Main.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return BasRuxa::Main(instance); }
