#include "tournament/ui/DialogSet.h"

#include "tournament/ui/TAboutBox.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/TForm3.h"
#include "tournament/ui/TQuitterdlg.h"
#include "tournament/ui/Tbilans.h"
#include "tournament/ui/Tchampion_du_monde.h"
#include "tournament/ui/Tcontre_camp.h"
#include "tournament/ui/Tdeja_lieu.h"
#include "tournament/ui/Tmatch_nul.h"
#include "tournament/ui/Tsaisie_inco.h"
#include "tournament/ui/Tvalidation.h"

DialogSet::DialogSet() = default;

DialogSet::~DialogSet()
{
    // Reverse creation order: the later windows may refer to the earlier ones.
    Form3.reset();
    validation.reset();
    champion_du_monde.reset();
    Form2.reset();
    match_nul.reset();
    Quitterdlg.reset();
    saisie_inco.reset();
    deja_lieu.reset();
    contre_camp.reset();
    bilans.reset();
    AboutBox.reset();
}
