// The folder veltrano.exe runs in. Usually a fresh one per case, holding a copy of the exe and
// whatever files the case puts beside it, removed with everything in it when the case ends;
// or a prepared folder (an unzipped release) used in place and left as it is.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "profile.h"

namespace e2e {

class ProgramFolder {
 public:
  static ProgramFolder freshCopyOf(const std::filesystem::path& program);
  static ProgramFolder existing(const std::filesystem::path& program);
  ProgramFolder(ProgramFolder&& other) noexcept;
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path exe() const { return path_ / "veltrano.exe"; }

  void writeProfile(const Profile& profile);
  void writeFile(const std::string& name, const std::string& bytes);
  void copyIn(const std::filesystem::path& file);
  bool holds(const std::string& name) const;
  // The file's bytes, or nothing when it does not exist.
  std::optional<std::string> read(const std::string& name) const;

 private:
  ProgramFolder(std::filesystem::path path, bool owned) : path_(std::move(path)), owned_(owned) {}

  std::filesystem::path path_;
  bool owned_;
};

}  // namespace e2e
