// veltrano.exe running in its program folder, and the processes it starts (the batch file's
// cmd.exe and netsh.exe). Whatever is still running when the case ends is ended.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

class VeltranoProcess {
 public:
  // Starts the exe with its own folder as the working folder.
  explicit VeltranoProcess(const std::filesystem::path& exe);
  ~VeltranoProcess();
  VeltranoProcess(const VeltranoProcess&) = delete;
  VeltranoProcess& operator=(const VeltranoProcess&) = delete;

  DWORD id() const { return id_; }
  bool running() const;
  DWORD exitCode() const;
  bool waitForExit(std::chrono::milliseconds timeout) const;

  // Every top-level window of the process, shown or not.
  std::vector<HWND> windows() const;
  // The shown main window (class "VeltranoMain"), or null.
  HWND mainWindow() const;

  // Names of the processes started by the program, and by those, that are still running.
  std::vector<std::string> runningChildren() const;
  bool waitForChildrenToEnd(std::chrono::milliseconds timeout) const;

  // Ends the children, then the program itself.
  void end();

 private:
  void endChildren() const;

  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

std::string classOf(HWND window);
std::string textOf(HWND window);

}  // namespace e2e
