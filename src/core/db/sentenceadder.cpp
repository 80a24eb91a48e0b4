#include "db/sentenceadder.h"

TSentenceAdder::TSentenceAdder(TSentenceList& db, TSentenceView* view) : m_db(db), m_view(view)
{
    m_texts.reserve(static_cast<size_t>(db.Count()));
    for (const auto& s : db.Elements())
        m_texts.insert(s->Sentence);
}

bool TSentenceAdder::Offer(const TSentence& sentence)
{
    ++m_counters.Found;
    if (m_texts.count(sentence.Sentence))
        return false;
    TSentence* added = m_db.AddCopy(sentence);
    m_texts.insert(added->Sentence);
    if (m_view)
        m_view->push_back(added);
    m_db.Modified = true;
    ++m_counters.Added;
    return true;
}
