#!/usr/bin/env python3
"""Writes the example leagues of this folder.

Liga2026.T98       18 teams, matchdays 1-20 played, matchday 21 begun with
                   one half-entered match; the program opens it from
                   `tools/dev run`.
Rueckrunde2026.T98 a season entered from matchday 11 on: every team carries
                   start values for ten games, one team has penalty points.
Liga1997.tn3       the same kind of league in the old line-oriented format.

All teams are invented. Results come from a fixed seed, so running the
script again gives the same bytes. League files are Windows-1252 text with
CR LF line ends, keys in the order the program writes them.
"""

import datetime
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))

TEAMS_2026 = [
    "FC Altmühlhausen", "SV Grünwiesen 09", "TuS Bärenfels", "Eintracht Nebelbach",
    "VfR Kleeberg", "SC Lindenhöhe", "Rot-Weiß Sandhagen", "1. FC Mühlstetten",
    "Sportfreunde Ebersklamm", "FSV Sternwarte Kalkau", "TSV Überlingenried",
    "Union Haselgrund", "SpVgg Dörrwangen", "Viktoria Moorbrück", "Blau-Gelb Fichtelried",
    "ASV Kranichsee", "Germania Stöckelberg", "SG Ottersklippe",
]

TEAMS_RUECKRUNDE = [
    "SV Heidequell", "FC Nordlicht Wörth", "TuS Brückenau-Süd", "VfL Kieselgrund",
    "Sportclub Wendelhof", "Fortuna Ährenfeld", "TSG Falkenmoor", "1. SC Lerchenbühl",
    "Eintracht Sonnwald", "FV Graufurt", "SSV Tannenbrück", "Concordia Mühlweiler",
    "DJK Birkenhöh", "Alemannia Kaltenried", "SpVgg Rabenstein-Au", "FC Schäferwiese",
    "Preußen Kornhausen", "SV Löwenquell",
]

TEAMS_1997 = [
    "FC Dampfhammer", "SV Rübenau", "TuS Kohlhaldern", "VfB Steinfeld-Ost",
    "SC Wiesengrün", "Borstel 06", "Rot-Weiß Hütten", "Spvg. Öhringen-Tal",
    "FSV Bachstelze", "Viktoria Lehmkuhl", "ASC Nordheide", "TSV Krähenwinkel",
    "Germania Holzbrück", "SuS Eichelried", "VfR Möwenkliff", "Union Salzstetten",
    "Fortuna Dünenhagen", "BSC Kuckucksheim",
]


