#include "league/ui/QtPlatform.h"

#include "league/ui/TfrmHilfe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

QtMessageBox::Answer QtMessageBox::show(QWidget *parent, Icon icon, const QString &caption,
                                         const QString &text, const QList<Answer> &buttons,
                                         Answer defaultAnswer, Answer escapeAnswer)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    // Messages carry file names and stored texts, which show as they are.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    QList<QPair<QAbstractButton *, Answer>> made;
    for (Answer a : buttons) {
        const QMessageBox::ButtonRole role = a == Yes ? QMessageBox::YesRole
                                            : a == No ? QMessageBox::NoRole
                                            : a == Cancel ? QMessageBox::RejectRole
                                                          : QMessageBox::AcceptRole;
        QPushButton *b = box.addButton(buttonText(a), role);
        made.append({b, a});
        if (a == defaultAnswer)
            box.setDefaultButton(b);
        if (a == escapeAnswer)
            box.setEscapeButton(b);
    }
    box.exec();
    for (const auto &[button, answer] : made)
        if (box.clickedButton() == button)
            return answer;
    // Closing the box without a button counts as the escape answer.
    return escapeAnswer;
}

namespace {

// Qt's file list writes sizes and dates in the desktop's language even when
// the program has set another; tabulon's dialogs show them as the rest of
// the program does, in German.
class FileListInProgramLocale : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole && (index.column() == 1 || index.column() == 3)) {
            if (const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel())) {
                const QModelIndex source = mapToSource(index);
                if (index.column() == 3)
                    return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
                if (!files->isDir(source))
                    return QLocale().formattedDataSize(files->size(source));
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

QStringList QtFileDialog::nameFilters(const FileDialogState &state)
{
    QStringList filters;
    for (const FileDialogState::FileType &t : state.types) {
        const QStringList wanted = t.patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        // The words between the caption's last parentheses are what Qt
        // filters by; "(*.htm / *.html)" gives "*.htm", "/" and "*.html",
        // and "/" matches no file name.
        QStringList named;
        const qsizetype open = t.caption.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && t.caption.endsWith(QLatin1Char(')')))
            named = t.caption.mid(open + 1, t.caption.size() - open - 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const bool complete = std::all_of(wanted.begin(), wanted.end(),
                                          [&named](const QString &p) { return named.contains(p); });
        filters << (complete ? t.caption
                             : t.caption + QStringLiteral(" (%1)").arg(wanted.join(QLatin1Char(' '))));
    }
    return filters;
}

bool QtFileDialog::exec(QWidget *parent, FileDialogState &state)
{
    QFileDialog dlg(parent);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setOption(QFileDialog::ReadOnly, false);
    dlg.setProxyModel(new FileListInProgramLocale(&dlg));
    const QStringList filters = nameFilters(state);
    dlg.setNameFilters(filters);
    dlg.setDefaultSuffix(state.defaultSuffix);
    if (state.kind == FileDialogState::Open) {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
    }
    if (state.filterIndex >= 1 && state.filterIndex <= filters.size())
        dlg.selectNameFilter(filters.at(state.filterIndex - 1));
    if (!state.fileName.isEmpty()) {
        const QFileInfo fi(state.fileName);
        dlg.setDirectory(fi.absolutePath());
        dlg.selectFile(fi.fileName());
    }
    // Large enough that the detail columns show sizes, types and dates in
    // full rather than cut to "11,…KiB".
    dlg.resize(820, 460);
    if (auto *tree = dlg.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        QHeaderView *header = tree->header();
        header->setStretchLastSection(false);
        header->resizeSection(1, 80);
        header->resizeSection(2, 180);
        header->resizeSection(3, 120);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return false;
    state.fileName = dlg.selectedFiles().constFirst();
    const int chosen = filters.indexOf(dlg.selectedNameFilter());
    state.filterIndex = chosen >= 0 ? chosen + 1 : 1;
    return true;
}

QtHelpViewer::QtHelpViewer() = default;

QtHelpViewer::~QtHelpViewer()
{
    delete m_window.data();
}

namespace {

qint64 overlap(const QRect &a, const QRect &b)
{
    const QRect r = a.intersected(b);
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

} // namespace

QRect QtHelpViewer::placeBeside(const QRect &dialog, const QList<QRect> &keepFree, QSize help, const QRect &screen)
{
    constexpr int gap = 8, minWidth = 360, minHeight = 240;
    help = help.boundedTo(screen.size());
    const int rightRoom = screen.right() - dialog.right() - gap;
    const int leftRoom = dialog.left() - screen.left() - gap;
    const int belowRoom = screen.bottom() - dialog.bottom() - gap;
    const int aboveRoom = dialog.top() - screen.top() - gap;
    auto fit = [](int want, int room, int least) { return room >= least ? std::min(want, room) : want; };
    QList<QRect> candidates;
    {
        const int w = fit(help.width(), rightRoom, minWidth);
        candidates << QRect(dialog.right() + 1 + gap, dialog.top(), w, help.height());
    }
    {
        const int w = fit(help.width(), leftRoom, minWidth);
        candidates << QRect(dialog.left() - gap - w, dialog.top(), w, help.height());
    }
    {
        const int h = fit(help.height(), belowRoom, minHeight);
        candidates << QRect(dialog.left(), dialog.bottom() + 1 + gap, help.width(), h);
    }
    {
        const int h = fit(help.height(), aboveRoom, minHeight);
        candidates << QRect(dialog.left(), dialog.top() - gap - h, help.width(), h);
    }
    QRect best;
    qint64 bestButtons = -1, bestDialog = -1;
    for (QRect r : candidates) {
        // Held on the screen, whatever the side.
        r.moveLeft(std::clamp(r.left(), screen.left(), screen.right() - r.width() + 1));
        r.moveTop(std::clamp(r.top(), screen.top(), screen.bottom() - r.height() + 1));
        qint64 buttons = 0;
        for (const QRect &k : keepFree)
            buttons += overlap(r, k);
        const qint64 covered = overlap(r, dialog);
        if (bestButtons < 0 || buttons < bestButtons || (buttons == bestButtons && covered < bestDialog)) {
            best = r;
            bestButtons = buttons;
            bestDialog = covered;
        }
    }
    return best;
}

TfrmHilfe *QtHelpViewer::window(QWidget *parent)
{
    if (!m_window) {
        // The help window lives on its own, but first opens over the window
        // that asked for it.
        m_window = new TfrmHilfe();
        if (parent)
            m_window->move(parent->window()->frameGeometry().center() - m_window->rect().center());
    }
    // A modal dialog blocks every window but its own children: while one is
    // open, the help window becomes its child, so that it can be scrolled,
    // searched and closed, and stands beside the dialog instead of over its
    // buttons. When the dialog closes the help window is on its own again
    // and stays where it is.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && m_window->parentWidget() != modal) {
        m_window->setParent(modal, Qt::Window);
        if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            QPointer<TfrmHilfe> help = m_window;
            QObject::connect(dialog, &QDialog::finished, m_window, [help] {
                if (!help)
                    return;
                const QRect at = help->geometry();
                const bool shown = help->isVisible();
                help->setParent(nullptr, Qt::Window);
                help->setGeometry(at);
                if (shown)
                    help->show();
            }, Qt::SingleShotConnection);
        }
    }
    if (modal) {
        QList<QRect> buttons;
        for (const QAbstractButton *b : modal->findChildren<QAbstractButton *>())
            if (b->isVisible())
                buttons << QRect(b->mapToGlobal(QPoint(0, 0)), b->size());
        const QScreen *screen = modal->screen() ? modal->screen() : QGuiApplication::primaryScreen();
        const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        const QRect frame = modal->frameGeometry();
        const QRect at = placeBeside(frame, buttons, m_window->size(), free);
        m_window->resize(at.size());
        m_window->move(at.topLeft());
    }
    return m_window;
}

void QtHelpViewer::showContext(QWidget *parent, int context)
{
    window(parent)->showContext(context);
}

void QtHelpViewer::showIndex(QWidget *parent)
{
    window(parent)->showIndex();
}

void QtHelpViewer::showUsage(QWidget *parent)
{
    window(parent)->showUsage();
}

void QtUrlOpener::open(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

QtPlatform::QtPlatform() = default;

UiPlatform QtPlatform::seams()
{
    return UiPlatform{&m_messages, &m_files, &m_help, &m_urls, &m_printer};
}
