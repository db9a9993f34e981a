#include "tournament/knockout/Bracket.h"

#include <algorithm>

#include "tournament/group/Statistics.h"

bool isStage2Code(char code)
{
    return std::find(kStage2Codes.begin(), kStage2Codes.end(), code) != kStage2Codes.end();
}

void deriveBracket(Tournament &t)
{
    t.clearBracket();
    for (const TRencontre &m : t.liste_tour2) {
        TEquipe *winner = t.cherche_equipe(vainqueur(&m));
        const char c = m.code;
        if (c >= '1' && c <= '8') {
            t.quarts[c - '1'] = winner;
        } else if (c >= 'A' && c <= 'D') {
            t.demis[c - 'A'] = winner;
        } else if (c == 'F' || c == 'G') {
            t.finalistes[c - 'F'] = winner;
            t.petite_finale[c - 'F'] = t.cherche_equipe(perdant(&m));
        } else if (c == 'Z') {
            t.champion = winner;
        } else if (c == 'Y') {
            t.troisieme_place = winner;
        }
    }
}

std::pair<TEquipe *, TEquipe *> teamsOfMatch(const Tournament &t, char c)
{
    if (c >= '1' && c <= '8')
        return {t.qualifies[tirage_premier[c - '1']], t.qualifies[tirage_second[c - '1']]};
    if (c >= 'A' && c <= 'D')
        return {t.quarts[quart_premier[c - 'A'] - '1'], t.quarts[quart_second[c - 'A'] - '1']};
    if (c == 'F' || c == 'G')
        return {t.demis[demi_premier[c - 'F'] - 'A'], t.demis[demi_second[c - 'F'] - 'A']};
    if (c == 'Z')
        return {t.finalistes[0], t.finalistes[1]};
    if (c == 'Y')
        return {t.petite_finale[0], t.petite_finale[1]};
    return {nullptr, nullptr};
}

const TRencontre *stage2Match(const Tournament &t, char code)
{
    const auto it = std::find_if(t.liste_tour2.begin(), t.liste_tour2.end(),
                                 [code](const TRencontre &m) { return m.code == code; });
    return it == t.liste_tour2.end() ? nullptr : &*it;
}

bool ButtonStates::isEnabled(char code) const
{
    const auto it = std::find(kStage2Codes.begin(), kStage2Codes.end(), code);
    return it != kStage2Codes.end() && enabled[size_t(it - kStage2Codes.begin())];
}

ButtonStates buttonStates(const Tournament &t)
{
    ButtonStates e;
    e.bilan = t.champion && t.troisieme_place;
    if (t.liste_matchs.size() < size_t(kGroupMatchCount)) {
        e.avert = true;
        return e;
    }
    for (size_t i = 0; i < kStage2Codes.size(); ++i) {
        const char c = kStage2Codes[i];
        bool on = false;
        if (c >= '1' && c <= '8') {
            on = !t.quarts[c - '1'];
        } else if (c >= 'A' && c <= 'D') {
            on = !t.demis[c - 'A'] && t.quarts[quart_premier[c - 'A'] - '1'] && t.quarts[quart_second[c - 'A'] - '1'];
        } else if (c == 'F' || c == 'G') {
            on = !t.finalistes[c - 'F'] && t.demis[demi_premier[c - 'F'] - 'A'] && t.demis[demi_second[c - 'F'] - 'A'];
        } else if (c == 'Z') {
            on = t.finalistes[0] && t.finalistes[1] && !t.champion;
        } else if (c == 'Y') {
            on = t.finalistes[0] && t.finalistes[1] && !t.troisieme_place;
        }
        e.enabled[i] = on;
    }
    return e;
}

QualifierSource qualifierSource(const Tournament &t)
{
    if (t.qualif_a_effacer)
        return QualifierSource::Derive;
    if (t.qualif_a_ecrire)
        return QualifierSource::Keep; // a finished drawing not yet saved stays as it is
    return QualifierSource::File;
}

bool enterStage2(Tournament &t)
{
    const bool slotEmpty = std::find(t.qualifies.begin(), t.qualifies.end(), nullptr) != t.qualifies.end();
    if (t.liste_matchs.size() >= size_t(kGroupMatchCount) && slotEmpty)
        return true;
    t.phase2 = true;
    return false;
}

