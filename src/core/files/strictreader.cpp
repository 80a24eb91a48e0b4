#include "files/strictreader.h"

const char* const TruncatedFileMessage = "The file is damaged: it ends before all of its data.";

TByteReader StrictReader(const TInflateResult& inflated)
{
    return TByteReader(inflated.Data, true, inflated.Damaged ? inflated.Message : TruncatedFileMessage);
}
