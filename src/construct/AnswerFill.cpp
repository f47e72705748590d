#include "construct/AnswerFill.h"

#include "construct/AnswerContext.h"
#include "construct/LetterBag.h"
#include "construct/SquarePlacement.h"

#include <algorithm>
#include <bitset>
#include <climits>
#include <cmath>
#include <optional>
#include <numeric>
#include <random>
#include <unordered_map>

namespace zpx {

namespace {

using Clock = std::chrono::steady_clock;

// How the search orders a word's candidates (lower scores first): by level,
// by how much they take of the letters the pool has too many of, and by how
// far their length is from the letters left per word. Measured on made-up
// constructions (bench/FillBench.cpp).
constexpr double LevelWeight = 0.05;
constexpr double SurplusWeight = 3.0;
constexpr double LengthWeight = 6.0;
// The search starts again, with its order shaken up, after this many steps
// (twice as many from the second start on); a repair runs in between.
constexpr long SearchSteps = 2000;
// A repair changes this many answers before it gives up; it tries to close
// the gap with one answer below 13 letters off, with two below 7.
constexpr std::size_t RepairSteps = 8000;
constexpr int SingleCloseGap = 12;
constexpr int PairCloseGap = 6;
// Levels count a little in a repair: a level-60 word is worth 1.8 letters off.
constexpr double RepairLevelWeight = 0.03;

struct Candidate {
    LetterBag bag;   // the letters it adds to the word's start
    int length = 0;  // how many
    int level = 0;
    int stem = 0;
    const ListWord* word = nullptr;
};

// The open words that start alike share their candidates.
struct Group {
    std::string start;
    std::vector<int> words;
    std::vector<Candidate> candidates;  // most common first
    std::unordered_map<LetterBag, std::vector<int>, LetterBagHash> byLetters;  // most common first
    int minLevel = INT_MAX;
};

class FillSearch {
public:
    FillSearch(const TPuzzleRecord& record, const WordList& list, const FillLimits& limits)
        : record(record), context(readAnswerContext(record, list)), limits(limits),
          deadline(Clock::now() + limits.time), stemUsed(static_cast<std::size_t>(list.stemCount()), 0)
    {
        for (int w = 1; w <= context.wordCount; ++w)
            if (context.open[w - 1])
                groupOf(context.held[w - 1]).words.push_back(w);
        for (const int stem : context.stemsBarredFor(0))
            stemUsed[stem] = 1;
        for (int l = 0; l < 26; ++l)
            pool.add(l, context.free[l]);
        poolSize = context.freeTotal();
        for (Group& group : groups)
            if (!halted())
                collectCandidates(group, list);
    }

    FillPlan run()
    {
        FillPlan plan;
        if (halted()) {
            plan.status = cancelled ? FillStatus::Cancelled : FillStatus::OutOfTime;
            return plan;
        }
        if (groups.empty()) {
            plan.status = poolSize == 0 ? FillStatus::NothingToFill : FillStatus::Impossible;
            return plan;
        }
        if (!poolRepresentable())
            return plan;
        need.resize(groups.size());
        chosen.resize(groups.size());
        fits.assign(openWordCount() + 1, std::vector<std::vector<int>>(groups.size()));
        reaches.assign(openWordCount() + 1, std::vector<Reach>(groups.size()));
        for (std::size_t g = 0; g < groups.size(); ++g) {
            need[g] = static_cast<int>(groups[g].words.size());
            allCandidates.emplace_back(groups[g].candidates.size());
            std::iota(allCandidates.back().begin(), allCandidates.back().end(), 0);
        }
        std::mt19937 random(1);
        for (int attempt = 0; !best && !halted() && Clock::now() < softDeadline; ++attempt) {
            nodes = 0;
            nodeLimit = attempt == 0 ? SearchSteps : 2 * SearchSteps;
            noise = attempt == 0 ? 0.0 : 0.5 * std::min(attempt, 8);
            this->random = &random;
            aborted = false;
            search(0);
            if (!aborted)
                break;  // the whole tree was searched
            if (!best && !halted())
                repair(random);
        }
        if (!best)
            best = reserve;
        if (!best) {
            plan.status = cancelled ? FillStatus::Cancelled : outOfTime ? FillStatus::OutOfTime : FillStatus::Impossible;
            return plan;
        }
        improve();
        if (cancelled) {
            plan.status = FillStatus::Cancelled;
            return plan;
        }
        return planOf(*best);
    }

private:
    struct Solution {
        std::vector<std::vector<int>> chosen;  // [group]: candidate indices, one per word
        Placement placement;
    };

