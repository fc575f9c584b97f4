#include "oracle/teacher_tables.hpp"

#include <algorithm>

#include "inflection/word_class.hpp"

const std::vector<TeacherRow>& teacherTable() {
  static const std::vector<TeacherRow> kTable = {
      // Itidan: the colloquial kinds, each with its past; negative forms a
      // learner meets every day.
      {"taberu", Itidan,
       {"tabetyau", "tabetyatta", "tabetimatta", "tabetoku", "tabetoita", "tabenaideoku", "tabenaidoku",
        "tabeteoru", "tabeteorimasu", "tabetoru", "tabetotta", "tabetya", "tabetyadame", "tabetyaikenai",
        "taberya", "tabenakerya", "tabenakya", "tabeyokka", "tabemasyokka", "tabeyagaru", "tabeyagatta",
        "tabeneba", "tabenebanaranai", "tabenya", "tabezaru", "tabezaruwoenai", "tabentosuru",
        "tabenbakari", "tabenee", "tabemai", "taberumai", "tabenaidesu", "tabenakattadesu",
        "tabenakerebaikenai", "tabenaitoikenai", "tabenakutewadame", "tabetewadame", "tabetehosii",
        "tabetakotogaaru", "tabetahougaii", "tabeyoutosuru", "tabeniiku", "mesiagaru", "mesiagarimasita",
        "itadaku", "itadakimasu", "tabetekudasaru", "tabeteitadaku", "tabetemo", "tabetemiyou"},
       {"otabeninaru", "otabesuru"}},
      // Godan rows: the contracted te forms follow the row's sound change.
      {"kaku", Godan,
       {"kaityau", "kaitimau", "kaitoku", "kaitoru", "kaitya", "kakya", "kakokka", "kakiyagaru",
        "kakaneba", "kakazaru", "kakanee", "okakisuru", "okakininaru", "kaitakotogaaru"},
       {"kakitya", "kakutyau"}},
      {"oyogu", Godan, {"oyoizyau", "oyoizimatta", "oyoidoku", "oyoidoru", "oyoizya", "oyogya", "oyogokka"},
       {"oyoidyau", "oyoidearu"}},
      {"yomu", Godan, {"yonzyau", "yonzyatta", "yondoku", "yondoru", "yonzya", "yomya", "yomokka"}, {}},
      // The contracted -ba of vowel + u verbs is in use for iu alone (そういや).
      {"kau", Godan, {"kattyau", "kattoku", "kattoru", "kaokka", "kawanee"}, {"kaya"}},
      {"omou", Godan, {"omoeba"}, {"omoya"}},
      {"matu", Godan, {"mattyau", "mattoku", "matya", "matokka", "omatisuru", "omatisimasu"}, {}},
      {"hanasu", Godan, {"hanasaserareru", "hanasasu"}, {"hanasasareru", "hanasasaremasita"}},
      {"sinu", Godan, {"sinzyau", "sinzyatta", "sinareru", "onakunarininaru"},
       {"osinininaru", "sindearu", "sindeoku"}},
      {"asobu", Godan, {"asonzyau", "asondoku", "asobya", "asobiniiku"}, {"asondearu"}},
      {"kaeru", Godan, {"kaettyau", "kaettoku", "kaerya", "kaerokka"}, {"kaettearu", "okaerisuru"}},
      // suru, its compounds and the -ssuru and aisuru kinds.
      {"suru", SuruAux,
       {"sityau", "sitoku", "surya", "siyokka", "semai", "sentosuru", "sezaruwoenai", "sinee", "nasaru",
        "nasaimasu", "itasu", "itasimasu"},
       {"osuru", "osininaru"}},
      {"benkyou suru", SuruAux, {"benkyousityau", "benkyounasaru", "benkyouitasimasu", "benkyoudekiru"}, {}},
      {"tassuru", IrregularSuru, {"tassinai", "tassureba", "tassiyou", "tassezu", "tasseru"},
       {"tassanai", "tassou", "tasseba", "tassinasaru", "tassiitasu"}},
      {"aisuru", IrregularSuru, {"aisanai", "aisinai", "aisou", "aiseba", "aisareru", "aiseru"},
       {"aisinasaru", "aisiitasu", "ainasaru"}},
      // kuru and iku, with their keigo.
      {"kuru", Irregular,
       {"kityau", "kitoku", "kurya", "koyokka", "komai", "kurumai", "irassyaru", "irassyaimasita", "mairu",
        "mairimasu", "kitekudasaru"},
       {"kitekuru", "okininaru", "okisuru"}},
      {"iku", IrregularGodan, {"ittyau", "ittoku", "ittoru", "ikya", "ikokka", "irassyaru", "mairu", "ukagau"},
       {"iite", "oikininaru", "itteiku"}},
      {"iku", IrregularGodan, {"itta", "itte"}, {"irassyaru", "mairu", "ukagau"}, "\xC0\xC2\xA4\xAF"},  // 逝く
      // Verbs that lack forms.
      {"aru", IrregularGodan, {"nai", "nakatta", "arimasen", "arya", "nakerya", "arazu", "arisou", "nasasou"},
       {"aranai", "arareru", "araseru", "areru", "atteiru", "attearu", "oarisuru", "are", "arou", "aritai"}},
      {"dekiru", Itidan, {"dekityau", "dekisou", "odekininaru", "dekinakereba"},
       {"dekirareru", "dekireru", "dekisaseru", "dekiro", "dekiyo", "dekiyou", "dekitai", "dekitearu"}},
      {"kureru", IrregularItidan, {"kure", "kudasaru", "kudasaimasu", "kuresou"},
       {"kurero", "kurereru", "kurerareru", "kuresaseru", "kuretai", "kureyou", "kuretekureru", "okureninaru"}},
      {"kudasaru", IrregularGodan, {"kudasai", "kudasaimasu", "kudasaimasita", "kudasatteiru"},
       {"kudasare", "kudasarareru", "kudasaraseru", "kudasareru", "kudasaritai", "kudasaitai", "kudasarou",
        "kudasarimasu", "kudasattemiru", "kudasattekudasaru"}},
      {"irassyaru", IrregularGodan, {"irassyai", "irassyaimasu", "irasita", "irasite", "irassyatteiru", "irassyattekudasaru"},
       {"irassyarareru", "irassyaraseru", "irassyareru", "irassyaritai", "irassyaitai", "irassyarou", "irassyarimasu"}},
      {"rassyaru", IrregularGodan, {"rassyaimasu"},
       {"rassyarareru", "rassyaraseru", "rassyareru", "rassyaitai", "rassyarou"}},
      {"ossyaru", IrregularGodan, {"ossyai", "ossyaimasu", "ossyatteitadaku"},
       {"ossyarareru", "ossyaraseru", "ossyareru", "ossyaitai", "ossyaritai", "ossyarou"}},
      {"gozaru", IrregularGodan, {"gozaimasu", "gozaimasen", "gozaimasita", "gozaimasite"},
       {"gozare", "gozai", "gozarareru", "gozaraseru", "gozareru", "gozaitai", "gozaritai", "gozarou",
        "gozarimasu"}},
      {"nasaru", IrregularGodan, {"nasai", "nasaimasu", "nasattemiru", "nasatteoku"}, {"nasarareru", "nasaraseru", "nasareru", "nasaitai", "nasaritai", "nasarou"}},
      {"mieru", Itidan, {"mienai", "miesou"}, {"mierareru", "miereru", "miesaseru", "miero", "mieyo", "mieyou", "mietai"}},
      {"kikoeru", Itidan, {"kikoenai"}, {"kikoerareru", "kikoereru", "kikoesaseru", "kikoero", "kikoeyo", "kikoeyou", "kikoetai"}},
      {"wakaru", Godan, {"wakaranai", "wakaraseru"}, {"wakareru", "wakarareru", "wakare", "wakarou"}},
      // Suppletive keigo, and no o-...ni naru on a one-mora stem.
      {"miru", Itidan, {"goranninaru", "goranninarimasita", "haikensuru", "haikensimasita"},
       {"omininaru", "omisuru"}},
      {"iru", Itidan, {"irassyaru", "oru", "orimasu", "iyou", "irareru"}, {"iteiru", "itearu", "oininaru"}},
      {"iru", Godan, {"iranai", "itta"}, {"irassyaru", "oru", "itteiru"}},                  // 要る
      {"iru", Itidan, {"iteiru", "iteoku"}, {"irassyaru", "oru"}, "\xBC\xCD\xA4\xEB"},  // 射る
      {"iu", Godan, {"ossyaru", "mousu", "mousimasu", "mousiageru", "iya"}, {"oiininaru", "oiisuru"}},
      {"iu", Godan, {"itta"}, {"ossyaru", "mousu", "iya"}, "\xB7\xEB\xA4\xA6"},  // 結う
      {"neru", Itidan, {"oyasumininaru"}, {"oneninaru"}},
      {"neru", Godan, {"onerininaru"}, {"oyasumininaru"}},                            // 練る
      {"kiru", Itidan, {"omesininaru"}, {"okininaru"}},
      {"kiru", Godan, {"okirininaru"}, {"omesininaru"}, "\xC0\xDA\xA4\xEB"},  // 切る
      {"siru", Godan, {"gozonzida", "gozonzidesu", "zonzimasu"}, {"osirisuru", "osirininaru"}},
      {"morau", Godan, {"itadaku", "itadakimasita"}, {"omoraininaru"}},
      {"ageru", Itidan, {"sasiageru", "sasiagemasu"}, {"oageninaru"}},
      {"au", Godan, {"omenikakaru", "oaisuru", "oaininaru"}, {"aya"}},
      {"au", Godan, {"atta"}, {"omenikakaru", "oaisuru"}, "\xB9\xE7\xA4\xA6"},  // 合う
      {"kaku", Godan, {"kaita"}, {"okakisuru"}, "\xB7\xE7\xA4\xAF"},            // 欠く
      {"kiku", Godan, {"ukagau", "ukagaimasu", "okikisuru", "okikininaru"}, {}},
      {"miseru", Itidan, {"omenikakeru", "omisesuru"}, {}},
      // Adjectives: -garu only for feelings; yoi and nai take -sasou.
      {"takai", TrueAdjective, {"takakutemo", "takaki", "takaisouda", "takakerya", "takasugiru"},
       {"takagaru"}},
      {"ookii", TrueAdjective, {"ookikute"}, {"ookigaru"}},
      {"yoi", TrueAdjective, {"yosasou", "yosasugiru", "yosugiru", "yokunai", "yokerya"}, {"yosou"}},
      {"nai", TrueAdjective, {"nasasou", "nasasugiru", "nakatta"}, {"nasou", "nasugiru", "nagaru", "nakunai"}},
      {"kowai", TrueAdjective, {"kowagaru", "kowagatta"}, {}},
      {"sabisii", TrueAdjective, {"sabisige", "sabisigaru"}, {}},
  };
  return kTable;
}

bool neverProduced(std::string_view word, std::string_view form) {
  for (const TeacherRow& row : teacherTable()) {
    if (row.word != word || !row.written.empty()) continue;
    if (std::find(row.never.begin(), row.never.end(), form) != row.never.end()) return true;
  }
  return false;
}
