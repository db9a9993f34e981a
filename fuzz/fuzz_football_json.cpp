// Football.JSON on arbitrary bytes: a file either reads or names a line
// within it, and a file that reads is written and read again to the same
// document, the written file being its own fixed point.
#include "FuzzCheck.h"

#include "common/FootballJson.h"
#include "league/model/ReadFaults.h"

using namespace FootballTxt;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const ReadResult r = FootballJson::read(bytes);
    if (!r.ok) {
        FUZZ_CHECK(r.error.line >= 0 && r.error.line <= int(bytes.count('\n')) + 1, "faults name a line of the file");
        FUZZ_CHECK(!message(r.error).isEmpty() && !ReadFaults::problem(r.error).isEmpty(), "faults have a text");
        return 0;
    }
    FUZZ_CHECK(r.document.stages.size() == 1, "one stage");
    const QByteArray written = FootballJson::write(r.document);
    const ReadResult back = FootballJson::read(written);
    FUZZ_CHECK(back.ok, "the written file reads");
    FUZZ_CHECK(sameContent(back.document, r.document), "the written file reads back equal");
    FUZZ_CHECK(FootballJson::write(back.document) == written, "the written file is its own fixed point");
    return 0;
}
