#include "fixture_helper.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QTest>

bool ScriptedPlatform::ask(QDialog *dialog)
{
    questions << dialog->windowTitle();
    dialog->show();
    if (duringQuestion)
        duringQuestion(dialog);
    // No answer named: the user presses Escape.
    if (answer.isEmpty()) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        return dialog->result() == QDialog::Accepted;
    }
    auto *button = dialog->findChild<QPushButton *>(answer);
    if (!button) {
        dialog->reject();
        return false;
    }
    button->click();
    return dialog->result() == QDialog::Accepted;
}

namespace Bytes {

QByteArray int32Bytes(qint32 value)
{
    QByteArray b(4, '\0');
    const quint32 v = quint32(value);
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xff);
    return b;
}

QByteArray nom(const QByteArray &name)
{
    QByteArray b(21, '\0');
    b[0] = char(name.size());
    for (int i = 0; i < name.size(); ++i)
        b[1 + i] = name[i];
    return b;
}

QByteArray equipe(const QByteArray &name, qint32 played, qint32 points, qint32 goalsFor, qint32 goalsAgainst,
                  const QByteArray &flag, const QList<Joueur> &players)
{
    QByteArray b;
    b += nom(name) + QByteArray(3, '\0');                    // 0..23
    b += int32Bytes(played) + int32Bytes(points);                    // 24..31
    b += int32Bytes(goalsFor) + int32Bytes(goalsAgainst);            // 32..39
    b += nom(flag) + QByteArray(3, '\0');                    // 40..63
    b += int32Bytes(0);                                          // 64..67 link
    for (int i = 0; i < 23; ++i) {                           // 68..711
        if (i < players.size())
            b += nom(players[i].name) + QByteArray(3, '\0') + int32Bytes(players[i].goals);
        else
            b += QByteArray(28, '\0');
    }
    return b;
}

QByteArray match(char code, const QByteArray &team1, const QByteArray &team2, qint32 score1, qint32 score2)
{
    QByteArray b;
    b += code;                                               // 0
    b += nom(team1) + nom(team2);                            // 1..42
    b += '\0';                                               // 43
    b += int32Bytes(score1) + int32Bytes(score2) + int32Bytes(0);        // 44..55
    return b;
}

} // namespace Bytes

namespace Fixture {

QByteArray teamName(char group, int index)
{
    return QByteArray("Team ") + group + char('1' + index);
}

QList<Bytes::Joueur> squad(char group, int index, qint32 strikerGoals)
{
    const QByteArray x = QByteArray(1, group) + char('1' + index);
    return {{"Striker " + x, strikerGoals}, {"Zo\xe9 " + x, 0}, {"Keeper " + x, 0}};
}

QByteArray flagBytes(char group, int index)
{
    static const char *flags[32] = {
        "bresil", "ecosse", "maroc", "norvege", "italie", "chili", "cameroun", "autriche",
        "france", "afrique_du_sud", "arabie", "danemark", "espagne", "nigeria", "paraguay", "bulgarie",
        "pays_bas", "belgique", "coree", "mexique", "allemagne", "etats_unis", "yougoslavie", "iran",
        "roumanie", "angleterre", "colombie", "tunisie", "argentine", "japon", "jamaique", "croatie"};
    return flags[(group - 'A') * 4 + index];
}

void prepare(const QString &dir)
{
    for (char g = 'A'; g <= 'H'; ++g) {
        QByteArray bytes;
        for (int i = 0; i < 4; ++i)
            bytes += Bytes::equipe(teamName(g, i), 0, 0, 0, 0, flagBytes(g, i), squad(g, i));
        QFile f(QDir(dir).filePath(QStringLiteral("groupe%1.dat").arg(QLatin1Char(g))));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    const QDir example(QStringLiteral(TEST_SOURCE_DIR "/examples/tournament"));
    for (const QString &picture : example.entryList({"*.bmp", "*.ico"}, QDir::Files))
        QFile::copy(example.filePath(picture), QDir(dir).filePath(picture));
}

QByteArray lit(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

Session::Session(const QString &dir) : form(dir, platform)
{
    // As in the program, the other windows are made when first needed.
    form.show();
    for (int i = 0; i < 7; ++i)
        form.Timer1Timer();
}

void chooses(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
    emit box->textActivated(text);
}

} // namespace Fixture
