#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

class KanaConverter;

/// One verb or adjective of the IPADIC lexicon: its dictionary form and the
/// katakana readings of each conjugation form, as the CSV lists them.
/// Texts are EUC-JP, as in the CSV files.
struct IpadicWord {
  std::string base;           ///< dictionary form as written
  std::string baseReading;    ///< katakana reading of the dictionary form
  std::string conjugationType;
  /// conjugation form name -> readings of its stem, in file order, no repeats
  std::map<std::string, std::vector<std::string>> stems;
  /// conjugation form name -> the stems as written, in file order, no repeats
  std::map<std::string, std::vector<std::string>> writtenStems;
};

/// Words keyed by written form, a TAB, and the romaji of the reading.
using IpadicLexicon = std::multimap<std::string, IpadicWord>;

std::string ipadicKey(std::string_view written, std::string_view romaji);

/// Reads an IPADIC CSV file (Verb.csv, Adj.csv) into `lexicon`. Each word is
/// a block that starts with its dictionary-form row; blocks repeated for
/// other parts of speech merge into one word. False when the file cannot be
/// opened.
bool readIpadicFile(const std::string& path, const KanaConverter& kana, IpadicLexicon& lexicon);

/// The names used in the CSV, in EUC-JP.
namespace ipadic {
inline constexpr std::string_view kBaseForm = "\xb4\xf0\xcb\xdc\xb7\xc1";          // 基本形
inline constexpr std::string_view kIrrealis = "\xcc\xa4\xc1\xb3\xb7\xc1";          // 未然形
inline constexpr std::string_view kIrrealisU =
    "\xcc\xa4\xc1\xb3\xa5\xa6\xc0\xdc\xc2\xb3";  // 未然ウ接続
inline constexpr std::string_view kIrrealisReru =
    "\xcc\xa4\xc1\xb3\xa5\xec\xa5\xeb\xc0\xdc\xc2\xb3";  // 未然レル接続
inline constexpr std::string_view kContinuative = "\xcf\xa2\xcd\xd1\xb7\xc1";  // 連用形
inline constexpr std::string_view kContinuativeTa =
    "\xcf\xa2\xcd\xd1\xa5\xbf\xc0\xdc\xc2\xb3";  // 連用タ接続
inline constexpr std::string_view kContinuativeTe =
    "\xcf\xa2\xcd\xd1\xa5\xc6\xc0\xdc\xc2\xb3";  // 連用テ接続
inline constexpr std::string_view kHypothetical = "\xb2\xbe\xc4\xea\xb7\xc1";  // 仮定形
inline constexpr std::string_view kImperativeE = "\xcc\xbf\xce\xe1\xa3\xe5";   // 命令ｅ
inline constexpr std::string_view kImperativeRo = "\xcc\xbf\xce\xe1\xa3\xf2\xa3\xef";  // 命令ｒｏ
inline constexpr std::string_view kImperativeYo = "\xcc\xbf\xce\xe1\xa3\xf9\xa3\xef";  // 命令ｙｏ
inline constexpr std::string_view kImperativeI = "\xcc\xbf\xce\xe1\xa3\xe9";   // 命令ｉ
inline constexpr std::string_view kGaruStem = "\xa5\xac\xa5\xeb\xc0\xdc\xc2\xb3";  // ガル接続

inline constexpr std::string_view kGodan = "\xb8\xde\xc3\xca";        // 五段
inline constexpr std::string_view kGodanYuku =
    "\xb8\xde\xc3\xca\xa1\xa6\xa5\xab\xb9\xd4\xc2\xa5\xb2\xbb\xca\xd8\xa5\xe6\xa5\xaf";  // 五段・カ行促音便ユク
inline constexpr std::string_view kItidan = "\xb0\xec\xc3\xca";       // 一段
inline constexpr std::string_view kKahen = "\xa5\xab\xca\xd1";        // カ変
inline constexpr std::string_view kSuru = "\xa5\xb5\xca\xd1\xa1\xa6\xa5\xb9\xa5\xeb";  // サ変・スル
inline constexpr std::string_view kSuruCompound =
    "\xa5\xb5\xca\xd1\xa1\xa6\xa1\xdd\xa5\xb9\xa5\xeb";  // サ変・−スル
inline constexpr std::string_view kZuru =
    "\xa5\xb5\xca\xd1\xa1\xa6\xa1\xdd\xa5\xba\xa5\xeb";  // サ変・−ズル
inline constexpr std::string_view kAdjective = "\xb7\xc1\xcd\xc6\xbb\xec";  // 形容詞
/// Godan rows whose past and te forms take the voiced da, de.
inline constexpr std::string_view kVoicedGodanRows[] = {
    "\xb8\xde\xc3\xca\xa1\xa6\xa5\xac\xb9\xd4",  // 五段・ガ行
    "\xb8\xde\xc3\xca\xa1\xa6\xa5\xca\xb9\xd4",  // 五段・ナ行
    "\xb8\xde\xc3\xca\xa1\xa6\xa5\xd0\xb9\xd4",  // 五段・バ行
    "\xb8\xde\xc3\xca\xa1\xa6\xa5\xde\xb9\xd4",  // 五段・マ行
};
}  // namespace ipadic
