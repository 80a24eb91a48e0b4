#include "db/sentencelist.h"

void TSentenceList::Assign(const TSentenceList& source)
{
    for (const auto& s : source.Elements())
        AddCopy(*s);
    Modified = source.Modified;
    FileName = source.FileName;
}
