#include "tournament/model/Resets.h"

FileResult reinitialise_tout(Tournament &t, bool sauveAuto, const QString &dir)
{
    t.modifie = true;
    t.liste_matchs.clear();
    t.raz_statistiques();
    t.liste_tour2.clear();
    t.vide_qualifies();
    t.vide_tableau();
    t.qualif_a_effacer = true;
    t.qualif_a_ecrire = false;
    if (!sauveAuto)
        return {};

    t.modifie = false;
    t.qualif_a_effacer = false;
    FileResult r = sauve_matchs(t, dir);
    if (r.ok)
        r = sauve_groupes(t, dir);
    if (r.ok)
        r = sauve_tour2(t, dir);
    if (r.ok)
        r = efface_qualifies(dir);
    if (!r.ok) {
        // Keep the reset pending so that "Save" finishes it.
        t.modifie = true;
        t.qualif_a_effacer = true;
    }
    return r;
}

FileResult reinitialise_tour2(Tournament &t, bool sauveAuto, const QString &dir)
{
    t.liste_tour2.clear();
    t.vide_qualifies();
    t.vide_tableau();
    t.qualif_a_ecrire = false;
    if (!sauveAuto) {
        t.modifie = true;
        t.qualif_a_effacer = true;
        return {};
    }
    FileResult r = sauve_tour2(t, dir);
    if (r.ok)
        r = efface_qualifies(dir);
    t.qualif_a_effacer = false;
    if (!r.ok) {
        t.modifie = true;
        t.qualif_a_effacer = true;
    }
    return r;
}
