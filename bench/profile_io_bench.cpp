// Reading and rewriting velt2.ini at 10, 100 and 1000 connections, side by side with the
// floor: the same bytes read with plain buffered I/O, and written with the same
// write-flush-rename. Prints the totals with their ratio, then where the time goes.
// With "--once N" it reads and rewrites one file of N connections and exits, for callgrind.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench/sample_profile.h"
#include "bench/table.h"
#include "bench/timing.h"
#include "shell/text_codec.h"
#include "store/profile_file.h"
#include "store/std_file_system.h"

namespace veltrano::bench {

namespace {

constexpr int kSizes[] = {10, 100, 1000};
constexpr int kSamples = 501;

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "profile_io_bench: %s\n", what.c_str());
  std::exit(1);
}

std::filesystem::path freshFolder() {
  std::random_device random;
  auto folder =
      std::filesystem::temp_directory_path() / ("veltrano-bench-" + std::to_string(random()));
  std::filesystem::create_directories(folder);
  return folder;
}

// The program's read: the bytes, the code page, the profile.
Profilo readProfile(StdFileSystem& files, const std::string& path) {
  Profilo profilo;
  const auto bytes = files.readAll(path);
  if (!bytes || !leggiProfilo(windows1252().toUtf8(*bytes), profilo)) {
    fail("cannot read " + path);
  }
  return profilo;
}

// The program's rewrite: the text, the code page, the replacement.
void writeProfile(StdFileSystem& files, const std::string& path, const Profilo& profilo) {
  const auto text = scriviProfilo(profilo);
  const auto bytes = text ? windows1252().fromUtf8(*text) : std::nullopt;
  if (!bytes || !files.replaceAll(path, *bytes)) {
    fail("cannot write " + path);
  }
}

std::string readPlain(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    fail("cannot open " + path);
  }
  std::string bytes;
  char buffer[65536];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
    bytes.append(buffer, got);
  }
  std::fclose(file);
  return bytes;
}

void writePlain(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".new";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) {
    fail("cannot create " + temporary);
  }
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  if (std::fclose(file) != 0 || !written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    fail("cannot replace " + path);
  }
}

struct Totals {
  double readOurs, readPlain, writeOurs, writePlain;
};

// The four operations take turns, so that a slow spell of the machine hits all alike, and
// which of a pair goes first alternates: the first write after the reads is consistently
// 20 to 30 % slower than the second (the file system's bookkeeping of the file just
// replaced), whichever program makes it.
Totals measureTotals(const std::string& ours, const std::string& plain, const Profilo& profilo,
                     const std::string& bytes) {
  StdFileSystem files;
  std::vector<double> readO, readP, writeO, writeP;
  std::size_t sink = 0;
  for (int i = 0; i < kSamples; ++i) {
    // What was read is dropped outside the timing: the program keeps it for its whole run.
    Profilo read;
    std::string bytesRead;
    const auto readOurs = [&] {
      readO.push_back(microsecondsOf([&] { read = readProfile(files, ours); }));
    };
    const auto readTheirs = [&] {
      readP.push_back(microsecondsOf([&] { bytesRead = readPlain(plain); }));
    };
    const auto writeOurs = [&] {
      writeO.push_back(microsecondsOf([&] { writeProfile(files, ours, profilo); }));
    };
    const auto writeTheirs = [&] {
      writeP.push_back(microsecondsOf([&] { writePlain(plain, bytes); }));
    };
    if (i % 2 == 0) {
      readOurs();
      readTheirs();
      writeOurs();
      writeTheirs();
    } else {
      readTheirs();
      readOurs();
      writeTheirs();
      writeOurs();
    }
    sink += static_cast<std::size_t>(read.connessioni.count()) + bytesRead.size();
  }
  if (sink == 0) {
    fail("nothing read");
  }
  return {median(readO), median(readP), median(writeO), median(writeP)};
}

struct Steps {
  double readAll, decode, parse, serialise, encode, replaceAll;
};

