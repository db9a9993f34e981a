#include "apps/trophex/Headless.h"

#include <QTextStream>

int runHeadless(const QStringList &args)
{
    Q_UNUSED(args);
    QTextStream(stderr) << "trophex: unknown option\n";
    return 2;
}
