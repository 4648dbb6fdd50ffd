// A process rewriting velt2.ini over and over, killed at random moments: the file is always
// one of the two whole contents, and a temporary file left by a killed rewrite is taken up by
// the next rewrite instead of lingering. POSIX is used here only, never in the program.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <random>
#include <thread>

#include "fake/window_harness.h"
#include "store/profile_file.h"
#include "store/std_file_system.h"

namespace veltrano::reliability {
namespace {

namespace fs = std::filesystem;

constexpr int kKills = 50;

std::vector<fake::Conn> manyConnections(const std::string& prefix, int count) {
  std::vector<fake::Conn> conns;
  for (int i = 0; i < count; ++i) {
    conns.push_back(fake::staticConn(prefix + std::to_string(i), "10.1.0." + std::to_string(i)));
  }
  return conns;
}

// Starts a child that rewrites the file with a and b in turn, writing one byte to `done` after
// each rewrite that succeeded, until it is killed.
pid_t startRewriter(const std::string& ini, const std::string& a, const std::string& b, int done) {
  const pid_t child = fork();
  if (child == 0) {
    StdFileSystem files;
    for (unsigned long round = 0;; ++round) {
      if (files.replaceAll(ini, round % 2 == 0 ? a : b)) {
        const char tick = 1;
        if (write(done, &tick, 1) != 1) {
          _exit(2);
        }
      }
    }
  }
  return child;
}

int drain(int fd) {
  int count = 0;
  char buffer[4096];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
    count += static_cast<int>(got);
  }
  return count;
}

TEST(KillDuringRewrite, FileIsAlwaysOneWholeContentAndNoTemporaryFileLingers) {
  const fs::path dir = fs::temp_directory_path() / ("veltrano-kill-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string ini = (dir / "velt2.ini").string();
  const fs::path temporary = dir / "velt2.ini.new";
  // Large enough that a kill often lands in the middle of writing one of them.
  const std::string a = fake::profileFile(manyConnections("a", 400), "IT");
  const std::string b = fake::profileFile(manyConnections("b", 300), "IN", "Ethernet 2");
  StdFileSystem files;
  ASSERT_TRUE(files.replaceAll(ini, a));

  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  ASSERT_EQ(fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK), 0);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> delayMicroseconds(0, 4000);
  int completedRewrites = 0;
  int staleTemporaries = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    const pid_t child = startRewriter(ini, a, b, pipeEnds[1]);
    ASSERT_GT(child, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the rewriter stopped by itself";
    completedRewrites += drain(pipeEnds[0]);

    SCOPED_TRACE("kill " + std::to_string(kill));
    const auto now = files.readAll(ini);
    ASSERT_TRUE(now == a || now == b) << "the file is neither whole content";
    Profilo profilo;
    EXPECT_TRUE(leggiProfilo(*now, profilo));
    if (fs::exists(temporary)) {
      ++staleTemporaries;  // the killed rewrite's own file; the next rewrite takes it up
    }
  }
  close(pipeEnds[0]);
  close(pipeEnds[1]);
  EXPECT_GT(completedRewrites, 0) << "the rewriter never finished a rewrite";

  ASSERT_TRUE(files.replaceAll(ini, b));
  EXPECT_EQ(files.readAll(ini), b);
  EXPECT_FALSE(fs::exists(temporary)) << "a successful rewrite leaves nothing beside the file";
  std::cout << "[figures] StdFileSystem killed " << kKills << " times during " << completedRewrites
            << " completed rewrites: file always whole; " << staleTemporaries
            << " kills left the temporary file, taken up by the next rewrite\n";
  fs::remove_all(dir);
}

}  // namespace
}  // namespace veltrano::reliability
