#pragma once

#include <memory>
#include <tuple>

class TAboutBox;
class TForm1;
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

// The program's windows besides the main window. Each is made when it is first
// asked for, so that the main window opens without waiting for windows that
// may never be shown; makeAll() makes the missing ones in the start order.
// They are destroyed in the reverse of that order when the main window goes.
class DialogSet
{
public:
    explicit DialogSet(TForm1 &main);
    ~DialogSet();
    DialogSet(const DialogSet &) = delete;
    DialogSet &operator=(const DialogSet &) = delete;

    TAboutBox *AboutBox();
    Tbilans *bilans();
    Tcontre_camp *contre_camp();
    Tdeja_lieu *deja_lieu();
    Tsaisie_inco *saisie_inco();
    TQuitterdlg *Quitterdlg();
    Tmatch_nul *match_nul();
    TForm2 *Form2();
    Tchampion_du_monde *champion_du_monde();
    Tvalidation *validation();
    TForm3 *Form3();

    void makeAll();

    // The window of type T when it was made, else nullptr: for what only
    // concerns a window already there, such as hiding it.
    template <typename T>
    T *ifMade() const
    {
        return std::get<std::unique_ptr<T>>(m_windows).get();
    }

private:
    template <typename T>
    T *get();

    TForm1 &m_main;
    std::tuple<std::unique_ptr<TAboutBox>, std::unique_ptr<Tbilans>, std::unique_ptr<Tcontre_camp>,
               std::unique_ptr<Tdeja_lieu>, std::unique_ptr<Tsaisie_inco>, std::unique_ptr<TQuitterdlg>,
               std::unique_ptr<Tmatch_nul>, std::unique_ptr<TForm2>, std::unique_ptr<Tchampion_du_monde>,
               std::unique_ptr<Tvalidation>, std::unique_ptr<TForm3>>
        m_windows;
};
