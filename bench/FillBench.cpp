// Times Fill Remaining Words on made-up constructions of 150 to 250
// quotation letters and 20 to 30 words, checks every fill, and, with
// --glpsol, fills the same puzzles by a plain integer programme solved by
// GLPK's glpsol: one 0/1 variable per candidate word, the letter counts and
// the first-letter counts as equalities, no objective.
//
//   zpx_fill_bench [--puzzles N] [--seed S] [--level L] [--glpsol] [--glpsol-limit SECONDS]

#include "FillPuzzles.h"

#include "construct/AnswerContext.h"
#include "construct/AnswerFill.h"
#include "construct/AnswerSuggestions.h"
#include "construct/GridScan.h"
#include "construct/LetterCounts.h"
#include "construct/WordList.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace zpx;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

struct Options {
    int puzzles = 20;
    unsigned seed = 1;
    int level = DefaultWordListLevel;
    bool glpsol = false;
    int glpsolLimit = 300;
};

Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&] { return i + 1 < argc ? std::atoi(argv[++i]) : 0; };
        if (arg == "--puzzles")
            options.puzzles = next();
        else if (arg == "--seed")
            options.seed = static_cast<unsigned>(next());
        else if (arg == "--level")
            options.level = next();
        else if (arg == "--glpsol")
            options.glpsol = true;
        else if (arg == "--glpsol-limit")
            options.glpsolLimit = next();
        else {
            std::cerr << "usage: zpx_fill_bench [--puzzles N] [--seed S] [--level L] [--glpsol] [--glpsol-limit SECONDS]\n";
            std::exit(2);
        }
    }
    return options;
}

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// What is wrong with a filled construction; empty when nothing is.
std::string faults(const TPuzzleRecord& before, const FillPlan& plan, const WordList& list)
{
    TPuzzleRecord after = before;
    applyFill(after, plan);
    std::ostringstream out;
    if (!isComplete(after))
        out << " incomplete";
    if (!scanGrid(after).empty())
        out << " scan-matches";
    const AnswerContext context = readAnswerContext(before, list);
    std::set<int> stems(context.quotationStems.begin(), context.quotationStems.end());
    for (const PlannedAnswer& answer : plan.answers) {
        const ListWord* word = list.find(answer.text);
        if (!word)
            out << " not-a-word:" << answer.text;
        else if (!stems.insert(word->stem).second)
            out << " shared-stem:" << answer.text;
        if (!answer.text.starts_with(context.held[answer.word - 1]))
            out << " lost-start:" << answer.text;
    }
    return out.str();
}

struct GlpsolRun {
    double seconds = 0;
    bool solved = false;
    double meanLevel = 0;
    int sharedStems = 0;
};