    Group& groupOf(const std::string& start)
    {
        for (Group& group : groups)
            if (group.start == start)
                return group;
        groups.push_back({start, {}, {}, {}, INT_MAX});
        return groups.back();
    }

    void collectCandidates(Group& group, const WordList& list)
    {
        const auto [first, last] = list.extensionsOf(group.start);
        for (const ListWord* word = first; word != last; ++word) {
            if ((word - first) % 1024 == 1023 && halted())
                return;
            if (stemUsed[word->stem] || word->text.size() > MaxWordLetters)
                continue;
            const std::string_view added = std::string_view(word->text).substr(group.start.size());
            const LetterBag bag = LetterBag::of(added);
            if (!bag.fitsIn(pool))
                continue;
            group.candidates.push_back({bag, static_cast<int>(added.size()), word->level, word->stem, &*word});
        }
        std::stable_sort(group.candidates.begin(), group.candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.level < b.level; });
        for (std::size_t i = 0; i < group.candidates.size(); ++i)
            group.byLetters[group.candidates[i].bag].push_back(static_cast<int>(i));
        if (!group.candidates.empty())
            group.minLevel = group.candidates.front().level;
        for (const Candidate& candidate : group.candidates)
            for (int l = 0; l < 26; ++l)
                letterShare[l] += candidate.bag.count(l);
    }

    bool poolRepresentable() const
    {
        return std::all_of(context.free.begin(), context.free.end(), [](int n) { return n <= LetterBag::MaxCount; });
    }

    int openWordCount() const
    {
        return std::accumulate(groups.begin(), groups.end(), 0,
                               [](int n, const Group& group) { return n + static_cast<int>(group.words.size()); });
    }

    bool halted()
    {
        if (limits.cancel && limits.cancel->load(std::memory_order_relaxed))
            cancelled = true;
        else if (Clock::now() >= deadline)
            outOfTime = true;
        return cancelled || outOfTime;
    }

    void take(std::size_t g, int index)
    {
        const Candidate& candidate = groups[g].candidates[index];
        pool = pool - candidate.bag;
        poolSize -= candidate.length;
        stemUsed[candidate.stem] = 1;
        --need[g];
        chosen[g].push_back(index);
    }

    void putBack(std::size_t g)
    {
        const Candidate& candidate = groups[g].candidates[chosen[g].back()];
        pool = pool + candidate.bag;
        poolSize += candidate.length;
        stemUsed[candidate.stem] = 0;
        ++need[g];
        chosen[g].pop_back();
    }

    // Narrows each group's candidates to those the letters left allow and
    // tells whether the words left could still use up those letters.
    bool narrow(std::size_t depth)
    {
        std::array<int, 26> canTake{};
        int shortest = 0, longest = 0;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            if (need[g] == 0)
                continue;
            const std::vector<int>& from = depth == 0 ? allCandidates[g] : fits[depth - 1][g];
            std::vector<int>& fit = fits[depth][g];
            Reach& reach = reaches[depth][g];
            fit.clear();
            reach = Reach{};
            for (const int index : from) {
                const Candidate& candidate = groups[g].candidates[index];
                if (stemUsed[candidate.stem] || !candidate.bag.fitsIn(pool))
                    continue;
                fit.push_back(index);
                reach.most = LetterBag::max(reach.most, candidate.bag);
                reach.shortest = std::min(reach.shortest, candidate.length);
                reach.longest = std::max(reach.longest, candidate.length);
                reach.lengths[candidate.length] = true;
            }
            if (static_cast<int>(fit.size()) < need[g])
                return false;
            shortest += need[g] * reach.shortest;
            longest += need[g] * reach.longest;
            for (int l = 0; l < 26; ++l)
                canTake[l] += need[g] * reach.most.count(l);
        }
        if (poolSize < shortest || poolSize > longest)
            return false;
        for (int l = 0; l < 26; ++l)
            if (canTake[l] < pool.count(l))
                return false;
        return true;
    }

