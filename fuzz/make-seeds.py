#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into the folder given (one
sub-folder per target). The seeds are small files built from the file
layouts, plus the example tournament; the fuzzer grows its own corpus from
them in the build folder, so nothing here changes between runs."""
import os
import struct
import sys

here = os.path.dirname(os.path.abspath(__file__))
repo = os.path.dirname(here)
out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "seeds")
CRLF = b"\r\n"


def put(target, name, data):
    folder = os.path.join(out, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def ini(sections):
    lines = []
    for name, entries in sections:
        lines.append(b"[" + name + b"]")
        lines += [k + b"=" + v for k, v in entries]
    return CRLF.join(lines) + CRLF


# --- INI layer: the private-profile quirks the reader has to cope with.
put("fuzz_ini", "plain", ini([(b"Options", [(b"Title", b"Tabulon '98"), (b"Actual", b"0x0A")])]))
put("fuzz_ini", "quirks", b"; comment\r\nlead=before any header\r\n[Sec]\r\nKey=1\r\nkey=2\r\n"
    b"  spaced  =  value  \r\nnoequals\r\n[sec]\r\nKey=3\n[Other\r\n=empty key\r\n\xe4\xf6\xfc=\x80\x9f\r")

# --- league file: a short season with names, dates, start values and results.
options = [(b"Title", b"Tabulon '98"), (b"Teams", b"18"), (b"Rounds", b"34"), (b"Champ", b"1"),
           (b"CL", b"1"), (b"UC", b"3"), (b"AB", b"3"), (b"Actual", b"3")]
teams = [(str(i).encode(), b"Verein %d" % i) for i in range(1, 19)]
teams[0] = (b"1", b"M\xfcnchen & S\xf6hne")
sections = [(b"Options", options), (b"Teams", teams)]
for i in range(1, 19):
    sections.append((b"Team%d" % i, [(b"SS", b"1"), (b"SU", b"0"), (b"SN", b"0"), (b"GE", b"2"),
                                     (b"GA", b"1"), (b"SP", b"0")]))
for j in range(1, 4):
    rows = [(b"D1", b"%02d.08.2026" % j), (b"D2", b"%d.8.2026" % (j + 1))]
    for k in range(1, 10):
        rows += [(b"TA%d" % k, b"%d" % (2 * k - 1)), (b"TB%d" % k, b"%d" % (2 * k)),
                 (b"GA%d" % k, b"%d" % (k % 4)), (b"GB%d" % k, b"%d" % (k % 3 - 1))]
    sections.append((b"Round%d" % j, rows))
league = ini(sections)
put("fuzz_league_t98", "season", league)
# A six-team league of ten matchdays, and shapes outside their ranges.
small = [(b"Options", [(b"Teams", b"6"), (b"Rounds", b"10"), (b"Actual", b"2")]),
         (b"Teams", [(str(i).encode(), b"Klub %d" % i) for i in range(1, 7)])]
for j in range(1, 3):
    rows = []
    for k in range(1, 4):
        rows += [(b"TA%d" % k, b"%d" % k), (b"TB%d" % k, b"%d" % (7 - k)),
                 (b"GA%d" % k, b"%d" % j), (b"GB%d" % k, b"0")]
    small.append((b"Round%d" % j, rows))
put("fuzz_league_t98", "six-teams", ini(small))
put("fuzz_league_t98", "bad-shape", ini([(b"Options", [(b"Teams", b"25"), (b"Rounds", b"0")])]))
put("fuzz_league_t98", "out-of-range", ini([(b"Options", [(b"Actual", b"99")]),
                                            (b"Team1", [(b"SS", b"40")]),
                                            (b"Round1", [(b"TA1", b"-5"), (b"TB1", b"19"),
                                                         (b"GA1", b"1000"), (b"GB1", b"-7")])]))


# --- .tn3: header, 18 names, zone digits, 34 matchdays of 2 dates and 9 rows.
lines = [b"Tabulon 3.2.1"] + [b"Team %d" % i for i in range(1, 19)] + [b"133"]
for j in range(1, 35):
    lines += [b"%d.9.1997" % (j % 28 + 1), b"%02d.09.1997" % (j % 28 + 2)]
    for k in range(1, 10):
        if j <= 2:
            lines.append(b"%2d%2d%2d%2d" % (2 * k - 1, k % 5, (k + 1) % 4, 2 * k))
        else:
            lines.append(b" 0-1-1 0")
put("fuzz_league_tn3", "season", CRLF.join(lines) + CRLF)
put("fuzz_league_tn3", "short", b"x\nA\nB\n311\n1.1.1998\n")

# --- TN98.INI: windows, status line and the four toolbars.
settings = [(b"frm" + n, [(b"Top", b"%d" % (10 * i)), (b"Left", b"%d" % (-5 * i))])
            for i, n in enumerate([b"TN", b"About", b"Druck", b"DruckDlg", b"Einst", b"Kreuz",
                                   b"Kurve", b"Tab", b"Export", b"ExpBMP"])]
settings.append((b"panStatus", [(b"Visible", b"0")]))
for i, n in enumerate([b"tbStd", b"tbHlp", b"tbNav", b"tbLga"]):
    settings.append((n, [(b"Rev", b"2" if i != 3 else b"1"), (b"Visible", b"1"),
                         (b"DockedTo", b"TNDock" if i != 1 else b"+"), (b"DockRow", b"%d" % i),
                         (b"DockPos", b"%d" % (30 * i)), (b"FloatLeft", b"0"), (b"FloatTop", b"0")]))
put("fuzz_tn98ini", "settings", ini(settings))

# --- trophex records: 32-bit little-endian integers, names as a length byte
# and 20 bytes.
def name(text, length=None):
    n = len(text) if length is None else length
    return bytes([n]) + text.ljust(20, b"\0")[:20]


def team(title, flag, players):
    r = name(title) + b"\0" * 3 + struct.pack("<4i", 3, 4, 5, 6) + name(flag) + b"\0" * 3 + b"\0" * 4
    for i in range(23):
        if i < players:
            r += name(b"Player %d" % i) + b"\0" * 3 + struct.pack("<i", i % 3)
        else:
            r += b"\0" * 28
    assert len(r) == 712
    return r


def match(code, a, b, s1, s2):
    r = bytes([code]) + name(a) + name(b) + b"\0" + struct.pack("<2i", s1, s2) + b"\0" * 4
    assert len(r) == 56
    return r


group = b"".join(team(b"Team %c" % c, b"flag%c" % c, p) for c, p in zip(b"WXYZ", (23, 1, 0, 5)))
put("fuzz_tournament_group", "small", group)
put("fuzz_tournament_group", "long-name", team(b"N" * 20, b"f", 2) * 3 + team(b"Over", b"x", 23)[:0]
    + bytes([200]) + team(b"Over", b"x", 23)[1:])
with open(os.path.join(repo, "examples/tournament/groupeA.dat"), "rb") as f:
    example_a = f.read()
put("fuzz_tournament_group", "example", example_a)

matches = match(ord("A"), b"Team W", b"Team X", 2, 1) + match(ord("B"), b"Team Y", b"Team Z", 0, 0)
put("fuzz_tournament_matches", "group", matches)
put("fuzz_tournament_matches", "stage2", match(ord("1"), b"Team W", b"Team Y", 5, 4)
    + match(ord("Z"), b"Team X", b"Team Z", 1, 0))
put("fuzz_tournament_matches", "partial", matches + b"\x41\x06Team")

# qualif.dat: sixteen names of teams of the example groups.
example_names = []
for g in "ABCDEFGH":
    with open(os.path.join(repo, "examples/tournament/groupe%s.dat" % g), "rb") as f:
        data = f.read()
    for t in range(2):
        rec = data[712 * t: 712 * t + 21]
        example_names.append(rec[1:1 + rec[0]])
put("fuzz_tournament_qualif", "example", b"".join(name(n) for n in example_names))
put("fuzz_tournament_qualif", "gaps", b"".join(name(n) if i % 3 else b"\0" * 21
                                               for i, n in enumerate(example_names)))

with open(os.path.join(repo, "examples/tournament/tournament.txt"), "rb") as f:
    put("fuzz_tournament_text", "example", f.read())
text = [b"# eight groups", b""]
for g in "ABCDEFGH":
    text.append(b"group " + g.encode())
    for t in range(4):
        text.append(b"team  T%s%d |  f%s%d " % (g.encode(), t, g.encode(), t))
        text += [b"player P%d \xc3\xa9" % p for p in range(t)]
put("fuzz_tournament_text", "minimal", b"\n".join(text) + b"\n")

# --- Football.TXT: pieces of the real files and every untidy form they use.
open_football = os.path.join(repo, "tests/data/open-football")


def head(name, lines):
    with open(os.path.join(open_football, name), "rb") as f:
        return b"".join(f.readlines()[:lines])


put("fuzz_football_txt", "bundesliga", head("league/de-2023-24-bundesliga.txt", 40))
put("fuzz_football_txt", "half-played", head("league/de-2025-26-bundesliga.txt", 40)
    + b"\n\n\xc2\xbb Matchday 34\n  Sat May/16\n    15.30  SV Werder Bremen        v Borussia Dortmund\n")
put("fuzz_football_txt", "groups-goals", head("worldcup-2022/cup.txt", 60))
put("fuzz_football_txt", "knockout", head("worldcup-1998/cup_finals.txt", 41))
put("fuzz_football_txt", "squad", head("worldcup-1998/squads/br-brazil.txt", 30))
put("fuzz_football_txt", "untidy", "\n".join([
    "= Testliga 2024/25   # title",
    "== Regular season",
    "Group A  |  Nord  S\u00fcd  1. FC K\u00f6ln  Hannover 96",
    "\u25aa Matchday 1 | June 10-15",
    "Matchday 1",
    "[Fri Aug/16]",
    "  20.30  Nord  2-1 (1-0)  S\u00fcd  @  Platz, Stadt",
    "         Uruguay 1-3 Costa Rica",
    "  19:00  Wales  0-2 (0-0) Iran",
    "  17:00 UTC-3  A  1-0 a.e.t (0-0)  B",
    "             (Cody Gakpo 26'  Frenkie de Jong 49')",
    "11 July Netherlands    1-2    Croatia",
    "  (Vidal 71'pen; Sanchez 11' og  Kane 90+9', 93' (pen.))",
    "Sat Aug/17 2024",
    "  X v Y  2-2 a.e.t. (2-2, 1-1), 4-3 pen.",
    "  (-; Gavi 12'",
    "   Pedri 45+1')",
    "\u00bb 1. Round",
    "  Sun Nov 20",
    "  P v Q",
    "Semifinals",
    "10 June   R  0-0  S",
    "  (12'  Gavi)",
    "",
]).encode() + b"\n")
put("fuzz_football_txt", "faults", b"= L 2023/24\nMatchday 1\n[Fri Feb/30]\n  A  2-\n  (x 1'\n")
# Notes after scores, a shoot-out without a result, look-alike spaces in
# names, dates at the ends of the four-digit years, two byte order marks and
# a goals list over several lines that is longer than a line once written
# in its first form (every "pen" and "og" mark grows).
put("fuzz_football_txt", "notes-and-limits", b"\xef\xbb\xbf\xef\xbb\xbf" + "\n".join([
    "= Regionalliga 9998/99",
    "Matchday 1",
    "[Sat Aug/1]",
    "  Alpha\u00a0 Town  0-2 [awarded]  Beta",
    "  Gamma v Delta  1-1 (0-1) [annulled]",
    "  Alpha Town  4-3 pen.  Gamma",
    "[Fri Dec/31]",
    "  Delta  9-0  Beta",
    "  (" + " ".join("P%d %d'pen,%d'og" % (i, i % 90 + 1, (i + 7) % 90 + 1) for i in range(150)),
    "   " + " ".join("Q%d %d'pen,%d'og" % (i, i % 90 + 1, (i + 3) % 90 + 1) for i in range(150)) + ")",
    "",
]).encode() + b"\n")
put("fuzz_football_txt", "name-like-a-score", b"= L 2024\nMatchday 0\n  Pen(zberg) v Beta  1-0\n")
put("fuzz_football_txt", "cr-only", b"= L 2024\rMatchday 1\r  A  1-0  B\r")

# --- Football.JSON: the league form with every key the reader takes.
put("fuzz_football_json", "league", b"""{
  "name": "English Premier League 2023/24",
  "matches": [
    {"round": "Matchday 1", "date": "2023-08-11", "time": "20:00", "team1": "Burnley FC",
     "team2": "Manchester City FC", "score": {"ht": [0, 2], "ft": [0, 3]},
     "goals2": [{"name": "Erling Haaland", "minute": 4}, {"name": "Erling Haaland", "minute": 36},
                {"name": "Rodri", "minute": 75, "offset": 2, "penalty": true}]},
    {"round": "Matchday 1", "date": "2023-08-12", "team1": {"name": "Arsenal FC"}, "team2": "Forest",
     "score": {"ft": [2, 1]}, "ground": "Emirates Stadium, London",
     "goals1": [{"name": "Saka", "minute": 26, "owngoal": true}]},
    {"round": "Final", "time": "18:00 UTC-3", "team1": "A", "team2": "B",
     "score": {"ht": [1, 0], "ft": [1, 1], "et": [2, 2], "p": [4, 3]}},
    {"team1": "C", "team2": "D"}
  ]
}
""")
put("fuzz_football_json", "faults", b'{"name": 1, "matches": [{"team1": "A", "score": {"ft": [1]}}]}')
put("fuzz_football_json", "names-and-dates", b"\xef\xbb\xbf\xef\xbb\xbf" + """{"name": "Liga\\u0009", "matches": [
    {"round": "Matchday 0", "date": "9999-12-31", "team1": " Alpha\u00a0 Town ", "team2": "\\u0009"},
    {"round": "Matchday 1", "date": "0999-01-01", "team1": "Pen(zberg)", "team2": "aet(1)"}
]}
""".encode())

# --- tournament formats: the shipped format files, and a tournament of one.
formats = os.path.join(repo, "tournament", "format", "formats")
for name in sorted(os.listdir(formats)):
    if name.endswith(".format"):
        with open(os.path.join(formats, name), "rb") as f:
            put("fuzz_tournament_format", name[:-len(".format")], f.read())
data = [b"trophex-tournament\t1", b"format\tEuro 2020"]
teams = []
for g in "ABCDEF":
    for k in range(4):
        name = b"Team %s%d" % (g.encode(), k + 1)
        teams.append((g, name))
        data.append(b"team\t%s\t%s\tflag%s%d" % (g.encode(), name, g.encode(), k))
data.append(b"player\tTeam A1\tAnders Tr\xc3\xb8en\t2")
for g in "ABCDEF":
    names = [n for (x, n) in teams if x == g]
    for i in range(4):
        for j in range(i + 1, 4):
            data.append(b"group\t%s\t%s\t%d\t%d" % (names[i], names[j], (i + j) % 3, 1))
data.append(b"decide\tTeam A2\tTeam A3")
put("fuzz_tournament_formatdata", "groups", b"\n".join(data) + b"\n")

