#include "tournament/model/TournamentText.h"

#include <QList>
#include <QStringDecoder>

#include "common/Cp1252.h"
#include "tournament/model/NameChecks.h"

namespace {

struct Failure
{
    QString message;
};

// Encodes a name for the files, refusing what would not survive a save.
ShortName checkedName(const QString &text, const char *what, int line)
{
    if (const QString fault = nameFault(text, what, line); !fault.isEmpty())
        throw Failure{fault};
    for (QChar c : text)
        if (!Cp1252::canEncode(c))
            throw Failure{QStringLiteral("line %1: the %2 \"%3\" holds the character \"%4\", which Windows-1252 cannot hold")
                              .arg(line).arg(QLatin1String(what), text, QString(c))};
    const QByteArray bytes = Cp1252::encode(text);
    if (bytes.size() > ShortName::MaxLength)
        throw Failure{QStringLiteral("line %1: the %2 \"%3\" is %4 bytes long; at most 20 are allowed")
                          .arg(QString::number(line), QLatin1String(what), text, QString::number(bytes.size()))};
    return ShortName(bytes);
}

void checkGroupComplete(const TGroupe &group, int headerLine)
{
    if (group.teams.size() != size_t(kTeamsPerGroup))
        throw Failure{QStringLiteral("line %1: group %2 has %3 teams; it needs exactly 4")
                          .arg(headerLine).arg(QLatin1Char(group.letter)).arg(group.teams.size())};
}

} // namespace

TournamentTextParse parseTournamentText(const QByteArray &utf8)
{
    TournamentTextParse result;
    std::vector<TGroupe> groups;
    int groupLine = 0;
    int lineNo = 0;
    try {
        const TextStatements read = readTextStatements(utf8);
        for (const TextStatement &statement : read.statements) {
            lineNo = statement.line;
            const QString &keyword = statement.keyword;
            const QString &value = statement.value;
            if (keyword == QLatin1String("group")) {
                if (!groups.empty())
                    checkGroupComplete(groups.back(), groupLine);
                const char expected = char('A' + groups.size());
                if (groups.size() >= size_t(kGroupCount))
                    throw Failure{QStringLiteral("line %1: there are only eight groups, A to H").arg(lineNo)};
                if (value != QString(QLatin1Char(expected)))
                    throw Failure{QStringLiteral("line %1: expected \"group %2\" (groups come in order A to H)")
                                      .arg(lineNo).arg(QLatin1Char(expected))};
                TGroupe g;
                g.letter = expected;
                groups.push_back(std::move(g));
                groupLine = lineNo;
            } else if (keyword == QLatin1String("team")) {
                if (groups.empty())
                    throw Failure{QStringLiteral("line %1: a team before the first group").arg(lineNo)};
                TGroupe &g = groups.back();
                if (g.teams.size() >= size_t(kTeamsPerGroup))
                    throw Failure{QStringLiteral("line %1: group %2 already has four teams").arg(lineNo).arg(QLatin1Char(g.letter))};
                const qsizetype bar = value.lastIndexOf(QLatin1Char('|'));
                if (bar < 0)
                    throw Failure{QStringLiteral("line %1: expected \"team NAME | FLAG\"").arg(lineNo)};
                auto team = std::make_unique<TEquipe>();
                team->name = checkedName(value.left(bar).trimmed(), "team name", lineNo);
                const QString flag = value.mid(bar + 1).trimmed();
                team->flag = checkedName(flag, "flag name", lineNo);
                // The picture is looked for in the tournament folder only.
                if (!NameChecks::isPlainFileName(flag))
                    throw Failure{QStringLiteral("line %1: the flag name \"%2\" must be a plain file name, "
                                                 "without \"/\", \"\\\" or \"..\"")
                                      .arg(lineNo).arg(flag)};
                for (const TGroupe &other : groups)
                    for (const auto &t : other.teams)
                        if (t->name == team->name)
                            throw Failure{QStringLiteral("line %1: the team \"%2\" is already in group %3")
                                              .arg(QString::number(lineNo), team->name.text(), QString(QLatin1Char(other.letter)))};
                g.teams.push_back(std::move(team));
            } else if (keyword == QLatin1String("player")) {
                if (groups.empty() || groups.back().teams.empty())
                    throw Failure{QStringLiteral("line %1: a player before the first team").arg(lineNo)};
                TEquipe *team = groups.back().teams.back().get();
                const ShortName name = checkedName(value, "player name", lineNo);
                if (!addPlayer(team, name))
                    throw Failure{QStringLiteral("line %1: the team \"%2\" already has 23 players")
                                      .arg(lineNo).arg(team->name.text())};
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
        checkGroupComplete(groups.back(), groupLine);
        if (groups.size() != size_t(kGroupCount))
            throw Failure{QStringLiteral("line %1: the file ends after group %2; groups A to H are needed")
                              .arg(lineNo).arg(QLatin1Char(groups.back().letter))};
    } catch (const Failure &f) {
        result.error = f.message;
        return result;
    }
    result.ok = true;
    result.groups = std::move(groups);
    return result;
}

TextStatements readTextStatements(const QByteArray &utf8)
{
    TextStatements out;
    QList<QByteArray> lines = utf8.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray raw : lines) {
        const int lineNo = ++out.lines;
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (lineNo == 1 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder.decode(raw);
        if (decoder.hasError()) {
            out.error = QStringLiteral("line %1: not valid UTF-8").arg(lineNo);
            break;
        }
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
        out.statements.push_back({lineNo, blank < 0 ? trimmed : trimmed.left(blank),
                                  blank < 0 ? QString() : trimmed.mid(blank + 1).trimmed()});
    }
    return out;
}

QString nameFault(const QString &text, const char *what, int line)
{
    if (text.isEmpty())
        return QStringLiteral("line %1: the %2 is empty").arg(line).arg(QLatin1String(what));
    if (const qsizetype at = NameChecks::firstControl(text); at >= 0)
        return QStringLiteral("line %1: the %2 \"%3\" holds the control character U+%4; names hold "
                              "printable characters only")
            .arg(QString::number(line), QLatin1String(what), NameChecks::printable(text),
                 QStringLiteral("%1").arg(int(text[at].unicode()), 4, 16, QLatin1Char('0')).toUpper());
    return QString();
}
