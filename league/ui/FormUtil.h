#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace FormUtil {

// The dialog font of the forms.
QFont dialogFont();
// A masked number field's value: blank positions count as spaces; an empty
// or unreadable text gives fallback.
int maskedNumber(const QLineEdit *edit, int fallback);
// A label placed at a fixed spot, as the forms lay out their controls.
QLabel *label(QWidget *parent, const QString &text, const QRect &geometry,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false);
// A dialog window with a title bar and no system buttons.
void makeFixedDialog(QWidget *dialog, int clientWidth, int clientHeight);

// A drop-down list that opens below its field with `lines` entries in
// view and a scroll bar for the rest. Styles that open a non-editable list
// as a menu over the field show every entry and ignore the limit, so such
// a list gets a style that opens it as a list.
void dropDownList(QComboBox *combo, int lines);
// Makes every list of the program open as a list, before its first window.
void installListPopupStyle();

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
