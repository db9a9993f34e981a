// The settings file TN98.INI on arbitrary bytes: every window, the status
// line and the toolbars read, are written into the same file and read back
// unchanged.
#include "FuzzCheck.h"

#include "league/model/IniFile.h"
#include "league/model/ProgramSettings.h"

namespace {

struct Settings {
    QList<ProgramSettings::WindowPlace> windows;
    bool status = true;
    QList<ProgramSettings::ToolbarPlace> toolbars;
};

Settings readAll(const IniFile &ini)
{
    Settings s;
    for (const QString &name : ProgramSettings::windowSections())
        s.windows << ProgramSettings::readWindow(ini, name, 11, -3);
    s.status = ProgramSettings::readStatusVisible(ini);
    for (const QString &name : ProgramSettings::toolbarSections()) {
        ProgramSettings::ToolbarPlace place;
        if (ProgramSettings::readToolbar(ini, name, &place))
            s.toolbars << place;
    }
    return s;
}

bool samePlaces(const Settings &a, const Settings &b)
{
    if (a.windows.size() != b.windows.size() || a.toolbars.size() != b.toolbars.size()
        || a.status != b.status)
        return false;
    for (qsizetype i = 0; i < a.windows.size(); ++i)
        if (a.windows[i].name != b.windows[i].name || a.windows[i].top != b.windows[i].top
            || a.windows[i].left != b.windows[i].left)
            return false;
    for (qsizetype i = 0; i < a.toolbars.size(); ++i) {
        const auto &x = a.toolbars[i];
        const auto &y = b.toolbars[i];
        if (x.name != y.name || x.visible != y.visible || x.dockedTo != y.dockedTo
            || x.dockRow != y.dockRow || x.dockPos != y.dockPos || x.floatLeft != y.floatLeft
            || x.floatTop != y.floatTop)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    IniFile ini;
    ini.fromBytes(fuzzBytes(data, size));
    const Settings first = readAll(ini);

    // The program writes what it read into the file it read it from.
    IniFile same = ini;
    ProgramSettings::write(same, first.windows, first.status, first.toolbars);
    IniFile reread;
    reread.fromBytes(same.toBytes());
    // A line break inside a value is written as a blank (see IniFile).
    Settings expected = first;
    for (auto &t : expected.toolbars) {
        t.dockedTo.replace(QLatin1Char('\r'), QLatin1Char(' '));
        t.dockedTo.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    FUZZ_CHECK(samePlaces(readAll(reread), expected), "settings written back read the same");

    // A new file holds just as much.
    IniFile fresh;
    ProgramSettings::write(fresh, first.windows, first.status, first.toolbars);
    IniFile freshRead;
    freshRead.fromBytes(fresh.toBytes());
    const Settings second = readAll(freshRead);
    FUZZ_CHECK(second.windows.size() == first.windows.size(), "every window is written");
    FUZZ_CHECK(samePlaces(second, expected), "settings in a new file read the same");
    return 0;
}
