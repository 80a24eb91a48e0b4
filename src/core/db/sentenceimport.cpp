#include "db/sentenceimport.h"

#include "files/sentencefile.h"
#include "model/text.h"

#include <filesystem>

TStrings SplitIntoSentences(const std::string& crlfText)
{
    const std::string text = StringsDescToString(crlfText);
    TStrings pieces;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find_first_of(".?!", start);
        if (end == std::string::npos)
            break;
        pieces.push_back(TrimControl(text.substr(start, end + 1 - start)));
        start = end + 1;
    }
    std::string rest = TrimControl(text.substr(start));
    if (!rest.empty())
        pieces.push_back(std::move(rest));
    return pieces;
}

void SaveTextToSentences(TSentenceAdder& adder, const std::string& crlfText, const TRoom& room,
                         const TImportSettings& settings)
{
    TSentence s;
    s.Category = settings.ImportCategory;
    s.Desc = settings.ImportDesc;
    s.AreaTypes = room.AreaTypes;
    for (std::string& piece : SplitIntoSentences(crlfText)) {
        s.Sentence = std::move(piece);
        adder.Offer(s);
    }
}

TImportCounters SaveDescriptionToSentences(TSentenceList& db, TSentenceView* view, const std::string& crlfText,
                                           const TRoom& room, TImportSettings& settings,
                                           const TEnterCategory& enterCategory)
{
    if (enterCategory)
        enterCategory(settings);
    TSentenceAdder adder(db, view);
    SaveTextToSentences(adder, crlfText, room, settings);
    return adder.Counters();
}

std::string AreaImportCategory(const std::string& areaFileName)
{
    std::string name = std::filesystem::path(areaFileName).filename().string();
    const size_t dot = name.find('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

TImportCounters ImportAreaToSentences(TSentenceList& db, TSentenceView* view, const TRoomList& area,
                                      TImportSettings& settings, const TEnterCategory& enterCategory)
{
    bool defaultUsed = false;
    if (settings.ImportCategory.empty()) {
        settings.ImportCategory = AreaImportCategory(area.FileName);
        defaultUsed = true;
    }
    const std::string offered = settings.ImportCategory;
    if (enterCategory)
        enterCategory(settings);
    if (settings.ImportCategory != offered)
        defaultUsed = false;

    TSentenceAdder adder(db, view);
    for (int i = 0; i < area.Count(); ++i) {
        const TRoom& room = area[i];
        for (const TRoomDescription& d : room.Descriptions)
            SaveTextToSentences(adder, JoinLinesCRLF(d.Text), room, settings);
    }
    // The derived category belongs to this area only; the next import derives it anew.
    if (defaultUsed)
        settings.ImportCategory.clear();
    return adder.Counters();
}

TImportCounters ImportSentencesFromFile(TSentenceList& db, const std::string& fileName)
{
    TSentenceList loaded;
    LoadSentences(fileName, loaded);
    TSentenceAdder adder(db, nullptr);
    for (const auto& s : loaded.Elements())
        adder.Offer(*s);
    return adder.Counters();
}

std::string SentenceImportMessage(const TImportCounters& c)
{
    auto word = [](int32_t n) { return n < 2 ? " sentence" : " sentences"; };
    return std::to_string(c.Added) + word(c.Added) + " added from total " + std::to_string(c.Found) + word(c.Found);
}
