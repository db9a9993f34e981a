// The INI layer on arbitrary bytes: every lookup of every section and key
// it reports, lookups of what it does not hold, a written-back file that
// reads the same way, and new keys and sections added and removed again.
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

    // What the file does not hold reads as the default.
    FUZZ_CHECK(!ini.hasSection(QStringLiteral("\x01absent")), "an absent section is not found");
    FUZZ_CHECK(ini.readString(QStringLiteral("\x01absent"), QStringLiteral("k"), QStringLiteral("d"))
                   == QStringLiteral("d"),
               "an absent section reads as the default");
    for (const QString &s : sections) {
        FUZZ_CHECK(!ini.hasKey(s, QStringLiteral("\x01absent")), "an absent key is not found");
        FUZZ_CHECK(ini.readInteger(s, QStringLiteral("\x01absent"), -7) == -7,
                   "an absent key reads as the default");
    }

    // A new key in a held section, a new section, then both removed again.
    const QString fresh = QStringLiteral("\x02fresh");
    if (ini.hasSection(fresh))
        return 0; // the input itself holds the name the checks add
    if (!sections.isEmpty() && !ini.hasKey(sections.front(), fresh)) {
        const QString first = sections.front();
        const qsizetype keyCount = ini.keys(first).size();
        ini.writeInteger(first, fresh, -42);
        FUZZ_CHECK(ini.readInteger(first, fresh, 0) == -42, "a new key reads back");
        FUZZ_CHECK(ini.keys(first).size() == keyCount + 1, "a new key is one more key");
        ini.removeKey(first, fresh);
        FUZZ_CHECK(!ini.hasKey(first, fresh) && ini.keys(first).size() == keyCount,
                   "a removed key is gone and only it");
    }
    ini.writeBool(fresh, QStringLiteral("On"), true);
    FUZZ_CHECK(ini.hasSection(fresh) && ini.readBool(fresh, QStringLiteral("On"), false),
               "a new section reads back");
    ini.removeSection(fresh);
    FUZZ_CHECK(!ini.hasSection(fresh) && ini.sections() == sections,
               "a removed section is gone and only it");
    return 0;
}
