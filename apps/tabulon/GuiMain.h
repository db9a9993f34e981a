#pragma once

#include <QStringList>

class QApplication;

// Creates tabulon's windows, opens a league named in args and runs the event loop.
int runGui(QApplication &app, const QStringList &args);
