// An in-memory dialog template (DLGTEMPLATE and its items) for DialogBoxIndirectParamW,
// so the input box needs no resource script.
#pragma once

#include <windows.h>

#include <vector>

namespace veltrano::win32 {

// Predefined control classes of a dialog item, by their atoms.
enum class DialogItemClass : WORD {
  Button = 0x0080,
  Edit = 0x0081,
  Static = 0x0082,
  ComboBox = 0x0085
};

struct DialogUnits {
  short x;
  short y;
  short width;
  short height;
};

class DialogTemplate {
 public:
  // Style gets DS_SETFONT added; the caption is set when the dialog opens.
  DialogTemplate(DWORD style, DialogUnits frame, const wchar_t* fontFace, WORD pointSize);

  void addItem(DialogItemClass itemClass, WORD id, DWORD style, DialogUnits place);

  const DLGTEMPLATE* get() const;

 private:
  void addWord(WORD word);
  void addDword(DWORD dword);
  void addString(const wchar_t* text);
  void addUnits(DialogUnits units);
  void alignToDword();

  // Words, not bytes: the template is a sequence of WORDs with DWORD-aligned items, and a
  // vector<WORD> keeps it WORD-aligned where a vector<char> would not.
  std::vector<WORD> words_;
};

}  // namespace veltrano::win32