Steps measureSteps(const std::string& path, const Profilo& profilo) {
  StdFileSystem files;
  const std::string bytes = *files.readAll(path);
  const std::string text = windows1252().toUtf8(bytes);
  std::vector<double> samples[6];
  std::size_t sink = 0;
  for (int i = 0; i < kSamples; ++i) {
    samples[0].push_back(microsecondsOf([&] { sink += files.readAll(path)->size(); }));
    samples[1].push_back(microsecondsOf([&] { sink += windows1252().toUtf8(bytes).size(); }));
    Profilo read;
    samples[2].push_back(microsecondsOf([&] { sink += leggiProfilo(text, read) ? 1u : 0u; }));
    samples[3].push_back(microsecondsOf([&] { sink += scriviProfilo(profilo)->size(); }));
    samples[4].push_back(microsecondsOf([&] { sink += windows1252().fromUtf8(text)->size(); }));
    samples[5].push_back(microsecondsOf([&] { sink += files.replaceAll(path, bytes) ? 1u : 0u; }));
  }
  if (sink == 0) {
    fail("nothing measured");
  }
  return {median(samples[0]), median(samples[1]), median(samples[2]),
          median(samples[3]), median(samples[4]), median(samples[5])};
}

std::string micro(double value) {
  return fixed(value, 1);
}

// One read and one rewrite, as the program does them; for instruction counts.
int readAndRewriteOnce(int size) {
  const auto folder = freshFolder();
  const std::string path = (folder / "velt2.ini").string();
  writePlain(path, *windows1252().fromUtf8(sampleProfile(size)));
  StdFileSystem files;
  const Profilo profilo = readProfile(files, path);
  writeProfile(files, path, profilo);
  std::filesystem::remove_all(folder);
  return 0;
}

}  // namespace

int run(int argc, char** argv) {
  if (argc == 3 && std::string_view(argv[1]) == "--once") {
    return readAndRewriteOnce(std::atoi(argv[2]));
  }
  const auto folder = freshFolder();
  Table totals({"connections", "lines", "bytes", "read us", "plain read us", "ratio", "rewrite us",
                "plain write us", "ratio"});
  Table steps({"connections", "readAll", "toUtf8", "leggiProfilo", "scriviProfilo", "fromUtf8",
               "replaceAll"});
  for (const int size : kSizes) {
    const auto bytes = *windows1252().fromUtf8(sampleProfile(size));
    const std::string ours = (folder / ("velt2-" + std::to_string(size) + ".ini")).string();
    const std::string plain = (folder / ("plain-" + std::to_string(size) + ".ini")).string();
    writePlain(ours, bytes);
    writePlain(plain, bytes);
    StdFileSystem files;
    const Profilo profilo = readProfile(files, ours);
    writeProfile(files, ours, profilo);
    if (readPlain(ours) != bytes) {
      fail("the rewrite changed the file");
    }
    const auto t = measureTotals(ours, plain, profilo, bytes);
    totals.addRow({std::to_string(size), std::to_string(4 + 9 * size), std::to_string(bytes.size()),
                   micro(t.readOurs), micro(t.readPlain), fixed(t.readOurs / t.readPlain, 2),
                   micro(t.writeOurs), micro(t.writePlain), fixed(t.writeOurs / t.writePlain, 2)});
    const auto s = measureSteps(ours, profilo);
    steps.addRow({std::to_string(size), micro(s.readAll), micro(s.decode), micro(s.parse),
                  micro(s.serialise), micro(s.encode), micro(s.replaceAll)});
  }
  std::filesystem::remove_all(folder);
  std::printf("velt2.ini read and rewrite, median of %d, microseconds (folder %s)\n\n", kSamples,
              std::filesystem::temp_directory_path().string().c_str());
  totals.print();
  std::printf("\nWhere the time goes, median of %d, microseconds\n\n", kSamples);
  steps.print();
  return 0;
}

}  // namespace veltrano::bench

int main(int argc, char** argv) {
  return veltrano::bench::run(argc, argv);
}
