#pragma once
// Filling the sentence database from room texts and from other database files.
#include "db/importcounters.h"
#include "db/sentenceadder.h"
#include "model/roomlist.h"

#include <functional>
#include <string>

// The category and description given to sentences cut from room texts; remembered between
// imports.
struct TImportSettings {
    std::string ImportCategory;
    std::string ImportDesc;

    // EnterCategoryetc asks only when one of the two is empty or Ctrl is held.
    bool NeedsPrompt(bool ctrlHeld) const { return ctrlHeld || ImportCategory.empty() || ImportDesc.empty(); }
};

// EnterCategoryetc: asks the user for the category and description when needed and stores
// the answers into the settings (a cancelled prompt keeps the previous value).
using TEnterCategory = std::function<void(TImportSettings&)>;

// Cuts one paragraph (StringsDescToString of the CR LF text) into sentences: repeatedly at
// the earliest of ".", "?" and "!", terminator included, each piece trimmed; a non-blank rest
// is the last piece, without terminator.
TStrings SplitIntoSentences(const std::string& crlfText);

// SaveTextToSentences: offers each piece of the text, with the settings' category and
// description and the room's area types.
void SaveTextToSentences(TSentenceAdder& adder, const std::string& crlfText, const TRoom& room,
                         const TImportSettings& settings);

// The room panel's button: asks (enterCategory), then saves the long description text.
TImportCounters SaveDescriptionToSentences(TSentenceList& db, TSentenceView* view, const std::string& crlfText,
                                           const TRoom& room, TImportSettings& settings,
                                           const TEnterCategory& enterCategory);

// The category an area import uses when none is remembered: the file name without folder
// and without anything from its first ".".
std::string AreaImportCategory(const std::string& areaFileName);

// "Import area to database": every description of every room, in order. A category derived
// from the file name is forgotten afterwards unless the user changed it in the prompt.
TImportCounters ImportAreaToSentences(TSentenceList& db, TSentenceView* view, const TRoomList& area,
                                      TImportSettings& settings, const TEnterCategory& enterCategory);

// "Import sntcs from file": the file's sentences whose text is new, copied whole. A file that
// cannot be opened adds nothing (0 of 0); a wrong file raises the format error, adding nothing.
TImportCounters ImportSentencesFromFile(TSentenceList& db, const std::string& fileName);

// "A sentence(s) added from total F sentence(s)".
std::string SentenceImportMessage(const TImportCounters& counters);
