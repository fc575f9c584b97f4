// Whole-process figures of the program beside MeCab's, measured in the same
// run and interleaved run by run, so that each ratio holds on any machine
// whatever else it is doing: start-up (the program to its first prompt and
// out, MeCab on one line), rconj per form (MeCab analysing the same forms in
// kana), dtest -v (MeCab analysing the verb readings three times over), peak
// memory, and start-up with the dictionaries repeated.
//
// Usage: process_bench ZUNOKA DATA_DIR FORM_LIST [--runs N] [--scale K]...
//                      [--mecab PROGRAM] [--mecab-dic DIR]
// Each figure is the median of N runs (default 5). CPU is the child's user +
// system time; wall is the clock from fork to reaping. Per-form figures are
// (scenario - start-up) / forms, with the forms repeated until that
// difference is a few tenths of a second, so start-up noise stays small.
// The targets are judged on CPU time, which waiting for a shared CPU leaves
// alone.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench_data.hpp"

namespace {

namespace fs = std::filesystem;

struct Usage {
  double wallMs = 0;
  double cpuMs = 0;
  double rssMiB = 0;
};

struct Program {
  std::string path;
  std::vector<std::string> arguments;
  fs::path directory;  ///< where it runs
};

[[noreturn]] void fail(const std::string& message) {
  std::cerr << "process_bench: " << message << '\n';
  std::exit(1);
}

/// Runs `program` with stdin from `input` and stdout, stderr to /dev/null.
Usage runOnce(const Program& program, const fs::path& input) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) fail("cannot fork");
  if (child == 0) {
    const int in = open(input.c_str(), O_RDONLY);
    const int out = open("/dev/null", O_WRONLY);
    if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(out, 2) < 0 ||
        chdir(program.directory.c_str()) != 0) {
      _exit(127);
    }
    std::vector<char*> argv{const_cast<char*>(program.path.c_str())};
    for (const std::string& argument : program.arguments) {
      argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    fail(program.path + " failed on " + input.string());
  }
  const auto stop = std::chrono::steady_clock::now();
  const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return {std::chrono::duration<double, std::milli>(stop - start).count(),
          ms(usage.ru_utime) + ms(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

Usage medianOf(const std::vector<Usage>& runs) {
  std::vector<double> wall, cpu, rss;
  for (const Usage& u : runs) {
    wall.push_back(u.wallMs);
    cpu.push_back(u.cpuMs);
    rss.push_back(u.rssMiB);
  }
  return {median(wall), median(cpu), median(rss)};
}

/// What `whole` took beyond `start`, per one of `count` items.
Usage perItem(const Usage& whole, const Usage& start, double count) {
  return {(whole.wallMs - start.wallMs) / count, (whole.cpuMs - start.cpuMs) / count,
          whole.rssMiB};
}

void writeFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) fail("cannot write " + path.string());
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string repeated(const std::string& text, std::size_t times) {
  std::string out;
  out.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += text;
  return out;
}

/// The readings (second field) of a dictionary file's entry lines.
std::string readingLines(const fs::path& dictionary) {
  std::istringstream in(readFile(dictionary));
  std::string line, out;
  std::getline(in, line);  // the count
  while (std::getline(in, line)) {
    const std::size_t first = line.find('\t');
    const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
    if (second != std::string::npos) out += line.substr(first + 1, second - first - 1) + '\n';
  }
  return out;
}

/// The dictionary with its entry lines repeated `times` times and the count
/// raised to match; the lines and their order are otherwise the file's.
std::string repeatedDictionary(const fs::path& dictionary, std::size_t times) {
  const std::string text = readFile(dictionary);
  const std::size_t headerEnd = text.find('\n');
  if (headerEnd == std::string::npos) return text;
  char* countEnd = nullptr;
  const long count = std::strtol(text.c_str(), &countEnd, 10);
  const std::string headerRest(static_cast<const char*>(countEnd), text.c_str() + headerEnd + 1);
  std::string body = text.substr(headerEnd + 1);
  if (!body.empty() && body.back() != '\n') body += '\n';
  return std::to_string(count * static_cast<long>(times)) + headerRest + repeated(body, times);
}

std::string rconjLine(const SearchForm& form) {
  std::string line = form.adjective ? "rconj -a \"" : "rconj \"";
  line += form.form;
  line += "\"\n";
  return line;
}

struct Options {
  fs::path zunoka, data, formList;
  int runs = 5;
  std::vector<std::size_t> scales;
  std::string mecab = "mecab";
  std::string mecabDic = "/var/lib/mecab/dic/ipadic";
};

Options parseOptions(int argc, char** argv) {
  Options options;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= argc) fail(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--runs") {
      options.runs = std::max(1, std::atoi(value().c_str()));
    } else if (arg == "--scale") {
      options.scales.push_back(static_cast<std::size_t>(std::max(2, std::atoi(value().c_str()))));
    } else if (arg == "--mecab") {
      options.mecab = value();
    } else if (arg == "--mecab-dic") {
      options.mecabDic = value();
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 3) {
    std::cerr << "usage: process_bench ZUNOKA DATA_DIR FORM_LIST [--runs N] [--scale K]... "
                 "[--mecab PROGRAM] [--mecab-dic DIR]\n";
    std::exit(2);
  }
  options.zunoka = fs::absolute(positional[0]);
  options.data = fs::absolute(positional[1]);
  options.formList = fs::absolute(positional[2]);
  return options;
}

