#pragma once
// The benchmark sentence database: sentences of about 60 characters from a fixed word list
// (Czech words included), 40 categories, a description on every fourth, one to three area types.
#include "db/sentencelist.h"

#include <memory>

std::unique_ptr<TSentenceList> MakeGeneratedSentences(int count);
