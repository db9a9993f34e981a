#pragma once

#include <QFont>
#include <QString>

class QLineEdit;
class QWidget;

namespace FormUtil {

// The dialog font of the forms.
QFont dialogFont();
// A masked number field's value: blank positions count as spaces; an empty
// or unreadable text gives fallback.
int maskedNumber(const QLineEdit *edit, int fallback);
// A dialog window with a title bar and no system buttons.
void makeFixedDialog(QWidget *dialog, int clientWidth, int clientHeight);

// Captions made of what the user typed (team names, file names) must show
// as typed. Buttons, check boxes and radio buttons read "&" as the mark of
// a keyboard shortcut, so it is doubled.
QString buttonCaption(const QString &text);
// A tool tip that looks like markup is rendered as rich text; such a text
// is escaped so that it shows literally. Other texts stay as they are.
QString plainToolTip(const QString &text);
// Window titles read "[*]" as the place of the modified mark; doubling it
// keeps it in the title.
QString windowTitle(const QString &text);

} // namespace FormUtil
