#pragma once

#include <memory>

class TAboutBox;
class Tbilans;
class Tcontre_camp;
class Tdeja_lieu;
class Tsaisie_inco;
class TQuitterdlg;
class Tmatch_nul;
class TForm2;
class Tchampion_du_monde;
class Tvalidation;
class TForm3;

// The program's windows besides the main window, created once at start in this
// order and destroyed in the reverse order when the main window goes.
struct DialogSet
{
    DialogSet();
    ~DialogSet();

    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<Tbilans> bilans;
    std::unique_ptr<Tcontre_camp> contre_camp;
    std::unique_ptr<Tdeja_lieu> deja_lieu;
    std::unique_ptr<Tsaisie_inco> saisie_inco;
    std::unique_ptr<TQuitterdlg> Quitterdlg;
    std::unique_ptr<Tmatch_nul> match_nul;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<Tchampion_du_monde> champion_du_monde;
    std::unique_ptr<Tvalidation> validation;
    std::unique_ptr<TForm3> Form3;
};
