#include "tournament/commands/TournamentCommands.h"

#include <QDir>
#include <QFile>

#include "tournament/group/Ranking.h"
#include "tournament/model/Resets.h"
#include "tournament/model/TournamentFiles.h"

namespace TournamentCommands {

namespace {

// A finished drawing of lots has always replaced qualif.dat on its own,
// with the single file's own messages; everything else goes as one set.
FileResult write(const Tournament &t, unsigned dirty, const QString &dir)
{
    if (dirty == SaveQualifiers)
        return saveQualifierFile(t, dir);
    return saveParts(t, dir, dirty);
}

bool qualifierFileIn(const QString &dir)
{
    return !dir.isEmpty() && QFile::exists(QDir(dir).filePath(QString::fromLatin1(TournamentFiles::QualifiersFile)));
}

template <typename Change>
Saved<Change> kept(Tournament &t, Change change, bool autoSave, const QString &dir)
{
    const unsigned dirty = change.dirty;
    return {std::move(change), keep(t, dirty, autoSave, dir)};
}

} // namespace

FileResult keep(Tournament &t, unsigned dirty, bool autoSave, const QString &dir)
{
    if (dirty == 0)
        return {};
    if (!autoSave) {
        t.modifie = true;
        return {};
    }
    const FileResult r = write(t, dirty, dir);
    if (!r.ok) {
        // What was not written is still to be saved: "Save" tries again.
        t.modifie = true;
        return r;
    }
    if (dirty & RemoveQualifiers)
        t.qualif_a_effacer = false;
    else if (dirty & SaveQualifiers)
        t.qualif_a_ecrire = false;
    return r;
}

FileResult storeGroupMatch(Tournament &t, const ResultEntry &entry, bool autoSave, const QString &dir)
{
    const unsigned dirty = ::storeGroupMatch(t, entry);
    if (dirty == 0)
        return FileResult::failure(QString());
    return keep(t, dirty, autoSave, dir);
}

Saved<AfterStage2Entry> storeStage2Match(Tournament &t, const ResultEntry &entry, bool autoSave, const QString &dir)
{
    return kept(t, ::storeStage2Match(t, entry), autoSave, dir);
}

FileResult finishLots(Tournament &t, bool autoSave, const QString &dir)
{
    return keep(t, ::finishLots(t), autoSave, dir);
}

Saved<DeletionResult> deleteGroupMatch(Tournament &t, int index, bool autoSave, const QString &dir)
{
    return kept(t, ::deleteGroupMatch(t, index), autoSave, dir);
}

Saved<DeletionResult> deleteStage2Match(Tournament &t, bool autoSave, const QString &dir)
{
    return kept(t, ::deleteStage2Match(t), autoSave, dir);
}

Saved<CorrectionResult> correctGroupMatch(Tournament &t, int index, const ResultEntry &entry, bool autoSave,
                                          const QString &dir)
{
    return kept(t, ::correctGroupMatch(t, index, entry, qualifierFileIn(dir)), autoSave, dir);
}

Saved<CorrectionResult> correctStage2Match(Tournament &t, char code, const ResultEntry &entry, bool autoSave,
                                           const QString &dir)
{
    return kept(t, ::correctStage2Match(t, code, entry), autoSave, dir);
}

FileResult resetEverything(Tournament &t, bool autoSave, const QString &dir)
{
    const FileResult r = keep(t, ::resetEverything(t), autoSave, dir);
    // Every data file now holds the empty tournament.
    if (autoSave && r.ok)
        t.modifie = false;
    return r;
}

FileResult resetStageTwo(Tournament &t, bool autoSave, const QString &dir)
{
    return keep(t, ::resetStageTwo(t), autoSave, dir);
}

FileResult teamEdited(Tournament &t, bool autoSave, const QString &dir)
{
    return keep(t, SaveGroups, autoSave, dir);
}

} // namespace TournamentCommands

FileResult loadQualifiers(Tournament &t, const QString &dir)
{
    const QualifierFileLoad load = loadQualifierFile(t, dir);
    if (!load.fromFile)
        t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    return load.result;
}

FileResult prepareQualifiers(Tournament &t, const QString &dir)
{
    switch (qualifierSource(t)) {
    case QualifierSource::Derive:
        t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
        return {};
    case QualifierSource::Keep:
        return {};
    case QualifierSource::File:
        break;
    }
    return loadQualifiers(t, dir);
}

bool beginStage2(Tournament &t, const QString &dir, FileResult *read)
{
    const FileResult r = prepareQualifiers(t, dir);
    if (read)
        *read = r;
    return enterStage2(t);
}
