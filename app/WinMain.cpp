#include <windows.h>

// The resident run, one-shot switches and path runs join here with the engine (issue #6).
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
