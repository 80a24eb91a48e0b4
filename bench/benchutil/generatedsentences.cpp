#include "benchutil/generatedsentences.h"

#include "model/areatypes.h"

#include <iterator>
#include <random>
#include <string>

std::unique_ptr<TSentenceList> MakeGeneratedSentences(int count)
{
    auto d = std::make_unique<TSentenceList>();
    static const char* const words[] = {
        "the", "old", "forest", "path", "winds", "between", "tall", "trees", "and", "a", "cold", "wind",
        "blows", "from", "north", "river", "stones", "Moss", "covers", "ground", "birds", "sing", "far",
        "away", "\xC8" "ern\xFD", "les", "\x9Aum\xED", "tich\xE1", "voda", "mountain", "cave", "dark"};
    static const char* const terminators = ".?!";
    std::mt19937 rng(42);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int i = 0; i < count; ++i) {
        TSentence s;
        const int n = 6 + pick(12);
        for (int w = 0; w < n; ++w) {
            if (w)
                s.Sentence += ' ';
            s.Sentence += words[pick(std::size(words))];
        }
        s.Sentence += terminators[pick(3)];
        s.Category = "Category " + std::to_string(pick(40));
        s.Desc = pick(4) == 0 ? "imported from area " + std::to_string(pick(200)) : "";
        for (int t = 0, types = 1 + pick(3); t < types; ++t)
            s.AreaTypes |= 1u << (1 + pick(AreaTypeCount));
        d->AddCopy(s);
    }
    return d;
}
