#include "tournament/format/FormatText.h"

#include <QList>
#include <QStringDecoder>

#include "tournament/model/NameChecks.h"
#include "tournament/model/TournamentText.h"

namespace FormatText {

namespace {

struct Failure
{
    QString message;
};

QString checkedName(const QString &text, const char *what, int line)
{
    if (const QString fault = nameFault(text, what, line); !fault.isEmpty())
        throw Failure{fault};
    if (text.size() > FormatTeam::kMaxNameLength)
        throw Failure{QStringLiteral("line %1: the %2 \"%3\" is %4 characters long; at most %5 are allowed")
                          .arg(line).arg(QLatin1String(what), text).arg(text.size()).arg(FormatTeam::kMaxNameLength)};
    return text;
}

} // namespace

Parse parse(FormatTournament &t, const QByteArray &utf8)
{
    Parse result;
    const int groupCount = t.format.groups;
    const QChar last('A' + groupCount - 1);
    std::vector<FormatGroup> groups;
    std::vector<int> filled;
    int groupLine = 0;
    int lineNo = 0;
    const auto complete = [&]() {
        if (!groups.empty() && filled.back() != 4)
            throw Failure{QStringLiteral("line %1: group %2 has %3 teams; it needs exactly 4")
                              .arg(groupLine).arg(QChar(groups.back().letter)).arg(filled.back())};
    };
    try {
        const TextStatements read = readTextStatements(utf8);
        for (const TextStatement &statement : read.statements) {
            lineNo = statement.line;
            const QString &keyword = statement.keyword;
            const QString &value = statement.value;
            if (keyword == QLatin1String("group")) {
                complete();
                const char expected = char('A' + groups.size());
                if (int(groups.size()) >= groupCount)
                    throw Failure{QStringLiteral("line %1: the format %2 has %3 groups, A to %4")
                                      .arg(QString::number(lineNo), t.format.name, QString::number(groupCount), QString(last))};
                if (value != QString(QLatin1Char(expected)))
                    throw Failure{QStringLiteral("line %1: expected \"group %2\" (groups come in order A to %3)")
                                      .arg(lineNo).arg(QLatin1Char(expected)).arg(last)};
                FormatGroup g;
                g.letter = expected;
                groups.push_back(g);
                filled.push_back(0);
                groupLine = lineNo;
            } else if (keyword == QLatin1String("team")) {
                if (groups.empty())
                    throw Failure{QStringLiteral("line %1: a team before the first group").arg(lineNo)};
                if (filled.back() >= 4)
                    throw Failure{QStringLiteral("line %1: group %2 already has four teams")
                                      .arg(lineNo).arg(QChar(groups.back().letter))};
                const qsizetype bar = value.lastIndexOf(QLatin1Char('|'));
                if (bar < 0)
                    throw Failure{QStringLiteral("line %1: expected \"team NAME | FLAG\"").arg(lineNo)};
                const QString name = checkedName(value.left(bar).trimmed(), "team name", lineNo);
                const QString flag = checkedName(value.mid(bar + 1).trimmed(), "flag name", lineNo);
                // The picture is looked for in the tournament folder only.
                if (!NameChecks::isPlainFileName(flag))
                    throw Failure{QStringLiteral("line %1: the flag name \"%2\" must be a plain file name, "
                                                 "without \"/\", \"\\\" or \"..\"")
                                      .arg(lineNo).arg(flag)};
                for (const FormatGroup &other : groups)
                    for (int k = 0; k < 4; ++k)
                        if (other.teams[size_t(k)].name == name)
                            throw Failure{QStringLiteral("line %1: the team \"%2\" is already in group %3")
                                              .arg(QString::number(lineNo), name, QString(QChar(other.letter)))};
                FormatTeam &e = groups.back().teams[size_t(filled.back()++)];
                e.name = name;
                e.flag = flag;
            } else if (keyword == QLatin1String("player")) {
                if (groups.empty() || filled.back() == 0)
                    throw Failure{QStringLiteral("line %1: a player before the first team").arg(lineNo)};
                FormatTeam &e = groups.back().teams[size_t(filled.back() - 1)];
                const QString name = checkedName(value, "player name", lineNo);
                if (e.players.size() >= FormatTeam::kMaxPlayers)
                    throw Failure{QStringLiteral("line %1: the team \"%2\" already has %3 players")
                                      .arg(QString::number(lineNo), e.name, QString::number(FormatTeam::kMaxPlayers))};
                if (e.players.contains(name))
                    throw Failure{QStringLiteral("line %1: %2 is already in the squad of %3").arg(lineNo).arg(name, e.name)};
                e.players << name;
                e.goals << 0;
            } else {
                throw Failure{QStringLiteral("line %1: unknown keyword \"%2\" (expected group, team or player)")
                                  .arg(lineNo).arg(NameChecks::printable(keyword))};
            }
        }
        lineNo = read.lines;
        if (!read.error.isEmpty())
            throw Failure{read.error};
        if (groups.empty())
            throw Failure{QStringLiteral("line %1: no group found").arg(lineNo)};
        complete();
        if (int(groups.size()) != groupCount)
            throw Failure{QStringLiteral("line %1: the file ends after group %2; the format %3 needs groups A to %4")
                              .arg(QString::number(lineNo), QString(QChar(groups.back().letter)), t.format.name, QString(last))};
    } catch (const Failure &f) {
        result.error = f.message;
        return result;
    }
    t.groups = std::move(groups);
    result.ok = true;
    return result;
}

} // namespace FormatText
