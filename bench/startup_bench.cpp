// Start-up of the window logic on the fake toolkit at 10, 100 and 1000 connections:
// Form_Load (catalogue, reading velt2.ini, relabelling, filling the lists, enabling) and
// the first activation. With "--once N" it starts one window and exits, for callgrind.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench/sample_profile.h"
#include "bench/table.h"
#include "bench/timing.h"
#include "fake/window_harness.h"

namespace veltrano::bench {

namespace {

constexpr int kSizes[] = {10, 100, 1000};
constexpr int kSamples = 301;

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "startup_bench: %s\n", what.c_str());
  std::exit(1);
}

std::unique_ptr<fake::Harness> windowWithProfile(const std::string& profile) {
  auto harness = std::make_unique<fake::Harness>();
  harness->withProfile(profile);
  return harness;
}

void checkStarted(const fake::Harness& harness, int connections) {
  if (harness.window.closed || harness.cmbConnessione.count() != connections ||
      harness.cmbConnessione.listIndex() != 0) {
    fail("the window did not start with " + std::to_string(connections) + " connections");
  }
}

double medianStartUp(int connections) {
  const std::string profile = sampleProfile(connections);
  std::vector<double> samples;
  for (int i = 0; i < kSamples; ++i) {
    auto harness = windowWithProfile(profile);
    samples.push_back(microsecondsOf([&] { harness->start(); }));
    checkStarted(*harness, connections);
  }
  return median(samples);
}

int startOnce(int connections) {
  auto harness = windowWithProfile(sampleProfile(connections));
  harness->start();
  checkStarted(*harness, connections);
  return 0;
}

}  // namespace

int run(int argc, char** argv) {
  if (argc == 3 && std::string_view(argv[1]) == "--once") {
    return startOnce(std::atoi(argv[2]));
  }
  Table table({"connections", "start-up us", "us per connection"});
  for (const int size : kSizes) {
    const double micros = medianStartUp(size);
    table.addRow({std::to_string(size), fixed(micros, 1), fixed(micros / size, 3)});
  }
  std::printf("Window start-up on the fake toolkit, median of %d, microseconds\n\n", kSamples);
  table.print();
  return 0;
}

}  // namespace veltrano::bench

int main(int argc, char** argv) {
  return veltrano::bench::run(argc, argv);
}
