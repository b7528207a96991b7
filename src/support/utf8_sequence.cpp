#include "support/utf8_sequence.h"

namespace ambrel {

namespace {

struct LeadByte {
  std::size_t length;       // 0 when the byte cannot start a sequence
  unsigned char second_lo;  // allowed range of the second byte
  unsigned char second_hi;
  char32_t bits;
};

LeadByte classify_lead(unsigned char b) {
  if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF, char32_t{b} & 0x1F};
  if (b == 0xE0) return {3, 0xA0, 0xBF, 0};
  if (b == 0xED) return {3, 0x80, 0x9F, 0xD};
  if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF, char32_t{b} & 0x0F};
  if (b == 0xF0) return {4, 0x90, 0xBF, 0};
  if (b == 0xF4) return {4, 0x80, 0x8F, 4};
  if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF, char32_t{b} & 0x07};
  return {0, 0, 0, 0};
}

}  // namespace

Utf8Sequence read_utf8_sequence(const unsigned char* bytes, std::size_t size) {
  unsigned char lead = bytes[0];
  if (lead < 0x80) return {lead, 1, true, false};
  LeadByte info = classify_lead(lead);
  if (info.length == 0) return {0, 1, false, false};
  char32_t code_point = info.bits;
  for (std::size_t i = 1; i < info.length; ++i) {
    if (i == size) return {0, i, false, true};
    unsigned char b = bytes[i];
    unsigned char lo = i == 1 ? info.second_lo : 0x80;
    unsigned char hi = i == 1 ? info.second_hi : 0xBF;
    if (b < lo || b > hi) return {0, i, false, false};
    code_point = (code_point << 6) | (char32_t{b} & 0x3F);
  }
  return {code_point, info.length, true, false};
}

}  // namespace ambrel
