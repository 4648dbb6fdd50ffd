// What the program needs from the machine, besides its window's controls.
#pragma once

#include <string>

#include "apply/batch_runner.h"
#include "apply/network_adapters.h"
#include "apply/proxy_settings.h"
#include "apply/registry.h"
#include "shell/text_codec.h"
#include "shell/toolkit.h"
#include "store/file_system.h"

namespace veltrano {

struct Services {
  Dialogs& dialogs;
  Platform& platform;
  FileSystem& files;
  Registry& registry;
  ProxySettings& proxy;  // read back, as programs will see it
  BatchRunner& batch;
  NetworkAdapters& adapters;
  const TextCodec& ansi;  // velt2.ini and the registry texts
  const TextCodec& oem;   // lastconnection.bat, as cmd.exe reads it
};

// The folder of the executable, always ending in "\" (a drive's root has it already).
std::string cartellaDelProgramma(Platform& platform);

}  // namespace veltrano
