// lastconnection.bat and the elevated cmd.exe that runs it.
#pragma once

#include <string>
#include <string_view>

namespace veltrano {

enum class WriteResult { Written, Busy, Failed };
enum class StartResult { Started, Declined, Failed };

class BatchRunner {
 public:
  virtual ~BatchRunner() = default;
  // Writes the batch file so that only this user, SYSTEM and the Administrators can change it,
  // then keeps it open, readable by cmd but writable by no one, until the batch started on it
  // has ended. Busy: a batch started earlier, by this or another Veltrano, still holds it.
  virtual WriteResult write(const std::string& path, std::string_view bytes) = 0;
  // Runs the batch written last with the system's own cmd.exe, from the system folder,
  // elevated when needed, in a minimized window, without waiting for it. When it does not
  // start (Declined: the user said no to the administrator prompt), the file is let go at once.
  virtual StartResult start(const std::string& path) = 0;
  // True while the batch started last still runs; once it has ended the file is let go.
  virtual bool running() = 0;
};

}  // namespace veltrano
