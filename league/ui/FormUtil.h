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

} // namespace FormUtil
