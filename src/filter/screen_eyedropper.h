// The eyedropper's Win32 part: the capture, the cross cursor, the timer that
// follows the cursor and the screen pixel under it. The session itself (what
// may start, keep or put back) is editor/eyedropper's.
#pragma once

#include <windows.h>

#include <cstdint>

// From the menu item or the key I; false where no colour stop is selected.
bool StartEyedropper(HWND window);

// While picking, the filter window's messages that belong to it: each
// returns true for a message it took (the result for the host in *result).
bool EyedropperMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int32_t* result);

// Ends a pick putting the colour back (a change of ID, the filter's exit).
void CancelEyedropper(HWND window);
// The picked entry was replaced elsewhere: the pick ends touching nothing.
void AbandonEyedropper(HWND window, int32_t firstId, int32_t count);
