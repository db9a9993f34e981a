#include "tournament/model/KnockoutScore.h"

#include "common/FootballTxt.h"

namespace {

bool inRange(int a, int b)
{
    return a >= 0 && b >= 0 && a <= KnockoutScore::kMax && b <= KnockoutScore::kMax;
}

// A part is either wholly there or wholly missing.
bool whole(int a, int b)
{
    return (a < 0 && b < 0) || inRange(a, b);
}

QString pair(int a, int b)
{
    return QStringLiteral("%1-%2").arg(a).arg(b);
}

} // namespace

bool KnockoutScore::wellFormed() const
{
    if (!whole(regular1, regular2) || !whole(extra1, extra2) || !whole(kicks1, kicks2) || !isSet())
        return false;
    if (hasExtraTime() && hasRegular()
        && (regular1 != regular2 || extra1 < regular1 || extra2 < regular2))
        return false;
    if (hasShootout()) {
        if (!inRange(goals1(), goals2()) || goals1() != goals2())
            return false;
        if (total1() > kMax || total2() > kMax)
            return false;
    }
    return true;
}

KnockoutScore KnockoutScore::swapped() const
{
    return {regular2, regular1, extra2, extra1, kicks2, kicks1};
}

QString KnockoutScore::text() const
{
    if (!isSet())
        return {};
    QString s;
    if (hasExtraTime()) {
        s = pair(extra1, extra2) + QLatin1String(" a.e.t.");
        if (hasRegular())
            s += QLatin1String(" (") + pair(regular1, regular2) + QLatin1Char(')');
    } else if (hasRegular()) {
        s = pair(regular1, regular2);
    }
    if (hasShootout()) {
        if (!s.isEmpty())
            s += QLatin1String(", ");
        s += pair(kicks1, kicks2) + QLatin1String(" pen.");
    }
    return s;
}

TypedKnockoutResult typedResult(const KnockoutScore &typed)
{
    TypedKnockoutResult r;
    r.score1 = r.goals1 = typed.regular1;
    r.score2 = r.goals2 = typed.regular2;
    if (!typed.touched())
        return r;
    r.parts = typed;
    if (typed.wellFormed()) {
        r.score1 = typed.total1();
        r.score2 = typed.total2();
        r.goals1 = typed.goals1();
        r.goals2 = typed.goals2();
    }
    return r;
}

KnockoutScore knockoutParts(const FootballTxt::Match &m)
{
    KnockoutScore k;
    if (!m.et.isSet() && !m.pen.isSet())
        return k;
    if (m.ft.isSet()) {
        k.regular1 = m.ft.a;
        k.regular2 = m.ft.b;
    }
    if (m.et.isSet()) {
        k.extra1 = m.et.a;
        k.extra2 = m.et.b;
    }
    if (m.pen.isSet()) {
        k.kicks1 = m.pen.a;
        k.kicks2 = m.pen.b;
    }
    return k.decided() ? k : KnockoutScore{};
}

void putKnockoutScore(FootballTxt::Match &m, int score1, int score2, const KnockoutScore &parts)
{
    if (!parts.fits(score1, score2)) {
        m.ft = {score1, score2};
        return;
    }
    if (parts.hasRegular())
        m.ft = {parts.regular1, parts.regular2};
    if (parts.hasExtraTime())
        m.et = {parts.extra1, parts.extra2};
    if (parts.hasShootout())
        m.pen = {parts.kicks1, parts.kicks2};
}
