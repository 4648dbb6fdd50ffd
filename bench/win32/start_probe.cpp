// Start-up to a visible window under Wine, for veltrano.exe against other Win32 programs,
// taking turns in one run:
//   start_probe RUNS VELTRANO_EXE CONNECTIONS OTHER_EXE...
// An OTHER_EXE named veltrano* (an earlier build, in a folder with its own velt2.ini) is timed
// as VELTRANO_EXE is.
// Each start is timed from CreateProcess until the program has a visible top-level window
// that answers a message; for veltrano.exe the message asks its connection list (control
// 1001) for its count, which must be CONNECTIONS.
// Prints a table of medians and the ratio of veltrano.exe's median to each other's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kConnectionListId = 1001;
constexpr DWORD kGiveUpMs = 30000;
constexpr UINT kAnswerTimeoutMs = 1000;

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK matchVisibleWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

HWND visibleWindowOf(DWORD processId) {
  Search search{processId, nullptr};
  EnumWindows(matchVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The entries of the window's connection list; -1 while it has none to ask.
LRESULT listCount(HWND window) {
  HWND list = GetDlgItem(window, kConnectionListId);
  DWORD_PTR count = 0;
  if (!list ||
      !SendMessageTimeoutW(list, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &count)) {
    return -1;
  }
  return static_cast<LRESULT>(count);
}

// Whether the window's thread has taken a message: a window that is visible but still busy
// painting is not ready yet, and the connection list's count is asked the same way.
bool answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result) !=
         0;
}

double millisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

void closeProgram(const PROCESS_INFORMATION& process, HWND window) {
  if (window) {
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::wstring folderOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

// Milliseconds from process creation to a visible (and, when asked, filled) window.
std::optional<double> timeStart(const std::wstring& exe, long entries) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  const std::wstring folder = folderOf(exe);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    return std::nullopt;
  }
  std::optional<double> elapsed;
  HWND window = nullptr;
  while (!elapsed && millisecondsSince(start) < kGiveUpMs) {
    window = visibleWindowOf(process.dwProcessId);
    if (window && (entries < 0 ? answers(window) : listCount(window) >= entries)) {
      elapsed = millisecondsSince(start);
    } else {
      Sleep(1);
    }
  }
  closeProgram(process, window);
  return elapsed;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::wstring nameOf(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

void printRow(const std::wstring& name, const std::vector<double>& times) {
  std::printf("%-20ls %5zu %11.1f %8.1f %8.1f\n", name.c_str(), times.size(), median(times),
              *std::min_element(times.begin(), times.end()),
              *std::max_element(times.begin(), times.end()));
}

struct Program {
  std::wstring exe;
  long entries;  // -1: only a visible window is waited for
  std::vector<double> times;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: start_probe RUNS VELTRANO_EXE CONNECTIONS OTHER_EXE...\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  std::vector<Program> programs{{argv[2], _wtol(argv[3]), {}}};
  for (int i = 4; i < argc; ++i) {
    // Another build of Veltrano is waited for until its list is filled, as this one is.
    const bool veltrano = nameOf(argv[i]).starts_with(L"veltrano");
    programs.push_back({argv[i], veltrano ? programs[0].entries : -1, {}});
  }
  // One start of each to warm the prefix and the file cache, not counted; then they take turns.
  for (int i = -1; i < runs; ++i) {
    for (Program& program : programs) {
      const auto elapsed = timeStart(program.exe, program.entries);
      if (!elapsed) {
        std::fprintf(stderr, "start_probe: %ls did not reach its window\n", program.exe.c_str());
        return 1;
      }
      if (i >= 0) {
        program.times.push_back(*elapsed);
      }
    }
  }
  std::printf("%-20s %5s %11s %8s %8s\n", "program", "runs", "median ms", "min ms", "max ms");
  std::printf("------------------------------------------------------\n");
  for (const Program& program : programs) {
    printRow(nameOf(program.exe), program.times);
  }
  std::printf("\n");
  for (std::size_t i = 1; i < programs.size(); ++i) {
    std::printf("veltrano.exe / %ls: %.2f\n", nameOf(programs[i].exe).c_str(),
                median(programs[0].times) / median(programs[i].times));
  }
  return 0;
}
