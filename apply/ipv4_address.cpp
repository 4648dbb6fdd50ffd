#include "apply/ipv4_address.h"

#include <algorithm>

namespace veltrano {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// One of the four numbers, moving past it; nullopt unless it is 0 to 255 without a leading zero.
std::optional<std::uint32_t> readOctet(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  std::uint32_t value = 0;
  while (pos < text.size() && isDigit(text[pos]) && pos - start < 3) {
    value = value * 10 + static_cast<std::uint32_t>(text[pos] - '0');
    ++pos;
  }
  const std::size_t length = pos - start;
  if (length == 0 || value > 255 || (length > 1 && text[start] == '0')) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::uint32_t> parseIPv4(std::string_view text) {
  std::uint32_t address = 0;
  std::size_t pos = 0;
  for (int octet = 0; octet < 4; ++octet) {
    if (octet > 0) {
      if (pos >= text.size() || text[pos] != '.') {
        return std::nullopt;
      }
      ++pos;
    }
    const auto value = readOctet(text, pos);
    if (!value) {
      return std::nullopt;
    }
    address = (address << 8) | *value;
  }
  if (pos != text.size()) {
    return std::nullopt;
  }
  return address;
}

std::string maskOfPrefix(int prefixLength) {
  const std::uint32_t bits =
      prefixLength <= 0 ? 0u : ~std::uint32_t{0} << (32 - std::min(prefixLength, 32));
  std::string out;
  for (int shift = 24; shift >= 0; shift -= 8) {
    out += std::to_string((bits >> shift) & 0xFFu) + (shift > 0 ? "." : "");
  }
  return out;
}

std::optional<int> maskPrefixLength(std::string_view mask) {
  const auto bits = parseIPv4(mask);
  if (!bits || *bits == 0) {
    return std::nullopt;
  }
  // Contiguous ones from the top: inverting gives a run of ones from the bottom, and adding one
  // to such a run leaves no bit in common with it.
  const std::uint32_t inverted = ~*bits;
  if ((inverted & (inverted + 1u)) != 0) {
    return std::nullopt;
  }
  int length = 0;
  for (std::uint32_t probe = 0x80000000u; probe != 0 && (*bits & probe) != 0; probe >>= 1) {
    ++length;
  }
  return length;
}

std::string joinedList(const std::vector<std::string>& values) {
  std::string out;
  for (const std::string& value : values) {
    out += (out.empty() ? "" : ", ") + value;
  }
  return out;
}

}  // namespace veltrano