    bool search(std::size_t depth)
    {
        if (aborted || ++nodes > nodeLimit || ((nodes & 63) == 0 && (halted() || Clock::now() > softDeadline))) {
            aborted = true;
            return false;
        }
        const int left = std::accumulate(need.begin(), need.end(), 0);
        if (left == 0)
            return poolSize == 0 && accept();
        if (!narrow(depth))
            return false;
        if (left == 1)
            return finishOne();
        if (left == 2)
            return finishTwo(depth);

        std::size_t g = groups.size();
        for (std::size_t i = 0; i < groups.size(); ++i)
            if (need[i] > 0 && (g == groups.size() || fits[depth][i].size() * need[g] < fits[depth][g].size() * need[i]))
                g = i;
        const std::vector<int> order = ordered(depth, g, left);
        for (const int index : order) {
            take(g, index);
            // With two words left, the narrowing is skipped for speed: the
            // pair is looked up among the candidates narrowed here.
            const bool found = left == 3 ? finishTwo(depth) : search(depth + 1);
            putBack(g);
            if (found)
                return true;
            if (aborted)
                return false;
        }
        return false;
    }

    // The candidates most common and richest in the letters the pool has
    // most of, for its size, come first: what the last words are left with
    // should look like the letters of ordinary words.
    std::vector<int> ordered(std::size_t depth, std::size_t g, int left)
    {
        std::array<double, 26> surplus{};
        const double total = std::accumulate(letterShare.begin(), letterShare.end(), 0.0);
        for (int l = 0; l < 26; ++l)
            surplus[l] = std::log(std::max(pool.count(l) / (poolSize * std::max(letterShare[l] / total, 1e-4)), 0.05));
        const double perWord = static_cast<double>(poolSize) / left;
        std::uniform_real_distribution<double> jitter(0.0, noise);
        std::vector<std::pair<double, int>> scored;
        for (const int index : fits[depth][g]) {
            const Candidate& candidate = groups[g].candidates[index];
            double use = 0;
            for (int l = 0; l < 26; ++l)
                use += candidate.bag.count(l) * surplus[l];
            const double lengthMiss = std::abs(candidate.length - perWord) / perWord;
            const double score = candidate.level * LevelWeight - SurplusWeight * use / perWord +
                                 LengthWeight * lengthMiss + (noise > 0 ? jitter(*random) : 0.0);
            scored.emplace_back(score, index);
        }
        std::sort(scored.begin(), scored.end());
        std::vector<int> order;
        order.reserve(scored.size());
        for (const auto& entry : scored)
            order.push_back(entry.second);
        return order;
    }

    bool finishOne()
    {
        const std::size_t g = static_cast<std::size_t>(std::find(need.begin(), need.end(), 1) - need.begin());
        const int index = unusedWithLetters(groups[g], pool, -1);
        if (index < 0)
            return false;
        take(g, index);
        const bool found = accept();
        putBack(g);
        return found;
    }

    // The last two words, looked up exactly: each candidate of one (among
    // those narrowed at `depth`) with the one candidate of the other that
    // takes the rest of the letters.
    bool finishTwo(std::size_t depth)
    {
        std::size_t a = groups.size(), b = groups.size();
        for (std::size_t g = 0; g < groups.size(); ++g)
            for (int n = 0; n < need[g]; ++n)
                (a == groups.size() ? a : b) = g;
        const Reach& reachA = reaches[depth][a];
        const Reach& reachB = reaches[depth][b];
        if (poolSize < reachA.shortest + reachB.shortest || poolSize > reachA.longest + reachB.longest ||
            !pool.fitsIn(reachA.most + reachB.most))
            return false;
        if (fits[depth][b].size() < fits[depth][a].size())
            std::swap(a, b);
        const Reach& other = reaches[depth][b];
        for (const int first : fits[depth][a]) {
            if ((++nodes & 1023) == 0 && halted()) {
                aborted = true;
                return false;
            }
            const Candidate& candidate = groups[a].candidates[first];
            const int rest = poolSize - candidate.length;
            if (rest < 0 || rest > MaxWordLetters || !other.lengths[rest] || stemUsed[candidate.stem] || !candidate.bag.fitsIn(pool) ||
                !(pool - candidate.bag).fitsIn(other.most))
                continue;
            const int second = unusedWithLetters(groups[b], pool - candidate.bag, candidate.stem);
            if (second < 0)
                continue;
            take(a, first);
            take(b, second);
            const bool found = accept();
            putBack(b);
            putBack(a);
            if (found)
                return true;
        }
        return false;
    }

