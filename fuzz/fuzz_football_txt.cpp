// Football.TXT and squad files on arbitrary bytes: a text either reads or
// names a line within it, and a text that reads is written and read again
// to the same document, the writer's text being its own fixed point.
#include "FuzzCheck.h"

#include "common/FootballTxt.h"
#include "league/model/ReadFaults.h"

using namespace FootballTxt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const int lines = int(bytes.count('\n')) + 1;

    const ReadResult r = read(bytes);
    if (!r.ok) {
        FUZZ_CHECK(r.error.line >= 0 && r.error.line <= lines, "faults name a line of the text");
        FUZZ_CHECK(!message(r.error).isEmpty() && !ReadFaults::problem(r.error).isEmpty(), "faults have a text");
    } else {
        const Document &doc = r.document;
        FUZZ_CHECK(!doc.stages.isEmpty(), "a document has a stage");
        for (const Issue &w : doc.warnings)
            FUZZ_CHECK(w.line >= 1 && w.line <= lines && !lineMessage(w).isEmpty(), "warnings name a line");
        FUZZ_CHECK(unwritable(doc).isEmpty(), "every document read can be written");
        const QByteArray written = write(doc);
        const ReadResult back = read(written);
        FUZZ_CHECK(back.ok, "the written text reads");
        FUZZ_CHECK(sameContent(back.document, doc), "the written text reads back equal");
        FUZZ_CHECK(write(back.document) == written, "the written text is its own fixed point");
    }

    const SquadResult squad = readSquad(bytes);
    if (!squad.ok) {
        FUZZ_CHECK(squad.error.line >= 0 && squad.error.line <= lines, "squad faults name a line");
        FUZZ_CHECK(!lineMessage(squad.error).isEmpty(), "squad faults have a text");
    } else {
        const SquadResult back = readSquad(writeSquad(squad.title, squad.players));
        FUZZ_CHECK(back.ok, "a written squad reads");
        FUZZ_CHECK(back.title == squad.title && back.players == squad.players, "a written squad reads back equal");
    }
    return 0;
}
