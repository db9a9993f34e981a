#include "apps/tabulon/Headless.h"

#include <QTextStream>

int runHeadless(const QStringList &args)
{
    Q_UNUSED(args);
    QTextStream(stderr) << "tabulon: unknown option\n";
    return 2;
}
