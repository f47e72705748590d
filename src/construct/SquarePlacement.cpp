#include "construct/SquarePlacement.h"

#include <algorithm>
#include <array>
#include <climits>
#include <numeric>

namespace zpx {

QuotationWords::QuotationWords(const TPuzzleRecord& record)
{
    for (auto& column : ids)
        std::fill(std::begin(column), std::end(column), -1);
    bool inWord = false;
    for (int r = 1; r <= record.height(); ++r)
        for (int c = 1; c <= record.width(); ++c) {
            if (record.isFilled(c, r)) {
                inWord = false;
                continue;
            }
            if (!inWord) {
                inWord = true;
                ++words;
                letters.emplace_back();
            }
            ids[c - 1][r - 1] = words - 1;
            const std::uint8_t letter = record.answer(c, r);
            if (letter >= 'A' && letter <= 'Z')
                letters.back() += static_cast<char>(letter);
        }
}

std::vector<int> heldSquares(const TPuzzleRecord& record, int word)
{
    std::vector<int> squares;
    for (int p = 1; p <= MaxWordLetters; ++p)
        if (const int square = record.slotSquareRef(letterSlot(p, word)))
            squares.push_back(square);
    return squares;
}

void setWordSquares(TPuzzleRecord& record, int word, const std::vector<int>& squares)
{
    for (int p = 1; p <= MaxWordLetters; ++p)
        clearSlot(record, letterSlot(p, word));
    for (const int square : squares)
        addSquareToWord(record, word, square / 100, square % 100);
}

namespace {

// A min-cost flow over a small graph, by successive shortest paths: the
// letters of one kind flowing from the words that need them to the quotation
// words that hold them free.
class LetterFlow {
public:
    explicit LetterFlow(int nodes) : adjacency(static_cast<std::size_t>(nodes)) {}

    void addArc(int from, int to, int capacity, int cost)
    {
        adjacency[from].push_back(static_cast<int>(arcs.size()));
        arcs.push_back({to, capacity, cost});
        adjacency[to].push_back(static_cast<int>(arcs.size()));
        arcs.push_back({from, 0, -cost});
    }

    // Sends as much as it can from source to sink at least cost.
    void run(int source, int sink)
    {
        const int n = static_cast<int>(adjacency.size());
        for (;;) {
            std::vector<int> distance(n, INT_MAX), via(n, -1);
            std::vector<bool> queued(n, false);
            std::vector<int> queue{source};
            distance[source] = 0;
            for (std::size_t head = 0; head < queue.size(); ++head) {
                const int node = queue[head];
                queued[node] = false;
                for (const int a : adjacency[node]) {
                    const Arc& arc = arcs[a];
                    if (arc.capacity > 0 && distance[node] + arc.cost < distance[arc.to]) {
                        distance[arc.to] = distance[node] + arc.cost;
                        via[arc.to] = a;
                        if (!queued[arc.to]) {
                            queued[arc.to] = true;
                            queue.push_back(arc.to);
                        }
                    }
                }
            }
            if (distance[sink] == INT_MAX)
                return;
            for (int node = sink; node != source; node = arcs[via[node] ^ 1].to) {
                --arcs[via[node]].capacity;
                ++arcs[via[node] ^ 1].capacity;
            }
        }
    }

    int flowOn(int arc) const { return arcs[arc ^ 1].capacity; }
    int arcCount() const { return static_cast<int>(arcs.size()); }

private:
    struct Arc {
        int to;
        int capacity;
        int cost;
    };
    std::vector<Arc> arcs;
    std::vector<std::vector<int>> adjacency;
};

class Placer {
public:
    Placer(const TPuzzleRecord& record, const std::vector<NewLetters>& requests)
        : quotation(record), requests(requests), words(requests.size()), wordsIn(quotation.count())
    {
        for (int c = 1; c <= record.width(); ++c)
            for (int r = 1; r <= record.height(); ++r) {
                const std::uint8_t letter = record.answer(c, r);
                if (record.squareSlot(c, r) == 0 && letter >= 'A' && letter <= 'Z')
                    freeSquares[letter - 'A'].push_back(squareRef(c, r));
            }
        held.assign(words, std::vector<int>(wordsIn, 0));
        placed.assign(26, std::vector<std::vector<int>>(words, std::vector<int>(wordsIn, 0)));
        for (std::size_t i = 0; i < words; ++i) {
            for (const int square : heldSquares(record, requests[i].word))
                if (const int q = quotation.atSquare(square); q >= 0)
                    ++held[i][q];
            for (const char letter : requests[i].letters)
                ++needed[letter - 'A'];
        }
    }

    bool enoughSquares() const
    {
        for (int l = 0; l < 26; ++l)
            if (needed[l] > static_cast<int>(freeSquares[l].size()))
                return false;
        return true;
    }

