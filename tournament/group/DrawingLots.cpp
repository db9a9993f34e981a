#include "tournament/group/DrawingLots.h"

#include "tournament/group/Ranking.h"

namespace {

int firstEmptySlot(const Tournament &t, int from)
{
    for (int i = from; i < kQualifierCount; ++i)
        if (!t.qualifies[i])
            return i;
    return -1;
}

} // namespace

void openLots(Tournament &t)
{
    t.modifie = true;
    const int slot = firstEmptySlot(t, 0);
    t.place_tirage = quint8(slot < 0 ? 0 : slot);
}

LotsCandidates lotsCandidates(Tournament &t)
{
    LotsCandidates c;
    const int slot = qMin(int(t.place_tirage), kQualifierCount - 1);
    c.groupLetter = char('A' + slot / 2);
    c.premier = slot % 2 == 0;
    TGroupe *group = t.findGroup(QString(QLatin1Char(c.groupLetter)));
    if (!group || group->teams.empty())
        return c;
    const auto &teams = group->teams;

    if (c.premier) {
        size_t i = 0;
        c.teams.push_back(teams[0].get());
        while (i + 1 < teams.size() && ex_aequo(t.liste_matchs, teams[i].get(), teams[i + 1].get())) {
            ++i;
            c.teams.push_back(teams[i].get());
        }
        return c;
    }

    // The runner-up: the team already drawn as winner is left out.
    const TEquipe *winner = t.qualifies[slot - 1];
    size_t i = (teams[0].get() == winner && teams.size() > 1) ? 1 : 0;
    c.teams.push_back(teams[i].get());
    while (i + 1 < teams.size() && ex_aequo(t.liste_matchs, teams[i].get(), teams[i + 1].get())) {
        ++i;
        if (teams[i].get() != winner)
            c.teams.push_back(teams[i].get());
    }
    return c;
}

LotsNext chooseTeam(Tournament &t, const LotsCandidates &candidates, const ShortName &chosen)
{
    const int slot = qMin(int(t.place_tirage), kQualifierCount - 1);
    t.qualifies[slot] = t.cherche_equipe(chosen);
    // Two teams for the winner's slot: the other one is the runner-up.
    if (candidates.teams.size() == 2 && slot % 2 == 0) {
        TEquipe *other = candidates.teams[0]->name == chosen ? candidates.teams[1] : candidates.teams[0];
        t.qualifies[slot + 1] = other;
    }
    if (slot == kQualifierCount - 1)
        return LotsNext::Finished;
    int next = slot + 1;
    while (next < kQualifierCount - 1 && t.qualifies[next])
        ++next;
    t.place_tirage = quint8(next);
    return t.qualifies[next] ? LotsNext::Finished : LotsNext::NextSlot;
}

unsigned finishLots(Tournament &t)
{
    t.qualif_a_effacer = false;
    t.qualif_a_ecrire = true;
    t.phase2 = true;
    return SaveQualifiers;
}
