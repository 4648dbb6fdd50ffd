// Start-up to a visible window under Wine, for veltrano.exe against a minimal Win32 program,
// taking turns in one run:
//   start_probe RUNS VELTRANO_EXE CONNECTIONS MINIMAL_EXE
// Each start is timed from CreateProcess until the program has a visible top-level window;
// for veltrano.exe also until its connection list (control 1001) holds CONNECTIONS entries.
// Prints a table of medians and their ratio.
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
    if (window && (entries < 0 || listCount(window) >= entries)) {
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

void printRow(const char* name, const std::vector<double>& times) {
  std::printf("%-16s %5zu %11.1f %8.1f %8.1f\n", name, times.size(), median(times),
              *std::min_element(times.begin(), times.end()),
              *std::max_element(times.begin(), times.end()));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: start_probe RUNS VELTRANO_EXE CONNECTIONS MINIMAL_EXE\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  const long connections = _wtol(argv[3]);
  std::vector<double> veltrano;
  std::vector<double> minimal;
  // One start of each to warm the prefix and the file cache, not counted.
  if (!timeStart(argv[2], connections) || !timeStart(argv[4], -1)) {
    std::fprintf(stderr, "start_probe: a program did not reach its window\n");
    return 1;
  }
  for (int i = 0; i < runs; ++i) {
    const auto v = timeStart(argv[2], connections);
    const auto m = timeStart(argv[4], -1);
    if (!v || !m) {
      std::fprintf(stderr, "start_probe: a program did not reach its window\n");
      return 1;
    }
    veltrano.push_back(*v);
    minimal.push_back(*m);
  }
  std::printf("%-16s %5s %11s %8s %8s\n", "program", "runs", "median ms", "min ms", "max ms");
  std::printf("--------------------------------------------------\n");
  printRow("veltrano.exe", veltrano);
  printRow("minimal_window", minimal);
  std::printf("\nratio of medians: %.2f\n", median(veltrano) / median(minimal));
  return 0;
}