def round_robin(n=18):
    """Pairings of a double round robin by the circle method: 34 matchdays
    of nine (home, away) slot pairs, the second half with home and away
    swapped."""
    slots = list(range(1, n + 1))
    first = []
    for r in range(n - 1):
        pairs = []
        for i in range(n // 2):
            a, b = slots[i], slots[n - 1 - i]
            pairs.append((a, b) if (r + i) % 2 == 0 else (b, a))
        first.append(pairs)
        slots = [slots[0]] + [slots[-1]] + slots[1:-1]
    return first + [[(b, a) for a, b in day] for day in first]


def goals(rng, strength):
    return min(7, max(0, int(rng.gauss(1.0 + strength, 1.0) + 0.5)))


def play(rng, strengths, a, b):
    return goals(rng, strengths[a] + 0.3), goals(rng, strengths[b])


def date_text(d):
    return d.strftime("%d.%m.%Y")


class LeagueWriter:
    def __init__(self):
        self.lines = []
        self.current = None

    def section(self, name):
        self.lines.append("[%s]" % name)

    def key(self, key, value):
        self.lines.append("%s=%s" % (key, value))

    def bytes(self):
        return "".join(l + "\r\n" for l in self.lines).encode("cp1252")


def write_league(path, names, cl, uc, ab, actual, start, rounds):
    """start: slot -> (S, U, N, goals for, goals against, penalty points);
    rounds: matchday -> (from, to, nine (teamA, teamB, goalsA, goalsB))."""
    w = LeagueWriter()
    w.section("Options")
    for k, v in (("Title", "Tabulon '98"), ("Teams", 18), ("Rounds", 34), ("Champ", 1),
                 ("CL", cl), ("UC", uc), ("AB", ab), ("Actual", actual)):
        w.key(k, v)
    w.section("Teams")
    for i in range(1, 19):
        w.key(str(i), names[i - 1])
    for i in range(1, 19):
        w.section("Team%d" % i)
        values = start.get(i, (0, 0, 0, 0, 0, 0))
        for k, v in zip(("SS", "SU", "SN", "GE", "GA", "SP"), values):
            w.key(k, v)
    for j in range(1, 35):
        w.section("Round%d" % j)
        d1, d2, rows = rounds.get(j, ("", "", [(0, 0, -1, -1)] * 9))
        w.key("D1", d1)
        w.key("D2", d2)
        for k, (ta, tb, ga, gb) in enumerate(rows, 1):
            w.key("TA%d" % k, ta)
            w.key("TB%d" % k, tb)
            w.key("GA%d" % k, ga)
            w.key("GB%d" % k, gb)
    with open(path, "wb") as f:
        f.write(w.bytes())


def weekend(first_friday, j):
    fri = first_friday + datetime.timedelta(weeks=j - 1)
    if fri >= datetime.date(first_friday.year, 12, 20):
        fri += datetime.timedelta(weeks=5)  # winter break
    return date_text(fri), date_text(fri + datetime.timedelta(days=2))


def liga2026():
    rng = random.Random(2026)
    strengths = {i: rng.uniform(-0.4, 0.8) for i in range(1, 19)}
    days = round_robin()
    rounds = {}
    for j in range(1, 22):
        rows = []
        for a, b in days[j - 1]:
            if j <= 20:
                ga, gb = play(rng, strengths, a, b)
                rows.append((a, b, ga, gb))
            else:
                rows.append((a, b, -1, -1))
        if j == 21:
            # The Friday match is in, the Saturday one only half typed.
            ga, gb = play(rng, strengths, *days[20][0])
            rows[0] = (days[20][0][0], days[20][0][1], ga, gb)
            rows[1] = (days[20][1][0], days[20][1][1], 2, -1)
        rounds[j] = weekend(datetime.date(2026, 8, 7), j) + (rows,)
    write_league(os.path.join(HERE, "Liga2026.T98"), TEAMS_2026, 1, 3, 3, 21, {}, rounds)


def rueckrunde2026():
    rng = random.Random(1111)
    strengths = {i: rng.uniform(-0.4, 0.8) for i in range(1, 19)}
    days = round_robin()
    # The first ten matchdays were played before entry began; only their
    # totals are kept as start values.
    start = {i: [0, 0, 0, 0, 0, 0] for i in range(1, 19)}
    for j in range(1, 11):
        for a, b in days[j - 1]:
            ga, gb = play(rng, strengths, a, b)
            sa, sb = start[a], start[b]
            if ga > gb:
                sa[0] += 1; sb[2] += 1
            elif ga < gb:
                sa[2] += 1; sb[0] += 1
            else:
                sa[1] += 1; sb[1] += 1
            sa[3] += ga; sa[4] += gb
            sb[3] += gb; sb[4] += ga
    start[12][5] = 3  # three points deducted for a licensing breach
    rounds = {}
    for j in range(11, 17):
        rows = [(a, b) + play(rng, strengths, a, b) for a, b in days[j - 1]]
        rounds[j] = weekend(datetime.date(2026, 10, 30), j - 10) + (rows,)
    write_league(os.path.join(HERE, "Rueckrunde2026.T98"), TEAMS_RUECKRUNDE, 1, 2, 2, 17,
                 {i: tuple(v) for i, v in start.items()}, rounds)


def liga1997():
    rng = random.Random(1997)
    strengths = {i: rng.uniform(-0.4, 0.8) for i in range(1, 19)}
    days = round_robin()
    lines = ["Tabulon 3.2.1 Ligadatei"] + TEAMS_1997 + ["133"]
    first = datetime.date(1997, 8, 1)
    for j in range(1, 35):
        if j <= 12:
            fri = first + datetime.timedelta(weeks=j - 1)
            # The old program wrote the system's short date, two-digit years.
            lines += [fri.strftime("%d.%m.%y"), (fri + datetime.timedelta(days=2)).strftime("%d.%m.%y")]
            for a, b in days[j - 1]:
                ga, gb = play(rng, strengths, a, b)
                lines.append("%2d%2d%2d%2d" % (a, ga, gb, b))
        else:
            lines += ["", ""] + ["%2d%2d%2d%2d" % (0, -1, -1, 0)] * 9
    assert len(lines) == 394
    with open(os.path.join(HERE, "Liga1997.tn3"), "wb") as f:
        f.write("".join(l + "\r\n" for l in lines).encode("cp1252"))


if __name__ == "__main__":
    liga2026()
    rueckrunde2026()
    liga1997()
