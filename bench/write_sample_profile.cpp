// Writes a velt2.ini with N connections in the ANSI code page: write_sample_profile N FILE.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/sample_profile.h"
#include "shell/text_codec.h"
#include "store/std_file_system.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s CONNECTIONS FILE\n", argv[0]);
    return 2;
  }
  const int connections = std::atoi(argv[1]);
  const auto bytes = veltrano::windows1252().fromUtf8(veltrano::bench::sampleProfile(connections));
  veltrano::StdFileSystem files;
  if (connections < 0 || connections > 1000 || !bytes || !files.replaceAll(argv[2], *bytes)) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
