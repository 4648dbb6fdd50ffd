// lastconnection.bat on the disk, and the system's cmd.exe that runs it, elevated when needed.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "apply/batch_runner.h"
#include "shell/win32/handles.h"
#include "shell/win32/system_function.h"

namespace veltrano::win32 {

class Win32BatchRunner final : public BatchRunner {
 public:
  // The window that owns the administrator prompt; null for none.
  explicit Win32BatchRunner(HWND owner) : owner_(owner) {}

  WriteResult write(const std::string& path, std::string_view bytes) override;
  StartResult start(const std::string& path) override;
  bool running() override;

 private:
  using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW* info);

  StartResult launch(const std::string& path);

  HWND owner_;
  SystemFunction<ShellExecuteExFunction> shellExecuteEx_{L"shell32.dll", "ShellExecuteExW"};
  // Open for reading, shared for reading only, while the batch may still read it.
  KernelHandle heldFile_;
  KernelHandle process_;
};

}  // namespace veltrano::win32
