#include "db/sentenceundo.h"

#include "db/sharedelements.h"

namespace {
size_t HashSentence(const TSentence& s)
{
    const std::hash<std::string> h;
    size_t seed = h(s.Sentence);
    seed = CombineHash(seed, h(s.Category));
    seed = CombineHash(seed, h(s.Desc));
    return CombineHash(seed, s.AreaTypes);
}
} // namespace

std::shared_ptr<const TSentenceSnapshot> TSentenceUndoTraits::Make(const TSentenceList& db, const TSentenceSnapshot* previous)
{
    auto snap = std::make_shared<TSentenceSnapshot>();
    snap->Sentences = ShareElements(db.Elements(), previous ? &previous->Sentences : nullptr, HashSentence);
    snap->Modified = db.Modified;
    snap->FileName = db.FileName;
    return snap;
}

void TSentenceUndoTraits::Restore(const TSentenceSnapshot& snapshot, TSentenceList& db)
{
    db.Clear();
    for (const auto& s : snapshot.Sentences)
        db.AddCopy(*s);
    db.Modified = snapshot.Modified;
    db.FileName = snapshot.FileName;
}
