#include "inflection/word_class.hpp"

std::string_view classLabel(std::int16_t wordClass) {
  switch (wordClass) {
    case Itidan: return "(Itidan)";
    case Godan: return "(Godan)";
    case SuruAux: return "(Suru Aux)";
    case Irregular: return "(Irreg.)";
    case IrregularItidan: return "(Irreg. Itidan)";
    case IrregularGodan: return "(Irreg. Godan)";
    case IrregularSuru: return "(Irreg. Suru)";
    case VerbInflection: return "(Verb Inflec.)";
    case Copula: return "(Copula)";
    case TrueAdjective: return "(True Adj.)";
    case QuasiAdjective: return "(Quasi Adj.)";
    case AdjectiveInflection: return "(Adj. Inflec)";
    case Noun: return "(Noun)";
    default: return "";
  }
}

std::string_view partOfSpeechName(std::int16_t wordClass) {
  switch (wordClass) {
    case Itidan: return "Itidan Verb";
    case Godan: return "Godan Verb";
    case SuruAux: return "Suru Auxiliary Verb";
    case Irregular: return "Irregular Verb";
    case IrregularItidan: return "Irregular Itidan Verb";
    case IrregularGodan: return "Irregular Godan Verb";
    case IrregularSuru: return "Annomalous Suru Auxiliary Verb";
    case TrueAdjective: return "True Adjective";
    default: return "";
  }
}
