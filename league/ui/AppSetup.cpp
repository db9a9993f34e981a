#include "league/ui/AppSetup.h"

#include "league/ui/FormUtil.h"
#include "league/ui/ToolGlyphs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace AppSetup {

namespace {

QPointer<QTranslator> &qtTranslator()
{
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

void prepare()
{
    QApplication::setApplicationName(QStringLiteral("Tabulon '98"));
    QApplication::setApplicationDisplayName(QString());
    installFontSubstitutions();
    FormUtil::installListPopupStyle();

    // The program speaks German throughout, so Qt's own dialogs do as well,
    // also under LANG=C. The locale gives the calendar its month and day
    // names; the league's dates keep their fixed "dd.MM.yyyy".
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (!qtTranslator()) {
        auto *translator = new QTranslator(qApp);
        if (translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator);
            qtTranslator() = translator;
        } else {
            delete translator;
        }
    }
    // A desktop portal or a native dialog would speak the desktop's language
    // and ignore the translation; Qt's own dialogs follow it.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

bool germanStandardDialogs()
{
    return !qtTranslator().isNull();
}

} // namespace AppSetup