/// How many copies of a script whose one copy took about `perCopyMs` bring
/// the difference to start-up to about `targetMs`.
std::size_t copiesFor(double perCopyMs, double targetMs, std::size_t most) {
  if (perCopyMs <= 0.001) return most;
  return std::clamp(static_cast<std::size_t>(std::ceil(targetMs / perCopyMs)), std::size_t{1},
                    most);
}

/// The slowest form of the list in process (each the fastest of a few
/// passes), as its index and time in ms.
std::pair<std::size_t, double> slowestInProcess(const BundledData& data,
                                                const std::vector<SearchForm>& forms) {
  std::vector<double> best(forms.size(), 1e300);
  for (int pass = 0; pass < 5; ++pass) {
    for (std::size_t i = 0; i < forms.size(); ++i) {
      std::vector<InflectionResult> candidates;
      best[i] = std::min(best[i], timedSearch(data.engine, forms[i], candidates));
    }
  }
  const auto slowest = std::max_element(best.begin(), best.end());
  return {static_cast<std::size_t>(slowest - best.begin()), *slowest};
}

/// Writes the forms in kana for MeCab (forms_kana.in) and the slowest form's
/// index and in-process time (slowest.txt), in a child process: a child's
/// peak memory counts what it inherited at the fork, so the process that
/// starts the measured ones never loads the engine.
void prepareInChild(const Options& options, const std::vector<SearchForm>& forms,
                    const fs::path& work) {
  const pid_t helper = fork();
  if (helper == 0) {
    BundledData bundled;
    if (!bundled.load(options.data)) _exit(1);
    std::string kana;
    for (const SearchForm& form : forms) kana += bundled.kana.toKana(form.form) + '\n';
    writeFile(work / "forms_kana.in", kana);
    const auto [slowest, slowestMs] = slowestInProcess(bundled, forms);
    writeFile(work / "slowest.txt", std::to_string(slowest) + ' ' + std::to_string(slowestMs));
    _exit(0);
  }
  int status = 0;
  if (helper < 0 || waitpid(helper, &status, 0) != helper || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    fail("cannot load the data in " + options.data.string());
  }
}

/// One scripted run of each program; MeCab's half may be missing.
struct Scenario {
  fs::path zunokaInput;
  fs::path mecabInput;  ///< empty: no MeCab counterpart
  fs::path directory;   ///< empty: the data directory
  std::vector<Usage> zunoka;
  std::vector<Usage> mecab;
};

std::string conjScript(const fs::path& words) {
  std::ifstream in(words);
  std::string line, script;
  while (std::getline(in, line)) {
    if (line.size() < 3) continue;
    script += line[0] == 'a' ? "conj -a \"" : "conj -v \"";
    script += line.substr(2);
    script += "\"\n1\n";
  }
  return script + "exit\n";
}

/// Three significant figures or so, never in exponent form.
std::string number(double value) {
  char text[64];
  const double size = std::fabs(value);
  std::snprintf(text, sizeof text, size >= 100 ? "%.0f" : size >= 10 ? "%.1f" : "%.2f", value);
  return text;
}

std::string times(const Usage& u, double scale = 1.0, const char* unit = "ms") {
  return number(u.cpuMs * scale) + " / " + number(u.wallMs * scale) + " " + unit;
}

