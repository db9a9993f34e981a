#include "tournament/ui/Look.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QHeaderView>
#include <QScreen>
#include <QTextDocument>
#include <QTableWidget>

#include "tournament/model/NameChecks.h"
#include "common/BoundedFile.h"
#include "tournament/ui/Platform.h"

namespace Look {

void applyFont(QWidget *w)
{
    setBoldFont(w, 13);
    // Black text on enabled controls; a disabled control writes in grey, so
    // that a button that cannot be used does not look as if it could.
    QPalette p = w->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Active, role, Qt::black);
        p.setColor(QPalette::Inactive, role, Qt::black);
        p.setColor(QPalette::Disabled, role, disabledTextColor());
    }
    w->setPalette(p);
}

QColor disabledTextColor()
{
    return QColor(128, 128, 128);
}

void setBoldFont(QWidget *w, int pixels)
{
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(pixels);
    f.setBold(true);
    w->setFont(f);
}

bool readPicture(QPixmap &pixmap, const QString &path)
{
    if (!BoundedFile::examine(path, kMaxPictureBytes).ok())
        return false;
    return pixmap.load(path);
}

bool loadPixmap(QPixmap &pixmap, const QString &dir, const QString &file, Platform *platform, QWidget *parent)
{
    // Pictures come from the data folder only, whatever a group file names:
    // "/etc/x" or "../x" would lead out of it.
    if (!NameChecks::isPlainFileName(file) || !readPicture(pixmap, QDir(dir).filePath(file))) {
        pixmap = QPixmap();
        if (platform)
            platform->pictureError(parent, QDir(dir).filePath(NameChecks::printable(file)));
        return false;
    }
    return true;
}

bool loadPicture(QLabel *label, const QString &dir, const QString &file, Platform *platform,
                 QWidget *parent)
{
    QPixmap pixmap;
    if (!loadPixmap(pixmap, dir, file, platform, parent)) {
        label->clear();
        return false;
    }
    label->setPixmap(pixmap);
    return true;
}

bool loadIcon(QWidget *window, const QString &dir, Platform &platform, LoadedIcon &derniere)
{
    const QString path = QDir(dir).filePath(QStringLiteral("tpx.ico"));
    // A dozen windows load the icon one after the other at start. A file
    // with the same size and time as for the window before holds the same
    // icon, which is taken over instead of being read and decoded again.
    const QFileInfo info(path);
    const QString state = info.isFile() ? QStringLiteral("%1 %2 %3")
                                             .arg(info.absoluteFilePath(),
                                                  QString::number(info.lastModified().toMSecsSinceEpoch()),
                                                  QString::number(info.size()))
                                       : QString();
    if (!state.isEmpty() && state == derniere.state) {
        window->setWindowIcon(derniere.icon);
        return true;
    }
    // QIcon never reports a bad file, so the file's header is checked here,
    // after making sure that it is a file of a sensible size at all.
    QImageReader reader(path);
    if (!BoundedFile::examine(path, kMaxPictureBytes).ok() || !reader.canRead()) {
        derniere = {};
        platform.pictureError(window, path);
        return false;
    }
    derniere = {state, QIcon(path)};
    window->setWindowIcon(derniere.icon);
    return true;
}

QTableWidget *makeGrid(QWidget *parent, const char *name, int rows, std::initializer_list<int> widths,
                     int rowHeight)
{
    auto *grid = new QTableWidget(0, int(widths.size()), parent);
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int column = 0;
    int total = 0;
    for (int w : widths) {
        grid->setColumnWidth(column++, w);
        total += w;
    }
    setGridRows(grid, rows);
    grid->resize(total + 2 * grid->frameWidth(), rows * rowHeight + 2 * grid->frameWidth());
    return grid;
}

void setCell(QTableWidget *grid, int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = grid->item(row, column))
        item->setText(text);
}

void setGridRows(QTableWidget *grid, int rows)
{
    const int old = grid->rowCount();
    grid->setRowCount(rows);
    for (int r = old; r < rows; ++r)
        for (int c = 0; c < grid->columnCount(); ++c) {
            auto *item = new QTableWidgetItem;
            if (r == 0) {
                item->setBackground(QColor(0xd4, 0xd0, 0xc8));
                item->setTextAlignment(Qt::AlignCenter);
            }
            grid->setItem(r, c, item);
        }
}

void lineUp(std::initializer_list<QWidget *> labels, int x)
{
    for (QWidget *label : labels) {
        const int hint = label->sizeHint().width();
        const int w = qMax(label->width(), hint);
        // The next word starts one blank after this one's text (the size hint
        // is a little wider than the text); a value label kept wider than its
        // text is stepped over whole.
        const auto *text = qobject_cast<QLabel *>(label);
        const int step = text && label->width() <= hint ? label->fontMetrics().horizontalAdvance(text->text()) : w;
        label->setGeometry(x, label->y(), w, label->height());
        x += step + label->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    }
}

void plainNameLabel(QLabel *label)
{
    label->setTextFormat(Qt::PlainText);
}

void plainToolTip(QWidget *w, const QString &text)
{
    // Tooltips guess at markup; a text that looks like it is given as markup
    // of itself, so that it shows unchanged.
    w->setToolTip(Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap) : text);
}

void centreOnScreen(QWidget *window)
{
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect r = window->frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        window->move(r.topLeft());
    }
}

} // namespace Look

#include "tournament/ui/TForm1.h"

namespace Look {

void prepareDialog(QWidget *dialog, TForm1 &main, const char *name, const QString &caption, int width,
                     int height)
{
    dialog->setObjectName(QLatin1String(name));
    dialog->setWindowTitle(caption);
    applyFont(dialog);
    dialog->setFixedSize(width, height);
    centreOnScreen(dialog);
    loadIcon(dialog, main.folder(), main.platform(), main.loadedIcon());
}

QLabel *mascot(QWidget *dialog, TForm1 &main, int x, int y)
{
    auto *image = make<QLabel>(dialog, "Image1", x, y, 64, 64);
    loadPicture(image, main.folder(), QStringLiteral("mascot.bmp"), &main.platform(), dialog);
    return image;
}

} // namespace Look
