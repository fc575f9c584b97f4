#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "inflection/inflection_rule.hpp"
#include "inflection/rule_index.hpp"

/// A rule set and its index, which points into it.
template <typename Rule>
struct IndexedRuleSet {
  RuleSet<Rule> set;
  RuleIndex<Rule> index;
};

/// A rule file's text, kept as it was loaded, and its rules, parsed and
/// indexed on first use: loading stays one read of the file, and a session
/// that never reads the rules never parses them. The text does not change
/// after loading, so the rules are those a parse at load would give.
template <typename Rule>
class DeferredRules {
 public:
  using Parse = RuleSet<Rule> (*)(std::string text);

  explicit DeferredRules(Parse parse) : parse_(parse) {}

  void load(std::string text) {
    text_ = std::move(text);
    parsed_.reset();
  }

  const IndexedRuleSet<Rule>& get() const {
    if (!parsed_) {
      auto parsed = std::make_unique<IndexedRuleSet<Rule>>();
      parsed->set = parse_(std::move(text_));  // the set keeps it
      parsed->index = indexRules(parsed->set);
      parsed_ = std::move(parsed);
    }
    return *parsed_;
  }

 private:
  Parse parse_;
  mutable std::string text_;  ///< handed to the rules once parsed
  mutable std::unique_ptr<const IndexedRuleSet<Rule>> parsed_;
};
