// Dotted IPv4 addresses as netsh takes them, checked before anything is applied.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano {

// Four decimal numbers 0 to 255 of ASCII digits joined by dots, with no blanks and no leading
// zero but a lone 0; anything else netsh would misread or refuse.
std::optional<std::uint32_t> parseIPv4(std::string_view text);

// The dotted mask of a prefix length 0 to 32 (24: 255.255.255.0).
std::string maskOfPrefix(int prefixLength);

// The number of leading one bits of a mask whose one bits are contiguous (255.255.255.0: 24);
// nullopt for any other mask, and for 0.0.0.0, which no adapter can take.
std::optional<int> maskPrefixLength(std::string_view mask);

// Addresses as a user reads a list of them: "a, b, c"; empty for none.
std::string joinedList(const std::vector<std::string>& values);

}  // namespace veltrano
