#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class PrinterSeam;
class QWidget;

// Everything tabulon asks of the desktop goes through these small interfaces:
// message boxes, the common file dialogs, the help viewer and the shell's
// "open" of a URL. The program runs with the Qt implementations; tests hand
// the windows scripted ones and answer the dialogs without a user.

class MessageBoxSeam {
public:
    enum Icon { Question, Information, Warning, Error };
    // Answers carry the modal results the forms compare against.
    enum Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~MessageBoxSeam() = default;

    // Shows one box. buttons lists the answers in display order; Enter gives
    // defaultAnswer and Escape (or closing the box) gives escapeAnswer.
    virtual Answer show(QWidget *parent, Icon icon, const QString &caption, const QString &text,
                        const QList<Answer> &buttons, Answer defaultAnswer, Answer escapeAnswer) = 0;

    // The save prompt and every other yes/no/cancel question: caption
    // "Bestätigen", "&Ja" is the default, Escape answers "Abbrechen".
    Answer confirm(QWidget *parent, const QString &text);
    // A failed command: the runtime's German message with a single OK button.
    void error(QWidget *parent, const QString &text);
    void information(QWidget *parent, const QString &text);

    // German captions of the buttons, shared by the real and scripted boxes.
    static QString buttonText(Answer answer);
};

// The state of one common file dialog. A dialog object keeps the file name
// and file type chosen in its previous use and starts from them.
class FileDialogState {
public:
    struct FileType {
        QString caption;  // "Tabulon '98 (*.t98)"
        QString patterns; // "*.t98", several separated by ';'
    };

    enum Kind { Open, Save };

    FileDialogState(Kind kind, QList<FileType> types, QString defaultSuffix)
        : kind(kind), types(std::move(types)), defaultSuffix(std::move(defaultSuffix)) {}

    Kind kind;
    QList<FileType> types;
    QString defaultSuffix;
    QString fileName;    // full path chosen last, empty before the first use
    int filterIndex = 1; // 1-based position of the chosen file type

    // The name with the default extension added when the user typed none.
    QString withDefaultSuffix(const QString &path) const;
};

class FileDialogSeam {
public:
    virtual ~FileDialogSeam() = default;
    // Runs the dialog. On confirmation stores the chosen path and file type in
    // state and returns true; a cancelled dialog leaves state as it was.
    virtual bool exec(QWidget *parent, FileDialogState &state) = 0;
};

class HelpSeam {
public:
    virtual ~HelpSeam() = default;
    // Context numbers: 0 contents, 2 settings, 3 cross table, 4 tables,
    // 5 curves, 7 export, 8 print and preview, 9 fixture list.
    virtual void showContext(QWidget *parent, int context) = 0;
    virtual void showIndex(QWidget *parent) = 0;
    virtual void showUsage(QWidget *parent) = 0;
};

class UrlOpenerSeam {
public:
    virtual ~UrlOpenerSeam() = default;
    virtual void open(const QUrl &url) = 0;
};

// The set of seams one program run (or one test) works with.
struct UiPlatform {
    MessageBoxSeam *messages = nullptr;
    FileDialogSeam *files = nullptr;
    HelpSeam *help = nullptr;
    UrlOpenerSeam *urls = nullptr;
    // The default printer the print preview sends its pages to.
    PrinterSeam *printer = nullptr;
};
