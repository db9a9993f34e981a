#include "league/ui/ScriptedPlatform.h"

MessageBoxSeam::Answer ScriptedMessageBox::show(QWidget *, Icon icon, const QString &caption,
                                               const QString &text, const QList<Answer> &buttons,
                                               Answer defaultAnswer, Answer escapeAnswer)
{
    shown.append({icon, caption, text, buttons, defaultAnswer, escapeAnswer});
    if (answers.isEmpty()) {
        ++unexpected;
        return escapeAnswer;
    }
    return answers.dequeue();
}

bool ScriptedFileDialog::exec(QWidget *, FileDialogState &state)
{
    QStringList captions;
    for (const FileDialogState::FileType &t : state.types)
        captions << t.caption;
    asked.append({state.kind, captions, state.defaultSuffix, state.fileName, state.filterIndex});
    if (replies.isEmpty()) {
        ++unexpected;
        return false;
    }
    const Reply r = replies.dequeue();
    if (!r.accept)
        return false;
    // Like the real dialog: a typed name without extension gets the default one.
    state.fileName = state.withDefaultSuffix(r.fileName);
    state.filterIndex = r.filterIndex;
    return true;
}