// The plain integer programme of a fresh construction, solved by glpsol.
GlpsolRun runGlpsol(const TPuzzleRecord& record, const WordList& list, int limit)
{
    const AnswerContext context = readAnswerContext(record, list);
    std::map<std::string, int> starts;
    for (int w = 1; w <= context.wordCount; ++w)
        if (context.open[w - 1])
            ++starts[context.held[w - 1]];
    std::vector<const ListWord*> candidates;
    for (const auto& [start, count] : starts) {
        const auto [first, last] = list.extensionsOf(start);
        for (const ListWord* word = first; word != last; ++word) {
            std::array<int, 26> letters{};
            bool fits = true;
            for (std::size_t i = start.size(); i < word->text.size(); ++i)
                fits = ++letters[word->text[i] - 'A'] <= context.free[word->text[i] - 'A'] && fits;
            if (fits)
                candidates.push_back(word);
        }
    }
    const fs::path lp = fs::temp_directory_path() / ("zpx-fill-" + std::to_string(::getpid()) + ".lp");
    const fs::path solution = fs::path(lp).replace_extension(".sol");
    {
        std::ofstream out(lp);
        out << "Minimize\n obj:";
        for (std::size_t i = 0; i < candidates.size(); ++i)
            out << " + 0 x" << i;
        out << "\nSubject To\n";
        for (int l = 0; l < 26; ++l) {
            out << " letter" << char('A' + l) << ":";
            bool any = false;
            for (std::size_t i = 0; i < candidates.size(); ++i) {
                const std::string& text = candidates[i]->text;
                const auto start = starts.upper_bound(text);
                const std::size_t from = std::prev(start) != starts.end() && text.starts_with(std::prev(start)->first)
                                             ? std::prev(start)->first.size() : 1;
                const long n = std::count(text.begin() + static_cast<long>(from), text.end(), 'A' + l);
                if (n > 0) {
                    out << " + " << n << " x" << i;
                    any = true;
                }
            }
            out << (any ? "" : " 0 x0") << " = " << context.free[l] << '\n';
        }
        int row = 0;
        for (const auto& [start, count] : starts) {
            out << " start" << row++ << ":";
            for (std::size_t i = 0; i < candidates.size(); ++i)
                if (candidates[i]->text.starts_with(start))
                    out << " + x" << i;
            out << " = " << count << '\n';
        }
        out << "Binary\n";
        for (std::size_t i = 0; i < candidates.size(); ++i)
            out << " x" << i << '\n';
        out << "End\n";
    }
    GlpsolRun run;
    const std::string command = "glpsol --lp " + lp.string() + " --tmlim " + std::to_string(limit) + " -w " +
                                solution.string() + " >/dev/null 2>&1";
    const Clock::time_point started = Clock::now();
    const int status = std::system(command.c_str());
    run.seconds = seconds(Clock::now() - started);
    std::ifstream in(solution);
    std::string kind;
    std::set<int> stems;
    int levels = 0, chosen = 0;
    for (std::string line; status == 0 && std::getline(in, line);) {
        std::istringstream fields(line);
        fields >> kind;
        if (kind == "s") {
            std::string mip, rows, cols, state;
            fields >> mip >> rows >> cols >> state;
            run.solved = state == "o" || state == "f";
        } else if (kind == "j") {
            std::size_t column;
            double value;
            fields >> column >> value;
            if (value > 0.5 && column >= 1 && column <= candidates.size()) {
                const ListWord* word = candidates[column - 1];
                levels += word->level;
                ++chosen;
                run.sharedStems += stems.insert(word->stem).second ? 0 : 1;
            }
        }
    }
    run.meanLevel = chosen ? static_cast<double>(levels) / chosen : 0;
    fs::remove(lp);
    fs::remove(solution);
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    Clock::time_point started = Clock::now();
    const WordList list = loadScowlWordList(options.level);
    std::printf("word list: %zu words up to level %d, read in %.3f s\n", list.words().size(), options.level,
                seconds(Clock::now() - started));
    std::printf("%4s %7s %5s %9s %7s %7s %6s%s\n", "#", "letters", "words", "fill s", "level", "repeats", "faults",
                options.glpsol ? "  glpsol s  level  shared-stems" : "");
    std::mt19937 random(options.seed);
    std::vector<double> ours, theirs, ourLevels, theirLevels, ratios, suggesting;
    int failed = 0;
    for (int i = 1; i <= options.puzzles; ++i) {
        const bench::MadePuzzle made = bench::madeFillPuzzle(list, random);
        const int letters = countFreeLetters(made.record).remaining() + static_cast<int>(readAnswerContext(made.record, list).wordCount);
        for (int w = 1; w <= readAnswerContext(made.record, list).wordCount; ++w) {
            started = Clock::now();
            suggestAnswers(made.record, list, w, 20);
            suggesting.push_back(seconds(Clock::now() - started));
        }
        started = Clock::now();
        const FillPlan plan = planFill(made.record, list, FillLimits{});
        const double took = seconds(Clock::now() - started);
        ours.push_back(took);
        double level = 0;
        for (const PlannedAnswer& answer : plan.answers)
            level += answer.level;
        level = plan.answers.empty() ? 0 : level / plan.answers.size();
        const std::string wrong = plan.status == FillStatus::Filled ? faults(made.record, plan, list) : " no fill";
        failed += wrong.empty() ? 0 : 1;
        if (plan.status == FillStatus::Filled)
            ourLevels.push_back(level);
        std::printf("%4d %7d %5d %9.3f %7.1f %7d %6s", i, letters, readAnswerContext(made.record, list).wordCount,
                    took, level, plan.repeats, wrong.empty() ? "none" : wrong.c_str());
        if (options.glpsol) {
            const GlpsolRun run = runGlpsol(made.record, list, options.glpsolLimit);
            theirs.push_back(run.seconds);
            ratios.push_back(run.seconds / took);
            if (run.solved)
                theirLevels.push_back(run.meanLevel);
            std::printf("  %8.2f%s %6.1f %6d", run.seconds, run.solved ? " " : "*", run.meanLevel, run.sharedStems);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    auto mean = [](const std::vector<double>& v) {
        double s = 0;
        for (const double x : v)
            s += x;
        return v.empty() ? 0.0 : s / v.size();
    };
    std::printf("\nfill: median %.3f s, worst %.3f s, mean level %.1f, %d of %d with faults or no fill\n", median(ours),
                *std::max_element(ours.begin(), ours.end()), mean(ourLevels), failed, options.puzzles);
    std::printf("suggestions for one word (20, word list read): median %.4f s, worst %.4f s\n", median(suggesting),
                *std::max_element(suggesting.begin(), suggesting.end()));
    if (options.glpsol)
        std::printf("glpsol: median %.2f s, worst %.2f s, mean level %.1f, %zu of %d solved (* = not within the limit); "
                    "glpsol time / fill time: median %.0f, least %.0f\n",
                    median(theirs), *std::max_element(theirs.begin(), theirs.end()), mean(theirLevels),
                    theirLevels.size(), options.puzzles, median(ratios), *std::min_element(ratios.begin(), ratios.end()));
    return failed == 0 ? 0 : 1;
}
