#include "league/ui/QtPlatform.h"

#include "league/ui/TfrmHilfe.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

QtMessageBox::Answer QtMessageBox::show(QWidget *parent, Icon icon, const QString &caption,
                                         const QString &text, const QList<Answer> &buttons,
                                         Answer defaultAnswer, Answer escapeAnswer)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
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

bool QtFileDialog::exec(QWidget *parent, FileDialogState &state)
{
    QFileDialog dlg(parent);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setOption(QFileDialog::ReadOnly, false);
    QStringList filters;
    for (const FileDialogState::FileType &t : state.types) {
        // Qt takes the patterns from the last pair of parentheses; give it
        // them explicitly when the caption's own list differs.
        QString patterns = t.patterns;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString own = QStringLiteral("(%1)").arg(patterns);
        filters << (t.caption.endsWith(own) ? t.caption : t.caption + QLatin1Char(' ') + own);
    }
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

TfrmHilfe *QtHelpViewer::window(QWidget *parent)
{
    if (!m_window) {
        // The help window lives on its own, but first opens over the window
        // that asked for it.
        m_window = new TfrmHilfe();
        if (parent)
            m_window->move(parent->window()->frameGeometry().center() - m_window->rect().center());
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