    // When the search keeps failing on its last words: every word gets a
    // candidate, letters over or short allowed, and single answers are
    // changed to bring the letters used closer to the letters free, until one
    // answer, or a pair of answers looked up exactly, can take up the rest.
    void repair(std::mt19937& random)
    {
        std::vector<std::size_t> slotGroup;
        for (std::size_t g = 0; g < groups.size(); ++g)
            for (std::size_t k = 0; k < groups[g].words.size(); ++k)
                slotGroup.push_back(g);
        const std::size_t slots = slotGroup.size();
        std::vector<int> pick(slots, -1);
        std::array<int, 26> short_{};  // letters free and not used (negative: used more than free)
        for (int l = 0; l < 26; ++l)
            short_[l] = pool.count(l);
        auto change = [&](std::size_t slot, int index) {
            const Group& group = groups[slotGroup[slot]];
            if (pick[slot] >= 0) {
                stemUsed[group.candidates[pick[slot]].stem] = 0;
                for (int l = 0; l < 26; ++l)
                    short_[l] += group.candidates[pick[slot]].bag.count(l);
            }
            pick[slot] = index;
            stemUsed[group.candidates[index].stem] = 1;
            for (int l = 0; l < 26; ++l)
                short_[l] -= group.candidates[index].bag.count(l);
        };
        auto imbalance = [&] {
            int n = 0;
            for (const int d : short_)
                n += std::abs(d);
            return n;
        };
        const std::vector<char> stemsBefore = stemUsed;
        std::vector<std::size_t> tabu(slots, 0);
        for (std::size_t step = 1; step < RepairSteps && !halted() && Clock::now() < softDeadline; ++step) {
            // Each slot in turn, or the one changed longest ago.
            std::size_t slot = step <= slots ? step - 1 : random() % slots;
            if (step > slots)
                for (int tries = 0; tries < 4 && tabu[slot] + slots / 2 > step; ++tries)
                    slot = random() % slots;
            const Group& group = groups[slotGroup[slot]];
            const int old = pick[slot];
            if (old >= 0)
                stemUsed[group.candidates[old].stem] = 0;
            int chosen = -1;
            double chosenCost = 1e18;
            std::uniform_real_distribution<double> jitter(0.0, 1.0);
            // The letters this slot should take: what it holds and what is
            // short, split into what is wanted and what is too much.
            LetterBag wanted;
            int tooMuch = 0;
            for (int l = 0; l < 26; ++l) {
                const int target = short_[l] + (old >= 0 ? group.candidates[old].bag.count(l) : 0);
                if (target > 0)
                    wanted.add(l, std::min(target, LetterBag::MaxCount));
                else
                    tooMuch -= target;
            }
            const int wantedSize = wanted.size();
            for (std::size_t i = 0; i < group.candidates.size(); ++i) {
                const Candidate& candidate = group.candidates[i];
                if (stemUsed[candidate.stem] || static_cast<int>(i) == old)
                    continue;
                const int cost = wantedSize + candidate.length - 2 * LetterBag::min(wanted, candidate.bag).size() + tooMuch;
                const double total = cost + candidate.level * RepairLevelWeight + jitter(random) * 0.9;
                if (total < chosenCost) {
                    chosenCost = total;
                    chosen = static_cast<int>(i);
                }
            }
            if (old >= 0)
                stemUsed[group.candidates[old].stem] = 1;
            if (chosen < 0)
                continue;
            change(slot, chosen);
            tabu[slot] = step;
            const int off = imbalance();
            if (step >= slots && off <= SingleCloseGap && closeExactly(slotGroup, pick, short_, off <= PairCloseGap && step % 2 == 0))
                break;
        }
        stemUsed = stemsBefore;
    }

