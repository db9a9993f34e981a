#include "league/model/ReadFaults.h"

#include "league/model/LeagueError.h"

#include <cerrno>

namespace ReadFaults {

QString limitText(qint64 maxBytes)
{
    if (maxBytes >= BoundedFile::kMiB && maxBytes % BoundedFile::kMiB == 0)
        return QStringLiteral("%1 MB").arg(maxBytes / BoundedFile::kMiB);
    return QStringLiteral("%1 Bytes").arg(maxBytes);
}

QString reason(const BoundedFile::Result &r, qint64 maxBytes)
{
    using Status = BoundedFile::Status;
    switch (r.status) {
    case Status::Ok:
        return QString();
    case Status::Missing:
        return LeagueError::fileNotFound();
    case Status::NotRegular:
        return QStringLiteral("keine gewöhnliche Datei");
    case Status::TooLarge:
        return QStringLiteral("größer als %1").arg(limitText(maxBytes));
    case Status::OpenFailed:
        return r.systemError == EACCES || r.systemError == EPERM ? LeagueError::accessDenied()
                                                                 : LeagueError::ioError(r.systemError);
    case Status::ReadFailed:
        break;
    }
    return LeagueError::ioError(r.systemError);
}

QString problem(const FootballTxt::Issue &issue)
{
    using FootballTxt::Problem;
    const QString &d = issue.detail;
    switch (issue.problem) {
    case Problem::NotUtf8: return QStringLiteral("kein UTF-8-Text");
    case Problem::CrLineEnds:
        return QStringLiteral("Zeilenenden nur aus CR; die Datei mit LF- oder CR-LF-Zeilenenden speichern");
    case Problem::TooLarge: return QStringLiteral("größer als 4 MB");
    case Problem::LineTooLong: return QStringLiteral("Zeile länger als %1 Zeichen").arg(FootballTxt::kMaxLineLength);
    case Problem::ControlCharacter: return QStringLiteral("Steuerzeichen in der Zeile");
    case Problem::UnknownLine: return QStringLiteral("Zeile nicht verstanden: %1").arg(d);
    case Problem::BadScore: return QStringLiteral("Ergebnis nicht verstanden: %1").arg(d);
    case Problem::MissingTeam: return QStringLiteral("zweite Mannschaft fehlt: %1").arg(d);
    case Problem::BadName: return QStringLiteral("Name nicht verwendbar: %1").arg(d);
    case Problem::BadDate: return QStringLiteral("kein gültiges Datum: %1").arg(d);
    case Problem::BadTime: return QStringLiteral("keine gültige Uhrzeit: %1").arg(d);
    case Problem::GoalsWithoutMatch: return QStringLiteral("Torschützen ohne Spiel davor");
    case Problem::GoalsUnclosed: return QStringLiteral("Torschützenliste ohne schließende Klammer");
    case Problem::GoalsTwice: return QStringLiteral("zweite Torschützenliste für ein Spiel");
    case Problem::GoalsSides: return QStringLiteral("mehr als ein \";\" in der Torschützenliste");
    case Problem::BadPlayer: return QStringLiteral("Spielerzeile nicht verstanden: %1").arg(d);
    case Problem::JsonSyntax: return QStringLiteral("kein JSON: %1").arg(d);
    case Problem::JsonField: return QStringLiteral("Feld \"%1\" fehlt oder ist falsch").arg(d);
    case Problem::DateWithoutYear: return QStringLiteral("Datum ohne Jahr: %1").arg(d);
    case Problem::GoalsNoSide: return QStringLiteral("Tore keiner Mannschaft zuzuordnen: %1").arg(d);
    case Problem::GoalNoPlayer: return QStringLiteral("Minute ohne Torschützen: %1").arg(d);
    case Problem::ScorerNoMinute: return QStringLiteral("Torschütze ohne Minute: %1").arg(d);
    case Problem::SecondTitle: return QStringLiteral("zweiter Titel übergangen: %1").arg(d);
    }
    return d;
}

} // namespace ReadFaults
