// The property panel below the canvas: a "colour" row and a "transparency"
// row, each a PropertyGroup around an entry of the editor's own.
#pragma once

#include <windows.h>

void CreatePropertyPanel(HINSTANCE instance, HWND window, HFONT font);
void DestroyPropertyPanel();

// Enables or disables each row's four controls; rows that were never created
// are skipped.
void EnablePropertyGroups(bool colorRow, bool opacityRow);