    // One answer or two changed so that the letters come out exactly; then
    // the fill is offered to accept().
    bool closeExactly(const std::vector<std::size_t>& slotGroup, const std::vector<int>& pick,
                      const std::array<int, 26>& short_, bool pairs)
    {
        auto letterBag = [&](std::size_t slot) { return groups[slotGroup[slot]].candidates[pick[slot]].bag; };
        LetterBag over, under;  // letters used and not free; free and not used
        for (int l = 0; l < 26; ++l)
            (short_[l] < 0 ? over : under).add(l, std::abs(short_[l]));
        auto tryPick = [&](std::vector<int> trial) {
            for (std::size_t g = 0; g < groups.size(); ++g)
                chosen[g].clear();
            for (std::size_t slot = 0; slot < trial.size(); ++slot)
                chosen[slotGroup[slot]].push_back(trial[slot]);
            const bool found = accept();
            for (std::size_t g = 0; g < groups.size(); ++g)
                chosen[g].clear();
            return found;
        };
        for (std::size_t i = 0; i < pick.size(); ++i) {
            const LetterBag mine = letterBag(i);
            if (!over.fitsIn(mine + under))
                continue;
            const Group& group = groups[slotGroup[i]];
            stemUsed[group.candidates[pick[i]].stem] = 0;
            const int index = unusedWithLetters(group, mine + under - over, -1);
            stemUsed[group.candidates[pick[i]].stem] = 1;
            if (index >= 0) {
                std::vector<int> trial = pick;
                trial[i] = index;
                if (tryPick(trial))
                    return true;
            }
        }
        for (std::size_t i = 0; pairs && i < pick.size() && !halted(); ++i)
            for (std::size_t j = i + 1; j < pick.size(); ++j) {
                const LetterBag both = letterBag(i) + letterBag(j);
                if (!over.fitsIn(both + under))
                    continue;
                const LetterBag target = both + under - over;
                const Group& a = groups[slotGroup[i]];
                const Group& b = groups[slotGroup[j]];
                stemUsed[a.candidates[pick[i]].stem] = stemUsed[b.candidates[pick[j]].stem] = 0;
                int foundA = -1, foundB = -1;
                for (std::size_t k = 0; k < a.candidates.size() && foundA < 0; ++k) {
                    const Candidate& candidate = a.candidates[k];
                    if (stemUsed[candidate.stem] || !candidate.bag.fitsIn(target))
                        continue;
                    const int other = unusedWithLetters(b, target - candidate.bag, candidate.stem);
                    if (other >= 0) {
                        foundA = static_cast<int>(k);
                        foundB = other;
                    }
                }
                stemUsed[a.candidates[pick[i]].stem] = stemUsed[b.candidates[pick[j]].stem] = 1;
                if (foundA >= 0) {
                    std::vector<int> trial = pick;
                    trial[i] = foundA;
                    trial[j] = foundB;
                    if (tryPick(trial))
                        return true;
                }
            }
        return false;
    }

    // The most common candidate of the group with exactly these letters whose
    // stem is free and not `otherStem`; -1 for none.
    int unusedWithLetters(const Group& group, const LetterBag& letters, int otherStem) const
    {
        const auto bucket = group.byLetters.find(letters);
        if (bucket == group.byLetters.end())
            return -1;
        for (const int index : bucket->second) {
            const int stem = group.candidates[index].stem;
            if (!stemUsed[stem] && stem != otherStem)
                return index;
        }
        return -1;
    }

    std::vector<NewLetters> requestsOf(const std::vector<std::vector<int>>& choice) const
    {
        std::vector<NewLetters> requests;
        for (std::size_t g = 0; g < groups.size(); ++g)
            for (std::size_t k = 0; k < choice[g].size(); ++k) {
                const Candidate& candidate = groups[g].candidates[choice[g][k]];
                requests.push_back({groups[g].words[k], candidate.word->text.substr(groups[g].start.size())});
            }
        return requests;
    }

    // A complete choice of words: kept when its letters can be placed with
    // no repeat; one with repeats is only kept in reserve, and the search
    // goes on for a short while to find one without.
    bool accept()
    {
        const std::optional<Placement> placement = placeNewLetters(record, requestsOf(chosen));
        if (!placement)
            return false;
        if (!reserve || placement->repeats < reserve->placement.repeats) {
            reserve = Solution{chosen, *placement};
            softDeadline = std::min(softDeadline, Clock::now() + std::chrono::seconds(1));
        }
        if (placement->repeats > 0)
            return false;
        best = reserve;
        return true;
    }

