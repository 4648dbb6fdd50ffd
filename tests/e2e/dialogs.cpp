#include "dialogs.h"

#include "expect.h"
#include "shell/win32/control_ids.h"
#include "text.h"
#include "veltrano_process.h"
#include "wait.h"

namespace e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;

bool isDialog(HWND window) {
  return IsWindowVisible(window) && classOf(window) == "#32770";
}

bool isInputBox(HWND window) {
  return isDialog(window) && GetDlgItem(window, veltrano::ids::inputBoxEdit) != nullptr;
}

bool isMessageBox(HWND window) {
  return isDialog(window) && !isInputBox(window) && GetDlgItem(window, kMessageTextId) != nullptr;
}

void press(HWND box, int id, const std::string& what) {
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
  if (!pollFor([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kDialogTimeout)) {
    fail(what + " did not close after pressing button " + std::to_string(id));
  }
}

BOOL CALLBACK collectStaticText(HWND child, LPARAM context) {
  if (classOf(child) == "Static") {
    reinterpret_cast<std::vector<std::string>*>(context)->push_back(textOf(child));
  }
  return TRUE;
}

}  // namespace

std::string MessageBoxView::title() const {
  return textOf(box_);
}

std::string MessageBoxView::text() const {
  return textOf(GetDlgItem(box_, kMessageTextId));
}

bool MessageBoxView::hasButton(int id) const {
  const HWND button = GetDlgItem(box_, id);
  return button != nullptr && IsWindowVisible(button);
}

void MessageBoxView::answer(int id) const {
  if (!hasButton(id)) {
    fail("the message box " + shown(text()) + " has no button " + std::to_string(id));
  }
  press(box_, id, "the message box " + shown(text()));
}

std::string InputBoxView::title() const {
  return textOf(box_);
}

std::vector<std::string> InputBoxView::labels() const {
  std::vector<std::string> texts;
  EnumChildWindows(box_, collectStaticText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

std::string InputBoxView::text() const {
  return textOf(GetDlgItem(box_, veltrano::ids::inputBoxEdit));
}

void InputBoxView::type(const std::string& text) const {
  const std::wstring wide = widen(text);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(GetDlgItem(box_, veltrano::ids::inputBoxEdit), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(wide.c_str()), SMTO_ABORTIFHUNG, 5000, &ignored);
}

void InputBoxView::answer(int id) const {
  press(box_, id, "the input box");
}

std::optional<MessageBoxView> findMessageBox(const VeltranoProcess& process) {
  for (HWND window : process.windows()) {
    if (isMessageBox(window)) {
      return MessageBoxView(window);
    }
  }
  return std::nullopt;
}

std::optional<InputBoxView> findInputBox(const VeltranoProcess& process) {
  for (HWND window : process.windows()) {
    if (isInputBox(window)) {
      return InputBoxView(window);
    }
  }
  return std::nullopt;
}

std::string describeOpenBox(const VeltranoProcess& process) {
  if (const auto box = findMessageBox(process)) {
    return "a message box titled " + shown(box->title()) + " saying " + shown(box->text());
  }
  if (const auto box = findInputBox(process)) {
    std::string prompt;
    for (const std::string& label : box->labels()) {
      prompt += (prompt.empty() ? "" : " / ") + label;
    }
    return "an input box titled " + shown(box->title()) + " asking " + shown(prompt);
  }
  return {};
}

MessageBoxView waitForMessageBox(const VeltranoProcess& process) {
  const auto box = pollFor(
      [&] {
        if (!process.running()) {
          fail("veltrano.exe ended while a message box was awaited");
        }
        return findMessageBox(process);
      },
      kDialogTimeout);
  if (!box) {
    const std::string other = describeOpenBox(process);
    fail("no message box appeared" + (other.empty() ? "" : "; instead " + other));
  }
  return *box;
}

InputBoxView waitForInputBox(const VeltranoProcess& process) {
  const auto box = pollFor(
      [&] {
        if (!process.running()) {
          fail("veltrano.exe ended while an input box was awaited");
        }
        return findInputBox(process);
      },
      kDialogTimeout);
  if (!box) {
    const std::string other = describeOpenBox(process);
    fail("no input box appeared" + (other.empty() ? "" : "; instead " + other));
  }
  return *box;
}

HWND findHelpWindow(const VeltranoProcess& process) {
  for (HWND window : process.windows()) {
    if (IsWindowVisible(window) && classOf(window) == "HH Parent") {
      return window;
    }
  }
  return nullptr;
}

}  // namespace e2e
