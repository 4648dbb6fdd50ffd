#include "ui.h"

#include "control_names.h"
#include "expect.h"
#include "text.h"
#include "veltrano_process.h"
#include "wait.h"

namespace e2e {

namespace {

// Long enough for any handler, short enough that a stuck program cannot hold the driver.
constexpr UINT kSendTimeoutMs = 60000;

LRESULT sendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result)) {
    fail("the program did not answer message " + std::to_string(message));
  }
  return static_cast<LRESULT>(result);
}

void requireAlive(const VeltranoProcess& process, const std::string& during) {
  if (!process.running()) {
    fail("veltrano.exe ended " + during + " (exit code " + std::to_string(process.exitCode()) +
         ")");
  }
}

}  // namespace

void Click::finish() const {
  const bool handled = pollFor(
      [&] {
        if (handled_->load()) {
          return true;
        }
        requireAlive(process_, "while " + button_ + " was being handled");
        if (const std::string box = describeOpenBox(process_); !box.empty()) {
          fail("pressing " + button_ + " opened " + box);
        }
        return false;
      },
      kHandlerTimeout);
  if (!handled) {
    fail("pressing " + button_ + " was not handled within the time limit");
  }
}

std::optional<MessageBoxView> Click::finishUnlessMessageBox() const {
  std::optional<MessageBoxView> box;
  const bool ended = pollFor(
      [&] {
        if (handled_->load()) {
          return true;
        }
        requireAlive(process_, "while " + button_ + " was being handled");
        box = findMessageBox(process_);
        return box.has_value();
      },
      kHandlerTimeout);
  if (!ended) {
    fail("pressing " + button_ + " was not handled within the time limit");
  }
  return box;
}

Ui::Ui(const VeltranoProcess& process, HWND window) : process_(process), window_(window) {}

Ui::~Ui() {
  for (std::thread& press : presses_) {
    press.join();
  }
}

std::string Ui::caption() const {
  return textOf(window_);
}

HWND Ui::control(int id) const {
  const HWND found = GetDlgItem(window_, id);
  if (found == nullptr) {
    fail("the main window has no control " + controlName(id));
  }
  return found;
}

std::string Ui::text(int id) const {
  return textOf(control(id));
}

bool Ui::enabled(int id) const {
  return IsWindowEnabled(control(id)) != FALSE;
}

bool Ui::visible(int id) const {
  return IsWindowVisible(control(id)) != FALSE;
}

std::vector<std::string> Ui::entries(int list) const {
  const HWND combo = control(list);
  const auto count = sendTo(combo, CB_GETCOUNT, 0, 0);
  std::vector<std::string> texts;
  for (LRESULT i = 0; i < count; ++i) {
    const auto index = static_cast<WPARAM>(i);
    const auto length = sendTo(combo, CB_GETLBTEXTLEN, index, 0);
    std::wstring entry(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
    const auto copied = sendTo(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    texts.push_back(narrow(entry));
  }
  return texts;
}

int Ui::selection(int list) const {
  return static_cast<int>(sendTo(control(list), CB_GETCURSEL, 0, 0));
}

void Ui::requireUsable(int id, const std::string& action) const {
  requireAlive(process_, "before the driver could " + action + " " + controlName(id));
  if (!visible(id) || !enabled(id)) {
    fail("cannot " + action + " " + controlName(id) + ": it is " +
         (visible(id) ? "disabled" : "hidden"));
  }
}

void Ui::type(int field, const std::string& text) const {
  requireUsable(field, "type into");
  const std::wstring wide = widen(text);
  sendTo(control(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Ui::pick(int list, int index) const {
  requireUsable(list, "pick an entry of");
  const HWND combo = control(list);
  sendTo(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  // The list tells its parent, as it does after a user's pick.
  sendTo(window_, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(list), CBN_SELCHANGE),
         reinterpret_cast<LPARAM>(combo));
}

Click Ui::click(int button) {
  requireUsable(button, "press");
  auto handled = std::make_shared<std::atomic<bool>>(false);
  const HWND target = control(button);
  std::string name = controlName(button) + " (" + shown(text(button)) + ")";
  // Sent from a thread of its own: the send returns only once the handler has, which may
  // be after the user has answered a modal box.
  presses_.emplace_back([target, handled] {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(target, BM_CLICK, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &ignored);
    handled->store(true);
  });
  return Click(process_, std::move(name), std::move(handled));
}

void Ui::press(int button) {
  click(button).finish();
}

MessageBoxView Ui::waitForMessageBox() const {
  return e2e::waitForMessageBox(process_);
}

InputBoxView Ui::waitForInputBox() const {
  return e2e::waitForInputBox(process_);
}

}  // namespace e2e