    // Replaces two answers at a time by the most common pair of candidates
    // that uses the same letters, as long as that makes the fill more common.
    void improve()
    {
        Solution& solution = *best;
        std::vector<std::pair<std::size_t, std::size_t>> slots;  // (group, index in its chosen list)
        for (std::size_t g = 0; g < groups.size(); ++g)
            for (std::size_t k = 0; k < solution.chosen[g].size(); ++k)
                slots.emplace_back(g, k);
        std::fill(stemUsed.begin(), stemUsed.end(), 0);
        for (const int stem : context.stemsBarredFor(0))
            stemUsed[stem] = 1;
        for (const auto& [g, k] : slots)
            stemUsed[groups[g].candidates[solution.chosen[g][k]].stem] = 1;

        for (std::size_t i = 0; i < slots.size() && solution.placement.repeats > 0 && !halted(); ++i)
            for (std::size_t j = i + 1; j < slots.size() && solution.placement.repeats > 0; ++j)
                fewerRepeats(solution, slots[i], slots[j]);
        for (bool better = true; better && !halted();) {
            better = false;
            for (std::size_t i = 0; i < slots.size() && !halted(); ++i)
                for (std::size_t j = i + 1; j < slots.size(); ++j)
                    better = improvePair(solution, slots[i], slots[j]) || better;
        }
    }

    // A fill whose letters Scan Grid would find: two answers at a time take
    // other words of the same letters, the most common first, while that
    // lets the letters be placed with fewer repeats.
    void fewerRepeats(Solution& solution, std::pair<std::size_t, std::size_t> a, std::pair<std::size_t, std::size_t> b)
    {
        constexpr int TriesPerPair = 8;
        int& indexA = solution.chosen[a.first][a.second];
        int& indexB = solution.chosen[b.first][b.second];
        const Group& groupA = groups[a.first];
        const Group& groupB = groups[b.first];
        const int keptA = indexA, keptB = indexB;
        const LetterBag letters = groupA.candidates[keptA].bag + groupB.candidates[keptB].bag;
        stemUsed[groupA.candidates[keptA].stem] = stemUsed[groupB.candidates[keptB].stem] = 0;
        int tries = 0;
        for (std::size_t i = 0; i < groupA.candidates.size() && tries < TriesPerPair; ++i) {
            const Candidate& candidate = groupA.candidates[i];
            if (static_cast<int>(i) == keptA || stemUsed[candidate.stem] || !candidate.bag.fitsIn(letters))
                continue;
            const int other = unusedWithLetters(groupB, letters - candidate.bag, candidate.stem);
            if (other < 0)
                continue;
            ++tries;
            indexA = static_cast<int>(i);
            indexB = other;
            const std::optional<Placement> placement = placeNewLetters(record, requestsOf(solution.chosen));
            if (placement && placement->repeats < solution.placement.repeats) {
                solution.placement = *placement;
                break;
            }
            indexA = keptA;
            indexB = keptB;
        }
        stemUsed[groupA.candidates[indexA].stem] = stemUsed[groupB.candidates[indexB].stem] = 1;
    }

    bool improvePair(Solution& solution, std::pair<std::size_t, std::size_t> a, std::pair<std::size_t, std::size_t> b)
    {
        int& indexA = solution.chosen[a.first][a.second];
        int& indexB = solution.chosen[b.first][b.second];
        const Group& groupA = groups[a.first];
        const Group& groupB = groups[b.first];
        const Candidate& oldA = groupA.candidates[indexA];
        const Candidate& oldB = groupB.candidates[indexB];
        const LetterBag letters = oldA.bag + oldB.bag;
        int bestLevel = oldA.level + oldB.level, bestA = -1, bestB = -1;
        stemUsed[oldA.stem] = stemUsed[oldB.stem] = 0;
        for (std::size_t i = 0; i < groupA.candidates.size(); ++i) {
            const Candidate& candidate = groupA.candidates[i];
            if (candidate.level + groupB.minLevel >= bestLevel)
                break;
            if (stemUsed[candidate.stem] || !candidate.bag.fitsIn(letters))
                continue;
            const int other = unusedWithLetters(groupB, letters - candidate.bag, candidate.stem);
            if (other >= 0 && candidate.level + groupB.candidates[other].level < bestLevel) {
                bestLevel = candidate.level + groupB.candidates[other].level;
                bestA = static_cast<int>(i);
                bestB = other;
            }
        }
        stemUsed[oldA.stem] = stemUsed[oldB.stem] = 1;
        if (bestA < 0)
            return false;
        const int keptA = indexA, keptB = indexB;
        indexA = bestA;
        indexB = bestB;
        const std::optional<Placement> placement = placeNewLetters(record, requestsOf(solution.chosen));
        if (!placement || placement->repeats > solution.placement.repeats) {
            indexA = keptA;
            indexB = keptB;
            return false;
        }
        stemUsed[groups[a.first].candidates[keptA].stem] = stemUsed[groups[b.first].candidates[keptB].stem] = 0;
        stemUsed[groupA.candidates[indexA].stem] = stemUsed[groupB.candidates[indexB].stem] = 1;
        solution.placement = *placement;
        return true;
    }

