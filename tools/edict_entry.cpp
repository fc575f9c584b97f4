#include "edict_entry.hpp"

#include <algorithm>
#include <iterator>
#include <cctype>

namespace {

// EDICT's entity names. Glosses also begin with parentheses ("(someone's)
// turn"), so markup is recognised only by its known vocabulary.
constexpr std::string_view kPartsOfSpeech[] = {
    "adj-f",   "adj-i",   "adj-ix",  "adj-kari", "adj-ku",  "adj-na",  "adj-nari", "adj-no",
    "adj-pn",  "adj-shiku", "adj-t", "adv",     "adv-to",  "aux",     "aux-adj",  "aux-v",
    "conj",    "cop",     "ctr",     "exp",     "int",     "n",       "n-adv",    "n-pr",
    "n-pref",  "n-suf",   "n-t",     "num",     "pn",      "pref",    "prt",      "suf",
    "unc",     "v-unspec", "v1",     "v1-s",    "v2a-s",   "v2b-k",   "v2b-s",    "v2d-k",
    "v2d-s",   "v2g-k",   "v2g-s",   "v2h-k",   "v2h-s",   "v2k-k",   "v2k-s",    "v2m-k",
    "v2m-s",   "v2n-s",   "v2r-k",   "v2r-s",   "v2s-s",   "v2t-k",   "v2t-s",    "v2w-s",
    "v2y-k",   "v2y-s",   "v2z-s",   "v4b",     "v4g",     "v4h",     "v4k",      "v4m",
    "v4n",     "v4r",     "v4s",     "v4t",     "v5aru",   "v5b",     "v5g",      "v5k",
    "v5k-s",   "v5m",     "v5n",     "v5r",     "v5r-i",   "v5s",     "v5t",      "v5u",
    "v5u-s",   "v5uru",   "vi",      "vk",      "vn",      "vr",      "vs",       "vs-c",
    "vs-i",    "vs-s",    "vt",      "vz"};

constexpr std::string_view kOtherTags[] = {
    // miscellaneous
    "abbr", "arch", "char", "chn", "col", "company", "creat", "dated", "derog", "doc", "euph",
    "ev", "fam", "fem", "fict", "form", "given", "group", "hist", "hon", "hum", "id", "joc",
    "leg", "litf", "m-sl", "male", "myth", "net-sl", "obj", "obs", "obsc", "on-mim",
    "organization", "oth", "person", "place", "poet", "pol", "product", "proverb", "quote",
    "rare", "relig", "sens", "serv", "ship", "sl", "station", "surname", "uk", "unclass",
    "vulg", "work", "X", "yoji",
    // fields
    "agric", "anat", "archeol", "archit", "art", "astron", "audvid", "aviat", "baseb",
    "biochem", "biol", "bot", "Buddh", "bus", "cards", "chem", "Christn", "cloth", "comp",
    "cryst", "dent", "ecol", "econ", "elec", "electr", "embryo", "engr", "ent", "finc", "fish",
    "food", "gardn", "genet", "geogr", "geol", "geom", "go", "golf", "gramm", "grmyth", "hanaf",
    "horse", "kabuki", "law", "ling", "logic", "MA", "mahj", "manga", "math", "mech", "med",
    "met", "mil", "mining", "music", "noh", "ornith", "paleo", "pathol", "pharm", "phil",
    "photo", "physics", "physiol", "politics", "print", "psy", "psyanal", "psych", "rail",
    "Shinto", "shogi", "ski", "sports", "stat", "stockm", "sumo", "telec", "tradem", "tv",
    "vidg", "zool",
    // headword and reading marks
    "P", "ateji", "gikun", "iK", "ik", "io", "oK", "ok", "rK", "sK", "sk", "uK"};

template <std::size_t N>
bool inList(const std::string_view (&list)[N], std::string_view word) {
  return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

bool isSenseNumber(std::string_view text) {
  return !text.empty() && text.size() <= 3 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Dialect tags are written with a trailing colon: "ksb:".
bool isDialectTag(std::string_view text) {
  if (text.size() < 3 || text.size() > 5 || text.back() != ':') return false;
  return std::all_of(text.begin(), text.end() - 1, [](char c) { return c >= 'a' && c <= 'z'; });
}

std::vector<std::string_view> splitOn(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && depth > 0) --depth;
    if (text[i] == separator && depth == 0) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(text.substr(start));
  return parts;
}

bool isEntryIdField(std::string_view field) {
  if (field.size() < 5 || field.substr(0, 4) != "EntL") return false;
  std::string_view digits = field.substr(4);
  if (digits.back() == 'X') digits.remove_suffix(1);
  return isSenseNumber(digits.substr(0, 1)) &&
         std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One form of the headword or reading part: "text(mark)(mark)".
EdictForm parseForm(std::string_view text) {
  EdictForm form;
  std::size_t open = text.find('(');
  form.text = std::string(text.substr(0, open));
  while (open != std::string_view::npos) {
    std::size_t close = text.find(')', open);
    if (close == std::string_view::npos) break;
    std::string_view inside = text.substr(open + 1, close - open - 1);
    for (std::string_view mark : splitOn(inside, ',')) {
      if (mark == "P") {
        form.common = true;
      } else if (inList(kOtherTags, mark)) {
        form.tags.emplace_back(mark);
      } else {
        for (std::string_view headword : splitOn(mark, ';'))
          if (!headword.empty()) form.restrictions.emplace_back(headword);
      }
    }
    open = text.find('(', close);
  }
  return form;
}

std::vector<EdictForm> parseForms(std::string_view text) {
  std::vector<EdictForm> forms;
  for (std::string_view part : splitOn(text, ';')) {
    EdictForm form = parseForm(part);
    if (!form.text.empty()) forms.push_back(std::move(form));
  }
  return forms;
}

// The leading markup of one gloss field, taken off the field.
struct FieldMarkup {
  bool startsSense = false;
  std::vector<std::string> partsOfSpeech;
  std::vector<std::string> tags;
};

FieldMarkup takeLeadingMarkup(std::string_view& field) {
  FieldMarkup markup;
  for (;;) {
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    if (field.empty() || field.front() != '(') break;
    std::size_t close = field.find(')');
    if (close == std::string_view::npos) break;
    std::string_view group = field.substr(1, close - 1);
    if (isSenseNumber(group)) {
      markup.startsSense = true;
    } else if (isTagGroup(group)) {
      for (std::string_view tag : splitOn(group, ',')) {
        if (isPartOfSpeechTag(tag)) {
          markup.partsOfSpeech.emplace_back(tag);
          markup.startsSense = true;
        } else {
          markup.tags.emplace_back(tag);
        }
      }
    } else {
      break;
    }
    field.remove_prefix(close + 1);
  }
  return markup;
}

std::string cleanGloss(std::string_view text) {
  std::string gloss(text);
  std::replace(gloss.begin(), gloss.end(), '\t', ' ');
  while (!gloss.empty() && gloss.back() == ' ') gloss.pop_back();
  return gloss;
}

std::vector<EdictSense> parseSenses(std::string_view body, bool& common) {
  std::vector<EdictSense> senses;
  for (std::string_view field : splitOn(body, '/')) {
    if (field == "(P)") {
      common = true;
      continue;
    }
    if (field.empty() || isEntryIdField(field)) continue;
    FieldMarkup markup = takeLeadingMarkup(field);
    if (senses.empty() || markup.startsSense) {
      EdictSense sense;
      sense.partsOfSpeech = markup.partsOfSpeech;
      if (sense.partsOfSpeech.empty() && !senses.empty())
        sense.partsOfSpeech = senses.back().partsOfSpeech;
      senses.push_back(std::move(sense));
    } else {
      for (std::string& tag : markup.partsOfSpeech) senses.back().partsOfSpeech.push_back(tag);
    }
    for (std::string& tag : markup.tags) senses.back().tags.push_back(std::move(tag));
    std::string gloss = cleanGloss(field);
    if (!gloss.empty()) senses.back().glosses.push_back(std::move(gloss));
  }
  std::erase_if(senses, [](const EdictSense& sense) { return sense.glosses.empty(); });
  return senses;
}

}  // namespace

bool isPartOfSpeechTag(std::string_view tag) { return inList(kPartsOfSpeech, tag); }

bool isTagGroup(std::string_view group) {
  if (group.empty()) return false;
  for (std::string_view tag : splitOn(group, ',')) {
    if (!isPartOfSpeechTag(tag) && !inList(kOtherTags, tag) && !isDialectTag(tag)) return false;
  }
  return true;
}

std::optional<EdictEntry> parseEdictLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  std::size_t bodyStart = line.find(" /");
  if (bodyStart == std::string_view::npos || bodyStart == 0 || line.back() != '/') return std::nullopt;
  // The body runs from after " /" to before the closing "/"; " /" may itself
  // be the closing slash of an entry without senses.
  if (bodyStart + 2 > line.size()) return std::nullopt;
  std::string_view head = line.substr(0, bodyStart);
  std::string_view body = line.substr(bodyStart + 2);
  if (!body.empty()) body.remove_suffix(1);

  EdictEntry entry;
  std::size_t open = head.find(" [");
  if (open == std::string_view::npos) {
    entry.readings = parseForms(head);
  } else {
    if (head.back() != ']') return std::nullopt;
    entry.headwords = parseForms(head.substr(0, open));
    entry.readings = parseForms(head.substr(open + 2, head.size() - open - 3));
  }
  entry.senses = parseSenses(body, entry.common);
  if (entry.readings.empty() || entry.senses.empty()) return std::nullopt;
  return entry;
}

std::vector<std::pair<const EdictForm*, const EdictForm*>> writtenReadingPairs(
    const EdictEntry& entry) {
  std::vector<std::pair<const EdictForm*, const EdictForm*>> pairs;
  if (entry.headwords.empty()) {
    for (const EdictForm& reading : entry.readings) pairs.emplace_back(&reading, &reading);
    return pairs;
  }
  for (const EdictForm& written : entry.headwords) {
    for (const EdictForm& reading : entry.readings) {
      const auto& allowed = reading.restrictions;
      if (allowed.empty() || std::find(allowed.begin(), allowed.end(), written.text) != allowed.end())
        pairs.emplace_back(&written, &reading);
    }
  }
  return pairs;
}

bool isCommonPair(const EdictEntry& entry, const EdictForm& written, const EdictForm& reading) {
  auto marked = [](const EdictForm& form) { return form.common; };
  bool formsMarked = std::any_of(entry.headwords.begin(), entry.headwords.end(), marked) ||
                     std::any_of(entry.readings.begin(), entry.readings.end(), marked);
  if (!formsMarked) return entry.common;
  return reading.common && (&written == &reading || written.common);
}

namespace {

bool hasVariantMark(const std::vector<std::string>& tags) {
  static constexpr std::string_view kVariantMarks[] = {"iK", "ik", "io", "oK", "ok", "rK", "sK"};
  return std::any_of(tags.begin(), tags.end(),
                     [](const std::string& tag) { return inList(kVariantMarks, tag); });
}

}  // namespace

bool isVariantSpelling(const EdictEntry& entry, const EdictForm& written, const EdictForm& reading) {
  if (hasVariantMark(written.tags) || hasVariantMark(reading.tags)) return true;
  bool oneFormPerLine = entry.headwords.size() <= 1 && entry.readings.size() == 1;
  return oneFormPerLine && !entry.senses.empty() && hasVariantMark(entry.senses.front().tags);
}

bool isPlainReading(const EdictForm& reading) { return !hasVariantMark(reading.tags); }

bool isUsuallyKana(const EdictEntry& entry) {
  if (entry.senses.empty()) return false;
  const std::vector<std::string>& tags = entry.senses.front().tags;
  return std::find(tags.begin(), tags.end(), "uk") != tags.end();
}
