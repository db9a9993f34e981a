#pragma once

#include <QStringList>

class QApplication;

// Creates trophex's windows on the data folder (args: optional folder) and runs the event loop.
int runGui(QApplication &app, const QStringList &args);
