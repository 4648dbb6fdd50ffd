#include "shell/win32/dialog_template.h"

namespace veltrano::win32 {

namespace {
constexpr std::size_t kItemCountWord = 4;  // after the style and extended-style DWORDs
}

DialogTemplate::DialogTemplate(DWORD style, DialogUnits frame, const wchar_t* fontFace,
                               WORD pointSize) {
  addDword(style | DS_SETFONT);
  addDword(0);  // extended style
  addWord(0);   // item count, raised by addItem
  addUnits(frame);
  addWord(0);  // no menu
  addWord(0);  // the predefined dialog class
  addWord(0);  // empty caption
  addWord(pointSize);
  addString(fontFace);
}

void DialogTemplate::addItem(DialogItemClass itemClass, WORD id, DWORD style, DialogUnits place) {
  alignToDword();
  addDword(style | WS_CHILD | WS_VISIBLE);
  addDword(0);  // extended style
  addUnits(place);
  addWord(id);
  addWord(0xFFFF);  // a predefined class follows as an atom
  addWord(static_cast<WORD>(itemClass));
  addWord(0);  // empty text, set when the dialog opens
  addWord(0);  // no creation data
  ++words_[kItemCountWord];
}

const DLGTEMPLATE* DialogTemplate::get() const {
  return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
}

void DialogTemplate::addWord(WORD word) {
  words_.push_back(word);
}

void DialogTemplate::addDword(DWORD dword) {
  addWord(LOWORD(dword));
  addWord(HIWORD(dword));
}

void DialogTemplate::addString(const wchar_t* text) {
  for (const wchar_t* character = text; *character != L'\0'; ++character) {
    addWord(static_cast<WORD>(*character));
  }
  addWord(0);
}

void DialogTemplate::addUnits(DialogUnits units) {
  addWord(static_cast<WORD>(units.x));
  addWord(static_cast<WORD>(units.y));
  addWord(static_cast<WORD>(units.width));
  addWord(static_cast<WORD>(units.height));
}

void DialogTemplate::alignToDword() {
  if (words_.size() % 2 != 0) {
    addWord(0);
  }
}

}  // namespace veltrano::win32
