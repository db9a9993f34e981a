#include "apps/trophex/FormatCommands.h"

#include "apps/trophex/CommandSteps.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include "apps/trophex/CreateCommand.h"
#include "apps/trophex/ExportCommand.h"
#include "apps/trophex/ImportCommand.h"
#include "common/AtomicFile.h"
#include "tournament/flags/TeamFlags.h"
#include "tournament/format/FormatExport.h"
#include "tournament/format/FormatFiles.h"
#include "tournament/format/FormatImport.h"
#include "tournament/format/FormatText.h"
#include "tournament/model/TournamentFiles.h"

namespace {

bool loadFormat(const QString &nameOrPath, FormatTournament *t)
{
    const FormatFile::Read r = FormatFile::load(nameOrPath);
    if (!r.ok) {
        QTextStream(stderr) << "trophex: " << r.error << "\n";
        return false;
    }
    t->format = r.format;
    t->formatKey = FormatFile::shippedNames().contains(nameOrPath) ? nameOrPath : QString();
    return true;
}

// The flag pictures, saved with the tournament so that each team names a
// picture that is there.
FolderCommit::Files flagPictures(FormatTournament &t)
{
    QStringList taken;
    FolderCommit::Files pictures;
    for (FormatGroup &g : t.groups)
        for (FormatTeam &e : g.teams) {
            e.flag = TeamFlags::flagName(e.name, taken);
            taken << e.flag;
            pictures.append({e.flag + QStringLiteral(".bmp"), TeamFlags::pictureBytes(e.name)});
        }
    return pictures;
}

bool saveFolder(const FormatTournament &t, const QString &dir, const FolderCommit::Files &extra = {})
{
    const FileResult r = FormatFiles::save(t, dir, extra);
    if (!r.ok)
        QTextStream(stderr) << "trophex: " << r.error << "\n";
    return r.ok;
}

} // namespace

int runFormats()
{
    QTextStream out(stdout);
    for (const QString &key : FormatFile::shippedNames()) {
        const TournamentFormat f = FormatFile::load(key).format;
        const QString first = f.roundName(f.matches.front());
        CommandSteps::printRecord(out, {key, f.name,
                   QStringLiteral("%1 teams, %2 groups, %3 thirds, %4").arg(f.teamCount()).arg(f.groups).arg(f.thirds).arg(first)});
    }
    return 0;
}

int runCreateFormat(const QString &textFile, const QString &format, const QString &dir)
{
    QTextStream err(stderr);
    FormatTournament t;
    if (!loadFormat(format, &t))
        return 1;
    if (FormatFile::isClassic(t.format)) {
        const int r = runCreate(textFile, dir);
        if (r == 0) {
            // The folder now reads as the classic tournament it holds.
            const FileResult removed = FormatFiles::remove(dir);
            if (!removed.ok) {
                err << "trophex: " << removed.error << "\n";
                return 1;
            }
        }
        return r;
    }
    QByteArray text;
    if (!CommandSteps::readText(textFile, &text, err))
        return 1;
    const FormatText::Parse parsed = FormatText::parse(t, text);
    if (!parsed.ok) {
        err << "trophex: " << textFile << ": " << parsed.error << "\n";
        return 1;
    }
    if (!CommandSteps::makeFolder(dir, err))
        return 1;
    if (!saveFolder(t, dir))
        return 1;
    QTextStream(stdout) << "Wrote a tournament of " << t.format.name << " (" << t.format.groups << " groups) to "
                        << QDir(dir).absolutePath() << "\n";
    return 0;
}