EntryAnswer checkStage2Entry(const Tournament &t, const ResultEntry &e)
{
    // With its parts the scorers account for the goals, never the kicks.
    const bool parted = e.parts.touched();
    const bool formed = !parted || e.parts.wellFormed();
    const int goals1 = parted && formed ? e.parts.goals1() : e.score1;
    const int goals2 = parted && formed ? e.parts.goals2() : e.score2;
    const bool s = e.score1 >= 0 && e.score2 >= 0 && formed
                   && (!parted || (e.parts.total1() == e.score1 && e.parts.total2() == e.score2));
    const bool m = e.scorers1.size() == goals1 && e.scorers2.size() == goals2;
    const bool u = e.score1 != e.score2;
    const bool p = deja_joue(t.liste_tour2, ShortName::fromText(e.team1Text), ShortName::fromText(e.team2Text));

    if (s && m && u && !p)
        return EntryAnswer::Confirm;
    if (p)
        return EntryAnswer::AlreadyRecorded;
    if (s && u)
        return e.scorers1.size() <= goals1 && e.scorers2.size() <= goals2 ? EntryAnswer::OwnGoal
                                                                          : EntryAnswer::WrongEntries;
    if (s)
        return EntryAnswer::Penalties;
    return EntryAnswer::WrongEntries;
}

AfterStage2Entry storeStage2Match(Tournament &t, const ResultEntry &e)
{
    AfterStage2Entry after;
    const char code = t.code_match;
    if (e.score1 == e.score2 || e.score1 < 0 || e.score2 < 0 || !isStage2Code(code)
        || (e.parts.touched() && !e.parts.fits(e.score1, e.score2))) {
        after.recorded = false;
        return after;
    }
    // The scorers' teams come from the bracket as it stands before this match.
    deriveBracket(t);
    const auto [team1, team2] = teamsOfMatch(t, code);

    addMatch(t.liste_tour2, code, ShortName::stored(e.team1Text), ShortName::stored(e.team2Text),
                 e.score1, e.score2);
    const TRencontre &match = t.liste_tour2.back();
    forgetMatch(t, 'K', match);
    t.matchGoals.push_back({'K', code, match.team1, match.team2, 'M', {}, 0, {}});
    // The match file keeps the score with the kicks added; buteurs.dat how it came about.
    if (e.parts.isSet())
        t.matchGoals.push_back({'K', code, match.team1, match.team2, 'S', {}, 0, e.parts});
    noteScorers(t, match, 'K', team1, e.scorers1, 1);
    noteScorers(t, match, 'K', team2, e.scorers2, 2);

    if (code == 'Z') {
        t.champion = t.cherche_equipe(vainqueur(&t.liste_tour2.back()));
        after.showChampion = true;
    }
    if (code == 'Y') {
        t.troisieme_place = t.cherche_equipe(vainqueur(&t.liste_tour2.back()));
        after.showRankings = t.champion != nullptr;
    }
    // The scorers' goals live in the group files.
    after.dirty = SaveStage2 | SaveGroups;
    return after;
}

Bilan bilan(const Tournament &t)
{
    Bilan b;
    const auto place = [](int n, const TEquipe *team) {
        return team ? QStringLiteral("%1-").arg(n) + team->name.text() : QString();
    };
    b.premier = place(1, t.champion);
    if (t.champion)
        b.second = place(2, t.finalistes[0] == t.champion ? t.finalistes[1] : t.finalistes[0]);
    b.troisieme = place(3, t.troisieme_place);
    if (t.troisieme_place)
        b.quatrieme = place(4, t.petite_finale[0] == t.troisieme_place ? t.petite_finale[1] : t.petite_finale[0]);
    return b;
}

QString roundHeading(char code)
{
    if (code >= '1' && code <= '8')
        return QStringLiteral("Round of 16");
    if (code >= 'A' && code <= 'D')
        return QStringLiteral("Quarter-finals");
    if (code == 'F' || code == 'G')
        return QStringLiteral("Semi-finals");
    if (code == 'Y')
        return QStringLiteral("Match for third place");
    return QStringLiteral("Final");
}
