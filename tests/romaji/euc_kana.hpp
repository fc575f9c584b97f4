#pragma once

#include <string>
#include <string_view>

// EUC-JP codes of the kana the tests spell out, typed from the JIS X 0208
// code chart rather than from the syllable table they check.
namespace euc {

inline constexpr std::string_view a = "\xA4\xA2";
inline constexpr std::string_view i = "\xA4\xA4";
inline constexpr std::string_view u = "\xA4\xA6";
inline constexpr std::string_view ka = "\xA4\xAB";
inline constexpr std::string_view ki = "\xA4\xAD";
inline constexpr std::string_view ku = "\xA4\xAF";
inline constexpr std::string_view ko = "\xA4\xB3";
inline constexpr std::string_view si = "\xA4\xB7";
inline constexpr std::string_view su = "\xA4\xB9";
inline constexpr std::string_view ta = "\xA4\xBF";
inline constexpr std::string_view ti = "\xA4\xC1";
inline constexpr std::string_view smallTu = "\xA4\xC3";
inline constexpr std::string_view tu = "\xA4\xC4";
inline constexpr std::string_view te = "\xA4\xC6";
inline constexpr std::string_view to = "\xA4\xC8";
inline constexpr std::string_view na = "\xA4\xCA";
inline constexpr std::string_view ni = "\xA4\xCB";
inline constexpr std::string_view de = "\xA4\xC7";
inline constexpr std::string_view be = "\xA4\xD9";
inline constexpr std::string_view ho = "\xA4\xDB";
inline constexpr std::string_view ma = "\xA4\xDE";
inline constexpr std::string_view smallYa = "\xA4\xE3";
inline constexpr std::string_view ya = "\xA4\xE4";
inline constexpr std::string_view ru = "\xA4\xEB";
inline constexpr std::string_view wa = "\xA4\xEF";
inline constexpr std::string_view ha = "\xA4\xCF";
inline constexpr std::string_view n = "\xA4\xF3";

inline constexpr std::string_view kataKo = "\xA5\xB3";
inline constexpr std::string_view kataHi = "\xA5\xD2";
inline constexpr std::string_view kataSmallTu = "\xA5\xC3";
inline constexpr std::string_view kataTo = "\xA5\xC8";
inline constexpr std::string_view kataHu = "\xA5\xD5";
inline constexpr std::string_view kataU = "\xA5\xA6";
inline constexpr std::string_view kataSmallA = "\xA5\xA1";
inline constexpr std::string_view kataSmallI = "\xA5\xA3";

inline constexpr std::string_view middleDot = "\xA1\xA6";
inline constexpr std::string_view prolongedSound = "\xA1\xBC";

/// A kanji (the first character of the written form of kaku).
inline constexpr std::string_view kanjiKaku = "\xBD\xF1";
/// The kanji of the written forms of tou (ask) and yoi (good).
inline constexpr std::string_view kanjiTou = "\xCC\xE4";
inline constexpr std::string_view kanjiYoi = "\xCE\xC9";

/// Concatenates EUC-JP pieces.
template <typename... Pieces>
std::string join(Pieces... pieces) {
  std::string out;
  (out.append(pieces), ...);
  return out;
}

}  // namespace euc
