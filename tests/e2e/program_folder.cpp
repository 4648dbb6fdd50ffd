#include "program_folder.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <system_error>

#include "expect.h"
#include "wait.h"

namespace e2e {

namespace {

std::filesystem::path freshTemporaryFolder() {
  const auto base = std::filesystem::temp_directory_path();
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    const auto candidate =
        base / ("veltrano-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount64()) + "-" + std::to_string(attempt));
    std::error_code error;
    if (std::filesystem::create_directory(candidate, error)) {
      return candidate;
    }
  }
  fail("cannot create a temporary program folder under " + base.string());
}

}  // namespace

ProgramFolder ProgramFolder::freshCopyOf(const std::filesystem::path& program) {
  ProgramFolder folder(freshTemporaryFolder(), true);
  std::error_code error;
  std::filesystem::copy_file(program, folder.exe(), error);
  if (error) {
    fail("cannot copy " + program.string() + " into a program folder (is it built?)");
  }
  return folder;
}

ProgramFolder ProgramFolder::existing(const std::filesystem::path& program) {
  std::error_code error;
  if (program.filename() != "veltrano.exe" || !std::filesystem::exists(program, error)) {
    fail("no veltrano.exe at " + program.string());
  }
  return ProgramFolder(program.parent_path(), false);
}

ProgramFolder::ProgramFolder(ProgramFolder&& other) noexcept
    : path_(std::move(other.path_)), owned_(other.owned_) {
  other.owned_ = false;
}

ProgramFolder::~ProgramFolder() {
  if (!owned_) {
    return;
  }
  // The program may still be letting go of its exe for a moment after it ended.
  pollFor(
      [&] {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
        return !error;
      },
      kExitTimeout);
}

void ProgramFolder::writeProfile(const Profile& profile) {
  writeFile("velt2.ini", profile.bytes());
}

void ProgramFolder::writeFile(const std::string& name, const std::string& bytes) {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    fail("cannot write " + name + " into the program folder");
  }
}

void ProgramFolder::copyIn(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::copy_file(file, path_ / file.filename(), error);
  if (error) {
    fail("cannot copy " + file.string() + " into the program folder");
  }
}

bool ProgramFolder::holds(const std::string& name) const {
  std::error_code error;
  return std::filesystem::exists(path_ / name, error);
}

std::optional<std::string> ProgramFolder::read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace e2e
