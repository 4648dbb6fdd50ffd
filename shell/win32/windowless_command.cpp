#include "shell/win32/windowless_command.h"

#include "apply/apply_command.h"
#include "shell/win32/code_page_codec.h"
#include "shell/win32/win32_batch_runner.h"
#include "shell/win32/win32_dialogs.h"
#include "shell/win32/win32_file_system.h"
#include "shell/win32/win32_network_adapters.h"
#include "shell/win32/win32_platform.h"
#include "shell/win32/win32_proxy_settings.h"
#include "shell/win32/win32_registry.h"

namespace veltrano::win32 {

int runWindowlessCommand(HINSTANCE instance, const CommandLine& command) {
  Win32Platform platform;
  Win32BatchRunner batch(nullptr, oemCodePage().codePage());
  Win32NetworkAdapters adapters;
  Win32Dialogs dialogs(instance, nullptr);
  Win32FileSystem files;
  Win32Registry registry;
  Win32ProxySettings proxy;
  ApplyCommand apply(Services{dialogs, platform, files, registry, proxy, batch, adapters,
                              ansiCodePage(), oemCodePage()});
  int exitCode = kExitNotApplied;
  bool ended = false;
  apply.run(command, [&](int code) { exitCode = code, ended = true; });
  // Thread timers and message boxes need no window of ours. The outcome may be known while the
  // box that tells it is still open: the loop ends once that box has returned.
  MSG message{};
  while (!ended && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return exitCode;
}

}  // namespace veltrano::win32