    // Each letter's squares chosen in turn, the others held where they are,
    // until a round brings no fewer repeats.
    Placement place()
    {
        std::vector<int> order;
        for (int l = 0; l < 26; ++l)
            if (needed[l] > 0)
                order.push_back(l);
        // The scarcest letters first: they have the least choice.
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            return static_cast<int>(freeSquares[a].size()) - needed[a] < static_cast<int>(freeSquares[b].size()) - needed[b];
        });
        int best = INT_MAX;
        for (int round = 0; round < 8; ++round) {
            for (const int letter : order)
                placeLetter(letter);
            const int repeats = totalRepeats();
            if (repeats >= best || repeats == 0) {
                best = std::min(best, repeats);
                break;
            }
            best = repeats;
        }
        return squaresChosen();
    }

private:
    int usage(std::size_t word, int q) const
    {
        int n = held[word][q];
        for (int l = 0; l < 26; ++l)
            n += placed[l][word][q];
        return n;
    }

    int totalRepeats() const
    {
        int repeats = 0;
        for (std::size_t i = 0; i < words; ++i)
            for (int q = 0; q < wordsIn; ++q)
                repeats += std::max(0, usage(i, q) - 1);
        return repeats;
    }

    void placeLetter(int letter)
    {
        for (auto& counts : placed[letter])
            std::fill(counts.begin(), counts.end(), 0);
        std::vector<int> supply(wordsIn, 0);
        for (const int square : freeSquares[letter])
            ++supply[quotation.atSquare(square)];

        const int source = 0, sink = 1, firstWord = 2, firstQuote = 2 + static_cast<int>(words);
        LetterFlow flow(firstQuote + wordsIn);
        struct Choice {
            std::size_t word;
            int q;
            int arc;
        };
        std::vector<Choice> choices;
        for (std::size_t i = 0; i < words; ++i) {
            const int need = static_cast<int>(std::count(requests[i].letters.begin(), requests[i].letters.end(), 'A' + letter));
            if (need == 0)
                continue;
            flow.addArc(source, firstWord + static_cast<int>(i), need, 0);
            for (int q = 0; q < wordsIn; ++q) {
                if (supply[q] == 0)
                    continue;
                // A first letter in a quotation word the word does not touch
                // yet is free of cost; every further one is a repeat.
                choices.push_back({i, q, flow.arcCount()});
                flow.addArc(firstWord + static_cast<int>(i), firstQuote + q, 1, usage(i, q) > 0 ? 1 : 0);
                choices.push_back({i, q, flow.arcCount()});
                flow.addArc(firstWord + static_cast<int>(i), firstQuote + q, need, 1);
            }
        }
        for (int q = 0; q < wordsIn; ++q)
            if (supply[q] > 0)
                flow.addArc(firstQuote + q, sink, supply[q], 0);
        flow.run(source, sink);
        for (const Choice& choice : choices)
            placed[letter][choice.word][choice.q] += flow.flowOn(choice.arc);
    }

    Placement squaresChosen() const
    {
        Placement result;
        result.repeats = totalRepeats();
        result.squares.resize(words);
        for (int letter = 0; letter < 26; ++letter) {
            std::vector<std::vector<int>> byQuote(wordsIn);
            for (const int square : freeSquares[letter])
                byQuote[quotation.atSquare(square)].push_back(square);
            std::vector<std::vector<int>> left = placed[letter];
            for (std::size_t i = 0; i < words; ++i)
                for (std::size_t k = 0; k < requests[i].letters.size(); ++k) {
                    if (requests[i].letters[k] != 'A' + letter)
                        continue;
                    const auto q = std::find_if(left[i].begin(), left[i].end(), [](int n) { return n > 0; });
                    --*q;
                    std::vector<int>& squares = byQuote[q - left[i].begin()];
                    result.squares[i].resize(requests[i].letters.size());
                    result.squares[i][k] = squares.back();
                    squares.pop_back();
                }
        }
        return result;
    }

    QuotationWords quotation;
    const std::vector<NewLetters>& requests;
    std::size_t words;
    int wordsIn;
    std::array<std::vector<int>, 26> freeSquares;
    std::array<int, 26> needed{};
    std::vector<std::vector<int>> held;                  // [request][quotation word]
    std::vector<std::vector<std::vector<int>>> placed;   // [letter][request][quotation word]
};

}  // namespace

std::optional<Placement> placeNewLetters(const TPuzzleRecord& record, const std::vector<NewLetters>& requests)
{
    Placer placer(record, requests);
    if (!placer.enoughSquares())
        return std::nullopt;
    return placer.place();
}

}  // namespace zpx
