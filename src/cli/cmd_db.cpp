// sdb-dump, idb-dump, sdb-build, idb-build: the database files as JSON and back.
#include "cli/commands.h"
#include "cli/dbjson.h"
#include "files/inputfile.h"
#include "files/itemfile.h"
#include "files/loadablesave.h"
#include "files/sentencefile.h"
#include "kberror.h"

namespace {
// The loaders pass over a file they cannot open; on the command line that is an error.
[[noreturn]] void CannotOpen(const std::string& fileName)
{
    ReadWholeFile(fileName); // raises the open error with its reason
    throw EKbError("Cannot open file \"" + fileName + "\".");
}
} // namespace

int CmdSdbDump(const TCliArgs& args, std::ostream& out)
{
    args.Expect(1);
    const TTextCodec codec(args.Encoding());
    TSentenceList db;
    const int version = LoadSentences(args.Positional[0], db);
    if (version < 0)
        CannotOpen(args.Positional[0]);
    out << SentencesToJson(db, version, codec).dump(2) << "\n";
    return exitDone;
}

int CmdIdbDump(const TCliArgs& args, std::ostream& out)
{
    args.Expect(1);
    const TTextCodec codec(args.Encoding());
    TItemList db;
    const int version = LoadItems(args.Positional[0], db);
    if (version < 0)
        CannotOpen(args.Positional[0]);
    out << ItemsToJson(db, version, codec).dump(2) << "\n";
    return exitDone;
}

int CmdSdbBuild(const TCliArgs& args, std::ostream&)
{
    args.Expect(2);
    const TTextCodec codec(args.Encoding());
    TSentenceList db;
    SentencesFromJsonText(ReadWholeFile(args.Positional[0]), args.Positional[0], db, codec);
    SaveLoadableSentences(args.Positional[1], SentencesToInflatedBytes(db));
    return exitDone;
}

int CmdIdbBuild(const TCliArgs& args, std::ostream&)
{
    args.Expect(2);
    const TTextCodec codec(args.Encoding());
    TItemList db;
    ItemsFromJsonText(ReadWholeFile(args.Positional[0]), args.Positional[0], db, codec);
    SaveLoadableItems(args.Positional[1], ItemsToInflatedBytes(db));
    return exitDone;
}
