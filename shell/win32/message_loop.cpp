#include "shell/win32/message_loop.h"

namespace veltrano::win32 {

int runMessageLoop(HWND mainWindow, const ToolTips& tips) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    tips.relay(message);
    if (IsWindow(mainWindow) && IsDialogMessageW(mainWindow, &message)) {
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace veltrano::win32
