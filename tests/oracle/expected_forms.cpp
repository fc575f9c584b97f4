#include "oracle/expected_forms.hpp"

#include <algorithm>
#include <string_view>

#include "romaji/kana_converter.hpp"

namespace {

// Joins two texts; written out because GCC 12 warns falsely about
// operator+ on a literal and a temporary string.
std::string join(std::string_view a, std::string_view b) {
  std::string joined(a);
  joined += b;
  return joined;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

constexpr std::string_view kAruHonorifics[] = {"kudasaru", "irassyaru", "ossyaru", "nasaru",
                                               "gozaru"};

constexpr std::string_view kSmallTsu = "\xa5\xc3";  // ッ

// Builds the spellings of one form from stems written in kana. The ending is
// joined in kana before converting, so a stem ending in a small tsu doubles
// the ending's first consonant.
class FormBuilder {
 public:
  FormBuilder(const IpadicWord& word, const KanaConverter& kana) : word_(word), kana_(kana) {}

  // Every stem listed for the conjugation form, followed by the ending. The
  // colloquial adjective stems in -kut (takakutte) are left out.
  std::vector<std::string> fromForm(std::string_view form, std::string_view ending) const {
    std::vector<std::string> spellings;
    const auto found = word_.stems.find(std::string(form));
    if (found == word_.stems.end()) return spellings;
    for (const auto& stem : found->second) {
      const bool colloquial = form == ipadic::kContinuativeTe && endsWith(stem, kSmallTsu);
      if (!colloquial) add(spellings, stem, ending);
    }
    return spellings;
  }

  // A stem the lexicon does not list but the dictionary form implies: the
  // reading without its last `dropChars` kana, followed by the ending.
  std::vector<std::string> fromRoot(std::size_t dropChars, std::string_view ending) const {
    std::vector<std::string> spellings;
    const std::string& reading = word_.baseReading;
    if (reading.size() < 2 * dropChars) return spellings;
    add(spellings, reading.substr(0, reading.size() - 2 * dropChars), ending);
    return spellings;
  }

 private:
  void add(std::vector<std::string>& spellings, const std::string& stem,
           std::string_view ending) const {
    const std::string endingKana = ending.empty() ? std::string() : kana_.toKana(ending);
    if (endingKana == kResultNotValid) return;
    const std::string romaji = kana_.toRomaji(stem + endingKana);
    if (!romaji.empty() && std::find(spellings.begin(), spellings.end(), romaji) == spellings.end()) {
      spellings.push_back(romaji);
    }
  }

  const IpadicWord& word_;
  const KanaConverter& kana_;
};

std::vector<std::string> either(std::vector<std::string> a, const std::vector<std::string>& b) {
  for (const auto& s : b) {
    if (std::find(a.begin(), a.end(), s) == a.end()) a.push_back(s);
  }
  return a;
}

void expect(std::vector<ExpectedForm>& forms, std::string label, std::vector<std::string> spellings) {
  if (!spellings.empty()) forms.push_back({std::move(label), std::move(spellings)});
}

bool takesVoicedEndings(const IpadicWord& word) {
  return std::any_of(std::begin(ipadic::kVoicedGodanRows), std::end(ipadic::kVoicedGodanRows),
                     [&](std::string_view row) { return word.conjugationType == row; });
}

std::vector<std::string> anyImperative(const FormBuilder& b) {
  return either(either(b.fromForm(ipadic::kImperativeE, ""), b.fromForm(ipadic::kImperativeRo, "")),
                either(b.fromForm(ipadic::kImperativeYo, ""), b.fromForm(ipadic::kImperativeI, "")));
}

std::vector<ExpectedForm> godanForms(const IpadicWord& word, const KanaConverter& kana) {
  const FormBuilder b(word, kana);
  const bool voiced = takesVoicedEndings(word);
  // The su row has no sound change: its past is built on the continuative.
  // The yuku row lists no past stem at all; it is yut-, as for iku.
  const bool yuku = word.conjugationType == ipadic::kGodanYuku;
  const std::string_view pastStem = word.stems.count(std::string(ipadic::kContinuativeTa))
                                        ? ipadic::kContinuativeTa
                                        : ipadic::kContinuative;
  const auto past = [&](std::string_view ending) {
    return yuku ? b.fromRoot(1, join("t", ending)) : b.fromForm(pastStem, ending);
  };
  // The -aru honorifics take the stem in -i (nasaimasu, kudasai) beside the
  // regular -ri; IPADIC lists some of them as regular ru-row verbs.
  const std::string romaji = kana.toRomaji(word.baseReading);
  const bool honorific = std::any_of(
      std::begin(kAruHonorifics), std::end(kAruHonorifics),
      [&](std::string_view h) { return endsWith(romaji, h); });
  const auto continuative = [&](std::string_view ending) {
    std::vector<std::string> spellings = b.fromForm(ipadic::kContinuative, ending);
    if (!honorific) return spellings;
    return either(either(spellings, b.fromRoot(1, join("i", ending))),
                  b.fromRoot(1, join("ri", ending)));
  };
  // aru is the one godan verb whose negative drops the stem (nai, not
  // aranai) and which has no potential.
  const bool isAru = kana.toRomaji(word.baseReading) == "aru";
  std::vector<ExpectedForm> forms;
  expect(forms, "negative", isAru ? std::vector<std::string>{"nai"}
                                  : b.fromForm(ipadic::kIrrealis, "nai"));
  expect(forms, "polite", continuative("masu"));
  expect(forms, "past", past(voiced ? "da" : "ta"));
  expect(forms, "te", past(voiced ? "de" : "te"));
  expect(forms, "ba", b.fromForm(ipadic::kHypothetical, "ba"));
  expect(forms, "tara", past(voiced ? "dara" : "tara"));
  expect(forms, "volitional", b.fromForm(ipadic::kIrrealisU, "u"));
  expect(forms, "imperative", honorific ? either(anyImperative(b), b.fromRoot(1, "i"))
                                        : anyImperative(b));
  expect(forms, "passive", b.fromForm(ipadic::kIrrealis, "reru"));
  expect(forms, "causative", b.fromForm(ipadic::kIrrealis, "seru"));
  if (!isAru) expect(forms, "potential", b.fromForm(ipadic::kHypothetical, "ru"));
  expect(forms, "tai", continuative("tai"));
  return forms;
}

// Itidan verbs, and kuru, which builds its forms on the same endings.
std::vector<ExpectedForm> itidanForms(const IpadicWord& word, const KanaConverter& kana) {
  const FormBuilder b(word, kana);
  std::vector<ExpectedForm> forms;
  expect(forms, "negative", b.fromForm(ipadic::kIrrealis, "nai"));
  expect(forms, "polite", b.fromForm(ipadic::kContinuative, "masu"));
  expect(forms, "past", b.fromForm(ipadic::kContinuative, "ta"));
  expect(forms, "te", b.fromForm(ipadic::kContinuative, "te"));
  expect(forms, "ba", b.fromForm(ipadic::kHypothetical, "ba"));
  expect(forms, "tara", b.fromForm(ipadic::kContinuative, "tara"));
  expect(forms, "volitional", b.fromForm(ipadic::kIrrealisU, "u"));
  expect(forms, "imperative", anyImperative(b));
  expect(forms, "passive", b.fromForm(ipadic::kIrrealis, "rareru"));
  expect(forms, "causative", b.fromForm(ipadic::kIrrealis, "saseru"));
  // Either the full -rareru or the shortened -reru counts as the potential.
  expect(forms, "potential",
         either(b.fromForm(ipadic::kIrrealis, "rareru"), b.fromForm(ipadic::kIrrealis, "reru")));
  expect(forms, "tai", b.fromForm(ipadic::kContinuative, "tai"));
  return forms;
}

// suru itself, and the compounds ending in suru that the lexicon lists as a
// type of their own (aisuru); those also take the forms of the godan verb in
// -su (aisanai beside aisinai).
std::vector<ExpectedForm> suruForms(const IpadicWord& word, const KanaConverter& kana) {
  const FormBuilder b(word, kana);
  const bool compound = word.conjugationType == ipadic::kSuruCompound;
  // The compound type lists no continuative row: it equals the irrealis si.
  const std::string_view continuative =
      word.stems.count(std::string(ipadic::kContinuative)) ? ipadic::kContinuative
                                                            : ipadic::kIrrealis;
  std::vector<std::string> passive;
  std::vector<std::string> causative;
  const auto reru = word.stems.find(std::string(ipadic::kIrrealisReru));
  if (reru != word.stems.end()) {
    for (const auto& stem : reru->second) {
      // sa takes -reru and -seru (sareru, saseru); the literary se takes -rareru.
      const bool sa = kana.toRomaji(stem).ends_with("sa");
      passive = either(passive, b.fromForm(ipadic::kIrrealisReru, sa ? "reru" : "rareru"));
      if (sa) causative = either(causative, b.fromForm(ipadic::kIrrealisReru, "seru"));
    }
  }
  std::vector<ExpectedForm> forms;
  std::vector<std::string> negative = b.fromForm(ipadic::kIrrealis, "nai");
  std::vector<std::string> ba = b.fromForm(ipadic::kHypothetical, "ba");
  std::vector<std::string> volitional = b.fromForm(ipadic::kIrrealisU, "u");
  if (compound) {
    negative = either(negative, b.fromRoot(2, "sanai"));
    ba = either(ba, b.fromRoot(2, "seba"));
    volitional = either(volitional, b.fromRoot(2, "sou"));
    passive = either(passive, b.fromRoot(2, "sareru"));
    causative = either(causative, b.fromRoot(2, "saseru"));
  }
  expect(forms, "negative", negative);
  expect(forms, "polite", b.fromForm(continuative, "masu"));
  expect(forms, "past", b.fromForm(continuative, "ta"));
  expect(forms, "te", b.fromForm(continuative, "te"));
  expect(forms, "ba", ba);
  expect(forms, "tara", b.fromForm(continuative, "tara"));
  expect(forms, "volitional", volitional);
  expect(forms, "imperative", anyImperative(b));
  expect(forms, "passive", passive);
  expect(forms, "causative", causative);
  // The potential of suru is the verb dekiru; the compounds have none of
  // their own in the lexicon.
  if (!compound) expect(forms, "potential", {"dekiru"});
  expect(forms, "tai", b.fromForm(continuative, "tai"));
  return forms;
}

// The -zuru verbs (ronzuru): the lexicon lists only their literary rows, so
// the modern forms are built on the -ziru stem they share with ronziru.
std::vector<ExpectedForm> zuruForms(const IpadicWord& word, const KanaConverter& kana) {
  const FormBuilder b(word, kana);
  std::vector<ExpectedForm> forms;
  expect(forms, "negative", b.fromRoot(2, "zinai"));
  expect(forms, "polite", b.fromRoot(2, "zimasu"));
  expect(forms, "past", b.fromRoot(2, "zita"));
  expect(forms, "te", b.fromRoot(2, "zite"));
  expect(forms, "ba", either(b.fromForm(ipadic::kHypothetical, "ba"), b.fromRoot(2, "zireba")));
  expect(forms, "tara", b.fromRoot(2, "zitara"));
  expect(forms, "volitional", b.fromRoot(2, "ziyou"));
  expect(forms, "imperative", either(anyImperative(b), b.fromRoot(2, "ziro")));
  expect(forms, "passive",
         either(b.fromForm(ipadic::kIrrealis, "rareru"), b.fromRoot(2, "zirareru")));
  expect(forms, "causative", b.fromRoot(2, "zisaseru"));
  expect(forms, "tai", b.fromRoot(2, "zitai"));
  return forms;
}

}  // namespace

bool isModernVerbType(const IpadicWord& word) {
  const std::string_view type = word.conjugationType;
  return startsWith(type, ipadic::kGodan) || startsWith(type, ipadic::kItidan) ||
         startsWith(type, ipadic::kKahen) || type == ipadic::kSuru ||
         type == ipadic::kSuruCompound || type == ipadic::kZuru;
}

bool isAdjectiveType(const IpadicWord& word) {
  return startsWith(word.conjugationType, ipadic::kAdjective);
}

std::vector<ExpectedForm> expectedVerbForms(const IpadicWord& word, const KanaConverter& kana) {
  const std::string_view type = word.conjugationType;
  if (startsWith(type, ipadic::kGodan)) return godanForms(word, kana);
  if (startsWith(type, ipadic::kItidan) || startsWith(type, ipadic::kKahen)) {
    return itidanForms(word, kana);
  }
  if (type == ipadic::kSuru || type == ipadic::kSuruCompound) return suruForms(word, kana);
  if (type == ipadic::kZuru) return zuruForms(word, kana);
  return {};
}

std::vector<ExpectedForm> expectedAdjectiveForms(const IpadicWord& word,
                                                 const KanaConverter& kana) {
  if (!isAdjectiveType(word)) return {};
  const FormBuilder b(word, kana);
  const std::string romaji = kana.toRomaji(word.baseReading);
  std::vector<ExpectedForm> forms;
  expect(forms, "negative", b.fromForm(ipadic::kContinuativeTe, "nai"));
  expect(forms, "past", b.fromForm(ipadic::kContinuativeTa, "ta"));
  expect(forms, "te", b.fromForm(ipadic::kContinuativeTe, "te"));
  expect(forms, "adverbial", b.fromForm(ipadic::kContinuativeTe, ""));
  expect(forms, "ba", b.fromForm(ipadic::kHypothetical, "ba"));
  expect(forms, "sa", b.fromForm(ipadic::kGaruStem, "sa"));
  // yoi and nai look -sasou; compounds ending in them take either.
  std::vector<std::string> sou = b.fromForm(ipadic::kGaruStem, "sasou");
  if (romaji != "yoi" && romaji != "nai") {
    const std::vector<std::string> plain = b.fromForm(ipadic::kGaruStem, "sou");
    sou = (endsWith(romaji, "yoi") || endsWith(romaji, "nai")) ? either(plain, sou) : plain;
  }
  expect(forms, "sou", sou);
  return forms;
}
