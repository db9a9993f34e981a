#pragma once

#include "league/ui/PlatformSeams.h"
#include "league/ui/PrinterSeam.h"

#include <QQueue>

// Seams for tests: every dialog is answered from a queue prepared by the
// test, and every request is recorded so the test can check what was asked.
// An unexpected box (empty queue) is answered with its escape answer and
// counted, so a test sees it instead of hanging.

class ScriptedMessageBox : public MessageBoxSeam {
public:
    struct Shown {
        Icon icon;
        QString caption;
        QString text;
        QList<Answer> buttons;
        Answer defaultAnswer;
        Answer escapeAnswer;
    };

    QQueue<Answer> answers;
    QList<Shown> shown;
    int unexpected = 0;

    Answer show(QWidget *parent, Icon icon, const QString &caption, const QString &text,
                const QList<Answer> &buttons, Answer defaultAnswer, Answer escapeAnswer) override;
};

class ScriptedFileDialog : public FileDialogSeam {
public:
    struct Reply {
        bool accept = false;
        QString fileName;
        int filterIndex = 1;
    };
    struct Asked {
        FileDialogState::Kind kind;
        QStringList typeCaptions;
        QString defaultSuffix;
        QString presetName;
        int presetIndex;
    };

    QQueue<Reply> replies;
    QList<Asked> asked;
    int unexpected = 0;

    void accept(const QString &fileName, int filterIndex = 1) { replies.enqueue({true, fileName, filterIndex}); }
    void cancel() { replies.enqueue({false, {}, 1}); }

    bool exec(QWidget *parent, FileDialogState &state) override;
};

class ScriptedHelp : public HelpSeam {
public:
    QList<int> contexts; // -1 for the index, -2 for the page on using help
    void showContext(QWidget *, int context) override { contexts.append(context); }
    void showIndex(QWidget *) override { contexts.append(-1); }
    void showUsage(QWidget *) override { contexts.append(-2); }
};

class ScriptedUrlOpener : public UrlOpenerSeam {
public:
    QList<QUrl> opened;
    void open(const QUrl &url) override { opened.append(url); }
};

struct ScriptedPlatform {
    ScriptedMessageBox messages;
    ScriptedFileDialog files;
    ScriptedHelp help;
    ScriptedUrlOpener urls;
    ScriptedPrinter printer;
    UiPlatform seams() { return UiPlatform{&messages, &files, &help, &urls, &printer}; }
};