int runImportFormat(const QStringList &files, const QString &squads, const QString &format, const QString &dir)
{
    QTextStream err(stderr);
    QString chosen = format;
    if (chosen.isEmpty()) {
        QString error;
        const int groups = FormatImport::countGroups(files, &error);
        if (groups < 0) {
            err << "trophex: " << error << "\n";
            return 1;
        }
        chosen = FormatImport::defaultFormat(groups);
        if (chosen.isEmpty()) {
            // No format has that many groups: the classic import says what
            // the files lack, as it always did.
            err << "trophex: " << groups << " groups: no format of the program has that many (12, 8, 6 or 4); "
                << "read as world1998, or name one with --format=NAME|FILE\n";
            chosen = QString::fromLatin1(FormatFile::kClassicKey);
        } else {
            err << "trophex: " << groups << " groups: the format " << chosen << " ("
                << FormatFile::load(chosen).format.name << ")\n";
        }
    }
    FormatTournament t;
    if (!loadFormat(chosen, &t))
        return 1;
    // Knock-out matches of another bracket of the same size: the refusal
    // names the format they fit.
    const auto hint = [&]() {
        for (const QString &key : FormatFile::shippedNames()) {
            FormatTournament other;
            other.format = FormatFile::load(key).format;
            if (key != chosen && other.format.groups == t.format.groups
                && FormatImport::importFiles(other, files, squads).ok)
                return QStringLiteral("; use --format=%1").arg(key);
        }
        return QString();
    };
    if (FormatFile::isClassic(t.format)) {
        // The classic tournament keeps its classic files, written as always.
        const int classic = runImport(files, squads, dir);
        if (classic == 0) {
            const FileResult removed = FormatFiles::remove(dir);
            if (!removed.ok) {
                err << "trophex: " << removed.error << "\n";
                return 1;
            }
        } else if (const QString h = hint(); !h.isEmpty()) {
            err << "trophex: the knock-out matches fit another bracket" << h << "\n";
        }
        return classic;
    }
    const FormatImport::Result r = FormatImport::importFiles(t, files, squads);
    if (!r.ok) {
        err << "trophex: " << r.error << hint() << "\n";
        return 1;
    }
    for (const QString &note : r.notes)
        err << "trophex: " << note << "\n";
    if (!CommandSteps::makeFolder(dir, err))
        return 1;
    const FolderCommit::Files pictures = flagPictures(t);
    if (!saveFolder(t, dir, pictures))
        return 1;
    QTextStream out(stdout);
    out << "Imported " << r.groupMatches << " group matches and " << r.knockoutMatches
        << " knock-out matches of " << t.format.name << " into " << QDir(dir).absolutePath() << "\n";
    for (const OpenTie &tie : r.open) {
        QStringList names;
        for (int n : tie.teams)
            names << t.teamName(n);
        out << tie.where << ": " << names.join(QStringLiteral(", "))
            << " are level on every rule; their order is to be decided.\n";
    }
    return 0;
}

int runExportFormat(const QString &file, const QString &dir)
{
    QTextStream err(stderr);
    FormatTournament t;
    const FormatFiles::Load loaded = FormatFiles::load(t, dir);
    if (!loaded.ok) {
        err << "trophex: " << loaded.error << "\n";
        return 1;
    }
    const TournamentExport::Result text = FormatExport::write(t);
    return writeExportText(file, text);
}

int runReportFormat(const QString &dir)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    FormatTournament t;
    const FormatFiles::Load loaded = FormatFiles::load(t, dir);
    if (!loaded.ok) {
        err << "File Error !\t" << loaded.error << "\n";
        return 1;
    }
    const FormatStandings s = rankFormat(t);
    CommandSteps::printRecord(out, {QStringLiteral("format"), t.format.name});
    for (size_t g = 0; g < s.groups.size(); ++g) {
        int rank = 0;
        for (const FormatTableLine &l : s.groups[g].lines)
            CommandSteps::printRecord(out, {QStringLiteral("group"), QString(QChar('A' + int(g))), QString::number(++rank),
                       t.teamName(l.team), QString::number(l.played), QString::number(l.points),
                       QString::number(l.goalsFor), QString::number(l.goalsAgainst)});
    }
    int rank = 0;
    for (const FormatStandings::Third &x : s.thirds)
        CommandSteps::printRecord(out, {QStringLiteral("third"), QString::number(++rank), QString(QChar(x.group)), t.teamName(x.line.team),
                   QString::number(x.line.points), QString::number(x.line.goalsFor),
                   QString::number(x.line.goalsAgainst), x.qualified ? QStringLiteral("yes") : QStringLiteral("no")});
    for (size_t i = 0; i < s.bracket.size(); ++i) {
        const FormatMatch &m = t.format.matches[i];
        const FormatStandings::Slot &slot = s.bracket[i];
        QStringList fields{QStringLiteral("knockout"), QString::number(m.number), t.format.roundName(m),
                           t.teamName(slot.team1), t.teamName(slot.team2),
                           slot.result ? QString::number(slot.result->score1) : QString(),
                           slot.result ? QString::number(slot.result->score2) : QString()};
        // A match that went beyond 90 minutes says how: "3-3 a.e.t. (2-2), 4-2 pen.".
        if (slot.result && slot.result->parts.fits(slot.result->score1, slot.result->score2))
            fields << slot.result->parts.text();
        CommandSteps::printRecord(out, fields);
    }
    if (s.champion >= 0)
        CommandSteps::printRecord(out, {QStringLiteral("champion"), t.teamName(s.champion)});
    return 0;
}
