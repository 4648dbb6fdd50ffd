// An entry of the input box's drop-down list, drawn as its text with a detail after it; only
// the text is the entry's string, so picking it puts the text alone in the field.
#pragma once

#include <windows.h>

#include <string>

namespace veltrano::win32 {

// The height of an entry and of the selection field, from the dialog's font.
void measureChoiceItem(HWND dialog, MEASUREITEMSTRUCT& item);

void drawChoiceItem(const DRAWITEMSTRUCT& item, const std::wstring& detail);

}  // namespace veltrano::win32
