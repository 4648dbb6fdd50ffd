// The batch lines that put a record back, and the batch that waits for a keep or revert before
// doing so, for an apply that could cut the user off.
#pragma once

#include <optional>
#include <string>

#include "apply/undo_record.h"

namespace veltrano {

// The file the elevated cmd runs after lastconnection.bat when a change must be confirmed, and
// the signals in the same folder: it writes the first once it waits; Veltrano writes one of the
// others. Whoever else writes them can only make it put the record back, or do nothing.
inline constexpr const char* kFileRevert = "lastrevert.bat";
inline constexpr const char* kSignalWaiting = "lastrevert.wait";
inline constexpr const char* kSignalKeep = "lastrevert.keep";
inline constexpr const char* kSignalRevert = "lastrevert.now";

// "set address" with the first address and gateway, "add address" for each further address
// and gateway, or DHCP; "set dns" then "add dns ... index=N", or DHCP. A comment line names
// `nome` first. nullopt when a text cannot be carried, or a static record holds no address.
std::optional<std::string> buildRestoreBatch(const UndoRecord& record, const std::string& nome);

// Writes the waiting signal in `cartella` (ending in "\"), then waits `secondi` seconds at most
// for the keep signal (it ends, doing nothing) or the revert one, and puts the record back: the
// adapter, and the proxy values (texts and numbers; their text in the ANSI code page) with reg,
// so that it is done even when nobody is left. nullopt when something cannot be carried.
std::optional<std::string> buildRevertBatch(const UndoRecord& record, const std::string& nome,
                                            const std::string& cartella, int secondi,
                                            const TextCodec& ansi);

}  // namespace veltrano
