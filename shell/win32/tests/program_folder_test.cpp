#include "shell/win32/program_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace veltrano::win32 {
namespace {

TEST(ProgramFolder, FolderHasNoTrailingBackslash) {
  EXPECT_EQ(folderOfModulePath(L"C:\\Programmi\\Veltrano\\veltrano.exe"),
            L"C:\\Programmi\\Veltrano");
}

TEST(ProgramFolder, DriveRootKeepsItsBackslash) {
  EXPECT_EQ(folderOfModulePath(L"D:\\veltrano.exe"), L"D:\\");
}

TEST(ProgramFolder, NetworkShareIsAnOrdinaryFolder) {
  EXPECT_EQ(folderOfModulePath(L"\\\\server\\tools\\veltrano.exe"), L"\\\\server\\tools");
}

TEST(ProgramFolder, RunningExecutableFolderHoldsTheExecutable) {
  const std::wstring folder = programFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), L'\\');
  wchar_t module[MAX_PATH];
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  EXPECT_EQ(std::wstring(module).rfind(folder + L"\\", 0), 0u);
}

}  // namespace
}  // namespace veltrano::win32
