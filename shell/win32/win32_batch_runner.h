// lastconnection.bat on the disk, and the system's cmd.exe that runs it, elevated when needed.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <map>
#include <string>
#include <vector>

#include "apply/batch_runner.h"
#include "shell/win32/handles.h"
#include "shell/win32/system_function.h"

namespace veltrano::win32 {

// What ShellExecuteExW is handed to start cmd.exe; the texts outlive the call.
struct CmdStart {
  std::wstring program;     // the system folder's cmd.exe
  std::wstring parameters;  // see cmdArguments
  std::wstring folder;      // the system folder, so no netsh.* beside the batch is found first
  SHELLEXECUTEINFOW info{};
};

// Fills `start.info`: the administrator prompt (verb "runas", owned by `owner`) only when this
// process is not elevated already, a minimized window, and the process handle kept.
void prepareCmdStart(CmdStart& start, bool elevated, HWND owner);

// How a failed ShellExecuteExW ended: the user said no at the administrator prompt, or
// something else went wrong.
StartResult startFailure(DWORD error);

class Win32BatchRunner final : public BatchRunner {
 public:
  // The window that owns the administrator prompt (null for none), and the code page the
  // batch is written in, which cmd's console is switched to.
  Win32BatchRunner(HWND owner, UINT codePage) : owner_(owner), codePage_(codePage) {}
  // Waits for a batch still running, holding its file until then, whatever ends the program:
  // on Windows cmd reads the batch again for every line.
  ~Win32BatchRunner() override;
  Win32BatchRunner(const Win32BatchRunner&) = delete;
  Win32BatchRunner& operator=(const Win32BatchRunner&) = delete;

  WriteResult write(const std::string& path, std::string_view bytes) override;
  StartResult start(const std::vector<std::string>& paths) override;
  bool running() override;

 private:
  using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW* info);

  StartResult launch(const std::vector<std::string>& paths);

  HWND owner_;
  UINT codePage_;
  SystemFunction<ShellExecuteExFunction> shellExecuteEx_{L"shell32.dll", "ShellExecuteExW"};
  // Open for reading, shared for reading only, while the batch may still read them; by path.
  std::map<std::wstring, KernelHandle> heldFiles_;
  KernelHandle process_;
};

}  // namespace veltrano::win32
