#pragma once
// Bytes and their text form: two upper-case hexadecimal digits per byte (hex_bytes.cpp).
#include <cstdint>
#include <string>
#include <vector>

namespace zv {

std::string HexOfBytes(const std::uint8_t* bytes, std::size_t count);
inline std::string HexOfBytes(const std::vector<std::uint8_t>& bytes) {
  return HexOfBytes(bytes.data(), bytes.size());
}
// The bytes of the text's leading pairs of hexadecimal digits (either case); stops at the first
// pair that is not two digits and ignores an odd last digit.
std::vector<std::uint8_t> BytesOfHex(const std::string& hex);

}  // namespace zv
