#pragma once

// What tabulon sets up once its application object exists and before its
// first window: the program's name, the font names the forms ask for, and
// German in Qt's own dialogs whatever language the desktop runs in.
namespace AppSetup {

// Safe to call more than once; the translation is installed only once.
void prepare();

// Qt's German texts (file dialogs, the overwrite question, standard
// buttons, key names in menus): true when they are installed.
bool germanStandardDialogs();

} // namespace AppSetup