    FillPlan planOf(const Solution& solution) const
    {
        FillPlan plan;
        plan.status = FillStatus::Filled;
        plan.repeats = solution.placement.repeats;
        const std::vector<NewLetters> requests = requestsOf(solution.chosen);
        std::size_t i = 0;
        for (std::size_t g = 0; g < groups.size(); ++g)
            for (const int index : solution.chosen[g]) {
                const int w = requests[i].word;
                PlannedAnswer answer{w, context.held[w - 1] + requests[i].letters, groups[g].candidates[index].level,
                                     heldSquares(record, w)};
                answer.squares.insert(answer.squares.end(), solution.placement.squares[i].begin(),
                                      solution.placement.squares[i].end());
                plan.answers.push_back(std::move(answer));
                ++i;
            }
        std::sort(plan.answers.begin(), plan.answers.end(),
                  [](const PlannedAnswer& a, const PlannedAnswer& b) { return a.word < b.word; });
        return plan;
    }

    const TPuzzleRecord& record;
    const AnswerContext context;
    const FillLimits limits;
    const Clock::time_point deadline;
    Clock::time_point softDeadline = Clock::time_point::max();
    bool cancelled = false;
    bool outOfTime = false;

    std::vector<Group> groups;
    std::array<double, 26> letterShare{};
    std::vector<std::vector<int>> allCandidates;
    std::vector<std::vector<std::vector<int>>> fits;  // [depth][group]
    // What a group's narrowed candidates can add: the most of each letter,
    // the fewest and the most letters.
    struct Reach {
        LetterBag most;
        int shortest = INT_MAX;
        int longest = 0;
        std::bitset<MaxWordLetters + 1> lengths;
    };
    std::vector<std::vector<Reach>> reaches;  // [depth][group]

    LetterBag pool;
    int poolSize = 0;
    std::vector<int> need;                  // [group]: words still without an answer
    std::vector<std::vector<int>> chosen;   // [group]
    std::vector<char> stemUsed;

    long nodes = 0;
    long nodeLimit = 0;
    bool aborted = false;
    double noise = 0;
    std::mt19937* random = nullptr;
    std::optional<Solution> reserve;
    std::optional<Solution> best;
};

}  // namespace

FillPlan planFill(const TPuzzleRecord& record, const WordList& list, const FillLimits& limits)
{
    return FillSearch(record, list, limits).run();
}

void applyFill(TPuzzleRecord& record, const FillPlan& plan)
{
    for (const PlannedAnswer& answer : plan.answers)
        setWordSquares(record, answer.word, answer.squares);
}

void applyFill(PuzzleEdits& edits, const FillPlan& plan)
{
    edits.apply(EditStep::Fill, [&](TPuzzleRecord& record) { applyFill(record, plan); });
}

std::string fillRefusalText(const FillPlan& plan, const FillLimits& limits)
{
    switch (plan.status) {
    case FillStatus::OutOfTime: {
        const long long seconds = std::chrono::duration_cast<std::chrono::seconds>(limits.time).count();
        return "No fill was found within " + std::to_string(seconds) + (seconds == 1 ? " second." : " seconds.");
    }
    case FillStatus::Cancelled:
        return "The fill was cancelled.";
    case FillStatus::NothingToFill:
        return "Every acrostic word is complete.";
    default:
        return "No fill exists: the free letters cannot all be used in words of the list.";
    }
}

}  // namespace zpx
