// lastconnection.bat and the elevated cmd.exe that runs it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veltrano {

enum class WriteResult { Written, Busy, Failed };
enum class StartResult { Started, Declined, Failed };

class BatchRunner {
 public:
  virtual ~BatchRunner() = default;
  // Writes a batch file so that only this user, SYSTEM and the Administrators can change it,
  // then keeps it open, readable by cmd but writable by no one, with any other written since
  // the last start, until the batch started on them has ended. Busy: a batch started earlier,
  // by this or another Veltrano, still holds it.
  virtual WriteResult write(const std::string& path, std::string_view bytes) = 0;
  // Runs the batch files written since the last start, one after the other, in one of the
  // system's own cmd.exe, from the system folder, elevated when needed, in a minimized window,
  // without waiting for it. When it does not start (Declined: the user said no to the
  // administrator prompt), the files are let go at once.
  virtual StartResult start(const std::vector<std::string>& paths) = 0;
  // True while the batch started last still runs; once it has ended the files are let go.
  virtual bool running() = 0;
};

}  // namespace veltrano
