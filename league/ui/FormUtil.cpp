#include "league/ui/FormUtil.h"

#include "league/ui/DeferredIcon.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QTextDocument>
#include <QWidget>

namespace {

class ListPopupStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // The menu bars and toolbars each ask for their overflow arrow when they
    // are made, and reading the first of those pictures loads every picture
    // format plugin; the arrow shows only when a bar runs out of room, so it
    // is read when it is first painted.
    QIcon standardIcon(StandardPixmap which, const QStyleOption *option, const QWidget *widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        QStyleOption direction;
        direction.direction = option ? option->direction : QGuiApplication::layoutDirection();
        return deferredIcon([base = QPointer<QStyle>(baseStyle()), which, direction] {
            return base ? base->standardIcon(which, &direction) : QIcon();
        });
    }
};

// One style for every list of the program, made from the application's own.
QStyle *listPopupStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        QStyle *base = QStyleFactory::create(QApplication::style()->name());
        style = new ListPopupStyle(base);
        style->setParent(qApp);
    }
    return style;
}

} // namespace

namespace FormUtil {

QFont dialogFont()
{
    return QFont(QStringLiteral("MS Sans Serif"), 8);
}

int maskedNumber(const QLineEdit *edit, int fallback)
{
    QString text = edit->displayText();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

void makeFixedDialog(QWidget *dialog, int clientWidth, int clientHeight)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setFixedSize(clientWidth, clientHeight);
    dialog->setFont(dialogFont());
}

void dropDownList(QComboBox *combo, int lines)
{
    combo->setMaxVisibleItems(lines);
    // Under the program's own style lists already open as lists; a style of
    // the combo's own would build its popup at once, for every list of the
    // matchday panel before the window can show.
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    if (combo->style()->styleHint(QStyle::SH_ComboBox_Popup, &option, combo))
        combo->setStyle(listPopupStyle());
}

void installListPopupStyle()
{
    if (dynamic_cast<ListPopupStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new ListPopupStyle(QStyleFactory::create(QApplication::style()->name())));
}

QString buttonCaption(const QString &text)
{
    QString caption = text;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

QString plainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

QString windowTitle(const QString &text)
{
    QString title = text;
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return title;
}

QLabel *label(QWidget *parent, const QString &text, const QRect &geometry, Qt::Alignment align, bool bold)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setAlignment(align);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

} // namespace FormUtil