std::string ratios(const Usage& ours, const Usage& theirs) {
  if (theirs.cpuMs <= 0 || theirs.wallMs <= 0) return "-";
  return "x" + number(ours.cpuMs / theirs.cpuMs) + " / x" + number(ours.wallMs / theirs.wallMs);
}

std::string verdict(const char* target, bool met) {
  return std::string(target) + (met ? ": met" : ": NOT MET");
}

void printRow(const std::string& figure, const std::string& ours, const std::string& theirs,
              const std::string& ratio, const std::string& target) {
  std::printf("%-46s %-20s %-24s %-17s %s\n", figure.c_str(), ours.c_str(), theirs.c_str(),
              ratio.c_str(), target.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = parseOptions(argc, argv);
  const std::vector<SearchForm> forms = readFormList(options.formList);
  if (forms.empty()) fail("no forms in " + options.formList.string());
  if (std::system((options.mecab + " -v > /dev/null 2>&1").c_str()) != 0 ||
      !fs::exists(fs::path(options.mecabDic) / "sys.dic")) {
    fail("needs " + options.mecab + " and a compiled EUC-JP dictionary in " + options.mecabDic);
  }
  const fs::path work = fs::temp_directory_path() / ("process_bench." + std::to_string(getpid()));
  fs::create_directories(work);
  const Program zunoka{options.zunoka, {}, options.data};
  const Program mecab{options.mecab, {"-d", options.mecabDic}, work};

  // The scripts. The forms go to MeCab as the kana the program spells them in.
  prepareInChild(options, forms, work);
  const std::string formKana = readFile(work / "forms_kana.in");
  std::size_t slowest = 0;
  double slowestMs = 0;
  std::istringstream(readFile(work / "slowest.txt")) >> slowest >> slowestMs;
  slowest = std::min(slowest, forms.size() - 1);
  std::string formScript;
  for (const SearchForm& form : forms) formScript += rconjLine(form);
  writeFile(work / "startup.in", "exit\n");
  writeFile(work / "one_line.in", formKana.substr(0, formKana.find('\n') + 1));
  writeFile(work / "dtest_v.in", "dtest -v\nyes\nexit\n");
  writeFile(work / "dtest_a.in", "dtest -a\nyes\nexit\n");
  writeFile(work / "readings_x3.in", repeated(readingLines(options.data / "Words_Verbs.dat"), 3));
  writeFile(work / "conj.in", conjScript(options.formList.parent_path() / "conj_words.txt"));

  // Repeat counts from one trial run of each against its start-up.
  writeFile(work / "rconj_1.in", formScript + "exit\n");
  writeFile(work / "mecab_10.in", repeated(formKana, 10));
  const double ourCopy =
      runOnce(zunoka, work / "rconj_1.in").cpuMs - runOnce(zunoka, work / "startup.in").cpuMs;
  const double theirCopy = (runOnce(mecab, work / "mecab_10.in").cpuMs -
                            runOnce(mecab, work / "one_line.in").cpuMs) / 10;
  const std::size_t ourCopies = copiesFor(ourCopy, 300, 50);
  const std::size_t theirCopies = copiesFor(theirCopy, 300, 2000);
  const std::size_t slowestCopies = copiesFor(slowestMs, 300, 2000);
  writeFile(work / "rconj.in", repeated(formScript, ourCopies) + "exit\n");
  writeFile(work / "mecab_forms.in", repeated(formKana, theirCopies));
  writeFile(work / "slowest.in", repeated(rconjLine(forms[slowest]), slowestCopies) + "exit\n");

  std::map<std::string, Scenario> scenarios{
      {"startup", {work / "startup.in", work / "one_line.in", {}, {}, {}}},
      {"rconj", {work / "rconj.in", work / "mecab_forms.in", {}, {}, {}}},
      {"slowest", {work / "slowest.in", {}, {}, {}, {}}},
      {"dtest_v", {work / "dtest_v.in", work / "readings_x3.in", {}, {}, {}}},
      {"dtest_a", {work / "dtest_a.in", {}, {}, {}, {}}},
      {"conj", {work / "conj.in", {}, {}, {}, {}}},
  };
  // Start-up with both dictionaries K times over, the rule files as they are.
  for (std::size_t k : options.scales) {
    const fs::path dir = work / "x" / std::to_string(k);
    fs::create_directories(dir);
    for (const char* rules : {"Rules_Verbs.dat", "Rules_VClass.dat", "Rules_Adj.dat"}) {
      fs::copy_file(options.data / rules, dir / rules);
    }
    for (const char* words : {"Words_Verbs.dat", "Words_Adj.dat"}) {
      writeFile(dir / words, repeatedDictionary(options.data / words, k));
    }
    scenarios["startup x" + std::to_string(k)] = {work / "startup.in", {}, dir, {}, {}};
  }

  for (int run = 0; run < options.runs; ++run) {
    for (auto& [name, scenario] : scenarios) {
      Program ours = zunoka;
      if (!scenario.directory.empty()) ours.directory = scenario.directory;
      scenario.zunoka.push_back(runOnce(ours, scenario.zunokaInput));
      if (!scenario.mecabInput.empty()) scenario.mecab.push_back(runOnce(mecab, scenario.mecabInput));
    }
  }
  fs::remove_all(work);

  const Usage ourStart = medianOf(scenarios["startup"].zunoka);
  const Usage theirStart = medianOf(scenarios["startup"].mecab);
  const double formCount = static_cast<double>(forms.size());
  const Usage ourForm = perItem(medianOf(scenarios["rconj"].zunoka), ourStart,
                                formCount * static_cast<double>(ourCopies));
  const Usage theirForm = perItem(medianOf(scenarios["rconj"].mecab), theirStart,
                                  formCount * static_cast<double>(theirCopies));
  const Usage ourSlowest = perItem(medianOf(scenarios["slowest"].zunoka), ourStart,
                                   static_cast<double>(slowestCopies));
  const Usage ourDtest = medianOf(scenarios["dtest_v"].zunoka);
  const Usage theirDtest = medianOf(scenarios["dtest_v"].mecab);

  std::printf("Whole process, medians of %d interleaved runs; times are CPU (user + system) / "
              "wall, targets judged on CPU.\nMeCab: %s -d %s\n\n",
              options.runs, options.mecab.c_str(), options.mecabDic.c_str());
  printRow("figure", "zunoka cpu / wall", "MeCab cpu / wall", "ratio cpu / wall", "target");
  printRow("start-up (exit at the prompt; MeCab: one line)", times(ourStart), times(theirStart),
           ratios(ourStart, theirStart), verdict("<= x3", ourStart.cpuMs <= 3 * theirStart.cpuMs));
  printRow("rconj per form (" + std::to_string(forms.size()) + " forms x " +
               std::to_string(ourCopies) + ")",
           times(ourForm, 1000, "us"),
           times(theirForm, 1000, "us") + " (x" + std::to_string(theirCopies) + ")",
           ratios(ourForm, theirForm), verdict("<= x25", ourForm.cpuMs <= 25 * theirForm.cpuMs));
  printRow("rconj slowest form, " + forms[slowest].form, times(ourSlowest),
           "(in process " + number(slowestMs) + " ms)", ratios(ourSlowest, theirForm),
           verdict("<= 2 ms", ourSlowest.cpuMs <= 2.0));
  printRow("dtest -v (MeCab: the verb readings x3)", times(ourDtest), times(theirDtest),
           ratios(ourDtest, theirDtest), verdict("<= x1", ourDtest.cpuMs <= theirDtest.cpuMs));
  printRow("dtest -a", times(medianOf(scenarios["dtest_a"].zunoka)), "", "", "");
  printRow("conj of bench/conj_words.txt, all cases", times(medianOf(scenarios["conj"].zunoka)),
           "", "", "");
  for (std::size_t k : options.scales) {
    const Usage big = medianOf(scenarios["startup x" + std::to_string(k)].zunoka);
    const double cpuGrowth = big.cpuMs / ourStart.cpuMs;
    const double memoryGrowth = big.rssMiB / ourStart.rssMiB;
    const std::string target = "<= x" + std::to_string(k);
    printRow("start-up, dictionaries x" + std::to_string(k), times(big),
             "memory " + number(big.rssMiB) + " MiB",
             "x" + number(cpuGrowth) + " / mem x" + number(memoryGrowth) + " of x1",
             verdict(target.c_str(),
                     cpuGrowth <= static_cast<double>(k) && memoryGrowth <= static_cast<double>(k)));
  }
  std::printf("\npeak RSS, MiB:");
  for (const auto& [name, scenario] : scenarios) {
    std::printf(" %s %s;", name.c_str(), number(medianOf(scenario.zunoka).rssMiB).c_str());
  }
  std::printf(" MeCab start-up %s, dtest %s\n", number(theirStart.rssMiB).c_str(),
              number(theirDtest.rssMiB).c_str());
  return 0;
}
