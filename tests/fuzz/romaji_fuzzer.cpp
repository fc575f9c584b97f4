// Romaji validation and kana conversion on arbitrary bytes, with the
// properties the conversion promises: ill-formed words convert to the
// not-valid marker, well-formed ones to EUC-JP kana, and a well-formed word
// without white space comes back unchanged through its kana.

#include <string>

#include "command/tokenizer.hpp"
#include "fuzz_support.hpp"
#include "romaji/kana_converter.hpp"

namespace {

bool hasWhiteSpace(const std::string& word) {
  for (const char c : word) {
    if (isWhiteSpace(c)) return true;
  }
  return false;
}

bool isEucKana(const std::string& kana) {
  if (kana.size() % 2 != 0) return false;
  for (const char c : kana) {
    if (static_cast<unsigned char>(c) < 0xA1) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const KanaConverter kana;
  const std::string bytes(asText(data, size));

  const bool wellFormed = kana.isWellFormedRomaji(bytes);
  const std::string converted = kana.toKana(bytes);
  if (!wellFormed) {
    FUZZ_CHECK(converted == kResultNotValid);
  } else {
    FUZZ_CHECK(converted != kResultNotValid);
    FUZZ_CHECK(isEucKana(converted));
    if (!hasWhiteSpace(bytes)) {
      FUZZ_CHECK(kana.toRomaji(converted) == bytes);
    }
  }

  // Any bytes read as kana give some romaji, each unit at most three letters.
  const std::string romaji = kana.toRomaji(bytes);
  FUZZ_CHECK(romaji.size() <= (bytes.size() / 2) * 3);
  for (const char c : romaji) FUZZ_CHECK(static_cast<unsigned char>(c) < 0x80);

  // One or two units looked up alone.
  if (size <= 4) {
    const std::string unit = kana.kanaUnitToRomaji(bytes);
    FUZZ_CHECK(unit.size() <= 3);
    if (!unit.empty() && unit != "q") FUZZ_CHECK(kana.isSyllable(unit));
  }
  return 0;
}
