#include "shell/win32/win32_dialogs.h"

#include "shell/win32/countdown_box.h"
#include "shell/win32/input_box.h"
#include "shell/win32/utf16.h"

namespace veltrano::win32 {

int Win32Dialogs::messageBox(const std::string& text, int style, const std::string& title) {
  return MessageBoxW(owner_, widen(text).c_str(), widen(title).c_str(), static_cast<UINT>(style));
}

std::string Win32Dialogs::inputBox(const std::string& prompt, const std::string& title,
                                   const std::string& initialText) {
  const std::wstring typed =
      runInputBox(instance_, owner_, {widen(prompt), widen(title), widen(initialText)});
  return narrow(typed);
}

std::string Win32Dialogs::inputBoxWithList(const std::string& prompt, const std::string& title,
                                           const std::string& initialText,
                                           const std::vector<ListChoice>& choices) {
  std::vector<InputBoxChoice> entries;
  entries.reserve(choices.size());
  for (const ListChoice& choice : choices) {
    entries.push_back({widen(choice.text), widen(choice.detail)});
  }
  const std::wstring typed = runInputBoxWithList(
      instance_, owner_, {widen(prompt), widen(title), widen(initialText)}, entries);
  return narrow(typed);
}

ConfirmAnswer Win32Dialogs::countdownBox(const std::string& text, int seconds,
                                         const std::string& keep, const std::string& revert,
                                         const std::string& title) {
  return runCountdownBox(instance_, owner_, {widen(text), widen(keep), widen(revert), widen(title)},
                         seconds);
}

}  // namespace veltrano::win32
