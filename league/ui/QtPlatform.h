#pragma once

#include "league/ui/PlatformSeams.h"
#include "league/ui/PrinterSeam.h"

#include <QPointer>
#include <QRect>
#include <memory>

class TfrmHilfe;

// The seams as the running program uses them: Qt's message box and file
// dialog, the program's own help window and the desktop's URL opener.
class QtMessageBox : public MessageBoxSeam {
public:
    Answer show(QWidget *parent, Icon icon, const QString &caption, const QString &text,
                const QList<Answer> &buttons, Answer defaultAnswer, Answer escapeAnswer) override;
};

class QtFileDialog : public FileDialogSeam {
public:
    bool exec(QWidget *parent, FileDialogState &state) override;

    // The file-type entries as the dialog lists them: each caption as it
    // reads. Qt takes an entry's patterns from its last pair of parentheses,
    // so only a caption that does not name its patterns there gets them
    // added.
    static QStringList nameFilters(const FileDialogState &state);
};

class QtHelpViewer : public HelpSeam {
public:
    QtHelpViewer();
    ~QtHelpViewer() override;
    void showContext(QWidget *parent, int context) override;
    void showIndex(QWidget *parent) override;
    void showUsage(QWidget *parent) override;

    // Where the help window goes beside a dialog on a screen: the first of
    // right, left, below and above that leaves keepFree (the dialog's
    // buttons) uncovered, then the one covering least of them and of the
    // dialog. The window gives up width or height to fit a side, down to a
    // readable minimum.
    static QRect placeBeside(const QRect &dialog, const QList<QRect> &keepFree, QSize help, const QRect &screen);

private:
    TfrmHilfe *window(QWidget *parent);
    QPointer<TfrmHilfe> m_window;
};

class QtUrlOpener : public UrlOpenerSeam {
public:
    void open(const QUrl &url) override;
};

class QtPlatform {
public:
    QtPlatform();
    UiPlatform seams();

private:
    QtMessageBox m_messages;
    QtFileDialog m_files;
    QtHelpViewer m_help;
    QtUrlOpener m_urls;
    DefaultPrinter m_printer;
};
