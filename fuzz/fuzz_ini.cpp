// The INI layer on arbitrary bytes: every lookup of every section and key
// it reports, and a written-back file that reads the same way.
#include "FuzzCheck.h"

#include "league/model/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    IniFile ini;
    ini.fromBytes(fuzzBytes(data, size));

    const QStringList sections = ini.sections();
    for (const QString &s : sections) {
        FUZZ_CHECK(ini.hasSection(s), "a listed section is found");
        for (const QString &k : ini.keys(s)) {
            FUZZ_CHECK(ini.hasKey(s, k), "a listed key is found");
            const QString v = ini.readString(s, k, QStringLiteral("\x01"));
            FUZZ_CHECK(v.size() <= IniFile::kMaxValueLength, "values are cut to 1023 characters");
            (void)ini.readInteger(s, k, 7);
            (void)ini.readBool(s, k, true);
        }
    }

    // Reading the file it writes gives back the same entries, and writing
    // that again gives the same bytes.
    const QByteArray once = ini.toBytes();
    IniFile again;
    again.fromBytes(once);
    FUZZ_CHECK(again.sections() == sections, "sections survive a write");
    for (const QString &s : sections) {
        FUZZ_CHECK(again.keys(s) == ini.keys(s), "keys survive a write");
        for (const QString &k : ini.keys(s))
            FUZZ_CHECK(again.readString(s, k, QString()) == ini.readString(s, k, QString()),
                       "values survive a write");
    }
    FUZZ_CHECK(again.toBytes() == once, "writing is stable");

    // Replacing every value keeps every other line and the key order.
    for (const QString &s : sections)
        for (const QString &k : ini.keys(s))
            again.writeString(s, k, QStringLiteral("x\ny"));
    FUZZ_CHECK(again.sections() == sections, "writes keep the sections");
    for (const QString &s : sections) {
        FUZZ_CHECK(again.keys(s) == ini.keys(s), "writes keep the keys");
        for (const QString &k : ini.keys(s))
            FUZZ_CHECK(again.readString(s, k, QString()) == QStringLiteral("x y"),
                       "a written value reads back with line breaks as blanks");
    }
    return 0;
}
