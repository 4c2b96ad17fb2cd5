// Exits with 1 while the screen saver is active: its state as a program started now reads it.
#include <windows.h>

int main()
{
    BOOL active = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active;
}
