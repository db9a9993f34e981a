#include "tournament/ui/DialogSet.h"

#include "tournament/ui/TAboutBox.h"
#include "tournament/ui/TForm1.h"
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

#include <type_traits>
#include <utility>

DialogSet::DialogSet(TForm1 &main) : m_main(main) {}

namespace {

// Resets the windows from the last of the start order to the first.
template <typename Windows, std::size_t... I>
void resetReversed(Windows &windows, std::index_sequence<I...>)
{
    (std::get<sizeof...(I) - 1 - I>(windows).reset(), ...);
}

} // namespace

DialogSet::~DialogSet()
{
    // Reverse start order: the later windows may refer to the earlier ones.
    resetReversed(m_windows, std::make_index_sequence<std::tuple_size_v<decltype(m_windows)>>());
}

template <typename T>
T *DialogSet::get()
{
    auto &window = std::get<std::unique_ptr<T>>(m_windows);
    if (!window) {
        window = std::make_unique<T>(m_main);
        // The two windows that ask something of the main window say so by signals.
        if constexpr (std::is_same_v<T, TForm2>)
            QObject::connect(window.get(), &TForm2::openMatch, &m_main, &TForm1::openMatchEntry);
        if constexpr (std::is_same_v<T, Tvalidation>)
            QObject::connect(window.get(), &Tvalidation::toReview, &m_main, &TForm1::reviewEntry);
    }
    return window.get();
}

TAboutBox *DialogSet::AboutBox() { return get<TAboutBox>(); }
Tbilans *DialogSet::bilans() { return get<Tbilans>(); }
Tcontre_camp *DialogSet::contre_camp() { return get<Tcontre_camp>(); }
Tdeja_lieu *DialogSet::deja_lieu() { return get<Tdeja_lieu>(); }
Tsaisie_inco *DialogSet::saisie_inco() { return get<Tsaisie_inco>(); }
TQuitterdlg *DialogSet::Quitterdlg() { return get<TQuitterdlg>(); }
Tmatch_nul *DialogSet::match_nul() { return get<Tmatch_nul>(); }
TForm2 *DialogSet::Form2() { return get<TForm2>(); }
Tchampion_du_monde *DialogSet::champion_du_monde() { return get<Tchampion_du_monde>(); }
Tvalidation *DialogSet::validation() { return get<Tvalidation>(); }
TForm3 *DialogSet::Form3() { return get<TForm3>(); }

void DialogSet::makeAll()
{
    AboutBox();
    bilans();
    contre_camp();
    deja_lieu();
    saisie_inco();
    Quitterdlg();
    match_nul();
    Form2();
    champion_du_monde();
    validation();
    Form3();
}
