#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Tastrum developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/slowa.txt: common Polish words for practice, most common first.

One word a line, UTF-8, nothing else in the file: the program takes every
line as a word.

Sources (their licences are in data/copyright):
  - the frequency-ranked Polish word list, src/commonWords.json (counted from
    film subtitles), of the npm package @zxcvbn-ts/language-pl 3.0.2;
  - Debian's Polish spelling dictionary, /usr/share/dict/polish from the
    package wpolish (apt-get install wpolish).

A word is kept when it is written in lower-case Polish letters only, is 2 to
12 letters long, is spelt exactly so in the dictionary (names and towns are
capitalised there, so they drop out) and is fit for a class of children: the
lists below leave out vulgar and sexual words, drugs and drink, killing,
insults, foreign words and the bits of set phrases. The same package and
dictionary always give the same file.

Run from the top of the source tree, with the package fetched by npm pack:
  tools/make-word-list.py
or with a package already at hand, unpacked or as its .tgz:
  tools/make-word-list.py PACKAGE
Options: --dictionary PATH, --count N (words to keep), --output PATH.
"""
import argparse
import json
import re
import subprocess
import tarfile
import tempfile
from pathlib import Path

PACKAGE = "@zxcvbn-ts/language-pl@3.0.2"
RANKED_WORDS = "src/commonWords.json"
DICTIONARY = "/usr/share/dict/polish"
WORD_COUNT = 5000
OUTPUT = "data/slowa.txt"

# Polish letters only, so no q, v or x.
POLISH_WORD = re.compile("[a-pr-uwyząćęłńóśźż]{2,12}")
VOWELS = frozenset("aąeęioóuy")
# "aaa", "eee", "zzz": drawn-out sounds, not words.
DRAWN_OUT = re.compile(r"(.)\1\1")

# Roots that no decent word holds, wherever they stand: "kurw" catches
# "skurwiel", "jeb" catches "zajebisty".
BLOCKED_ANYWHERE = (
    "kurw", "kurew", "pierdol", "pierdal", "pierdziel", "jeb", "pizd",
    "kutas", "gówn", "pieprz", "dziwk", "zdzir", "sukinsyn", "skurczyb",
    "ćpa", "ćpu", "seks", "prostytu", "narkoty", "zabij", "zabój", "morder",
    "mordow", "morduj", "gwałc",
)

# Stems that sit inside innocent words too ("cip" in "dowcip", "dran" in
# "kwadrans"), so they count only at the start.
BLOCKED_PREFIXES = (
    # vulgar
    "chuj", "cip", "fiut", "dup", "srać", "sram", "srasz", "sraj", "zasra",
    "przesra", "wysra", "obsra", "osra", "posra", "naszcz", "zeszcz",
    "rzyga", "rzygn", "pierdz", "tyłek", "tyłk", "choler", "szlag", "kurde",
    "wkurz",
    # sexual
    "porno", "erotyk", "erotycz", "orgazm", "penis", "wagin", "sperm",
    "prezerwat", "masturb", "onani", "burdel", "dziewic", "prawicz",
    "kochank", "cyck", "cycusz", "sutki", "lesbij", "gej", "homoseks",
    "zbocze", "striptiz", "alfons", "sutener", "nierząd", "pedofil",
    "erekcj", "bzyka", "ruchan",
    # drugs, drink and smoking
    "kokain", "heroin", "marihuan", "haszysz", "amfetamin", "metamfetamin",
    "naćpan", "diler", "dealer", "pijan", "pijak", "wódk", "drink",
    "alkohol", "whisk", "piwk", "szampan", "papieros", "tytoń", "upić",
    "upity", "upita",
    # killing and cruelty
    "zabić", "zabił", "zabil", "zabit", "zabici", "trup", "zwłok", "tortur",
    "samobój", "zastrzel", "zadźga", "zarżn", "udusi", "ludobój", "masakr",
    "egzekuc", "terroryst", "zgwałc",
    # weapons, crime, hatred and the devil
    "strzel", "strzał", "pistolet", "karabin", "granat", "amunic", "rewolwer",
    "nienawi", "zbrodni", "gang", "bandyt", "diab", "piekł", "szatan", "demon",
    "głup",
    # insults and slurs
    "idiot", "idioc", "debil", "kretyn", "głupek", "głupk", "głupc",
    "głupiec", "durni", "durny", "durne", "dureń", "frajer", "gnoj", "gnój",
    "drań", "dran", "bydla", "bydlę", "palant", "cwel", "łajda", "szmat",
    "ciota", "cioto", "cioty", "pedał", "pedzi", "murzyn", "cygan",
    "czarnuch", "grubas", "matoł", "kurdupel", "szuja", "menel", "żul",
    "ciul", "gamoń", "przygłup", "lamus", "wieśniak", "prostak", "bękar",
    "śmierdziel", "świnio", "kreatur", "sucz",
)

# Single forms that share their start with innocent words ("suka" with
# "sukienka", "nagi" with "nagle", "wino" with "wina").
BLOCKED_WORDS = frozenset((
    "suka", "suki", "suko", "sukę", "suką", "jaja", "jajami", "jajach",
    "jądra", "jądro", "nasienie", "nasienia", "pochwa", "pochwy", "pochwie",
    "pochwę", "nago", "naga", "nagi", "nagie", "nagą", "nagich", "nagiego",
    "gwałt", "gwałtu", "gwałtem", "gwałty", "gwałtów", "wino", "winem",
    "winko", "piwo", "piwa", "piwem", "piwie", "piw", "kac", "loda",
    "ruchać", "rucham", "ruchasz", "ruchał", "homo", "cham", "chamie",
    "chama", "chamy", "chamski", "chamsko", "laska", "laseczka", "szczać",
    "szczy", "szczam", "szczał", "szczyny", "morda", "mordę", "mordy",
    "mordo", "mordą", "rzeź", "rzezi", "jaj", "laski", "lasce", "laskę",
    "kochanek", "prochy", "mać", "wal", "odwal", "spadaj", "wynocha", "won",
    "kurcze", "kurna", "broń", "bronią", "bomba", "bomby", "bombę", "bombą",
))

# Foreign words, names and abbreviations that the dictionary happens to hold
# in lower case; most come from the subtitles' English names and phrases.
NOT_POLISH = frozenset((
    "al", "albert", "all", "amber", "ameryki", "and", "anno", "baby",
    "bani", "bart", "bay", "be", "beach", "ben", "big", "bill", "billy",
    "black", "bob", "bobby", "brown", "can", "carol", "castle", "chin",
    "cia", "city", "cole", "college", "come", "dale", "dan", "de", "derek",
    "don", "drew", "earl", "el", "em", "fair", "for", "frank", "franklin",
    "gary", "gonna", "gordon", "got", "grace", "green", "hall",
    "halloween", "han", "he", "hello", "henry", "ho", "homer", "hot",
    "house", "ii", "in", "is", "island", "it", "jack", "jacka", "jamie",
    "jersey", "jo", "jon", "jordan", "jork", "jorku", "junior", "kent",
    "king", "know", "kurt", "la", "lady", "lance", "lane", "lee", "like",
    "lisa", "liz", "long", "love", "mac", "madame", "madison", "man",
    "manny", "mark", "marshall", "martin", "mary", "mason", "may", "me",
    "meksyku", "melanie", "mia", "miami", "miss", "nelson", "new", "nick",
    "nikki", "not", "of", "ok", "okay", "okej", "out", "pam", "parker",
    "penny", "project", "randy", "re", "red", "road", "rock", "romeo",
    "rosie", "san", "show", "sir", "sorry", "spencer", "star", "street",
    "the", "time", "toby", "up", "west", "what", "white", "will", "with",
    "wow", "yo", "york", "you", "young", "zombie",
))

# Parts of set phrases ("po prostu", "w ogóle", "tak czy siak"), endings
# that are written apart only in speech, misspellings that happen to be
# other words ("tez" for "też") and noise.
FRAGMENTS = frozenset((
    "bla", "cie", "eś", "ogóle", "owi", "prostu", "se", "siak", "taak",
    "tez", "ście", "śmy",
))


def fetch_package(folder):
    """Downloads the package's tarball into folder and returns its path."""
    result = subprocess.run(
        ["npm", "pack", PACKAGE, "--pack-destination", str(folder)],
        check=True, capture_output=True, text=True)
    return Path(folder) / result.stdout.strip().splitlines()[-1]


def read_ranked_words(package):
    """The package's words, most common first: from its folder or tarball."""
    package = Path(package)
    if package.is_dir():
        return json.loads((package / RANKED_WORDS).read_text(encoding="utf-8"))
    with tarfile.open(package) as tarball:
        return json.load(tarball.extractfile("package/" + RANKED_WORDS))


def load_ranked_words(package):
    """Reads package if given, or else fetches it first."""
    if package:
        return read_ranked_words(package)
    with tempfile.TemporaryDirectory() as folder:
        return read_ranked_words(fetch_package(folder))


def spelt_in_dictionary(words, dictionary):
    """Those of words that the dictionary holds spelt exactly so."""
    wanted = set(words)
    with open(dictionary, encoding="utf-8") as lines:
        return {word for word in (line.rstrip("\n") for line in lines) if word in wanted}


def looks_like_a_word(word):
    return (POLISH_WORD.fullmatch(word) is not None
            and not VOWELS.isdisjoint(word)
            and DRAWN_OUT.search(word) is None)


def fit_for_children(word):
    return not (any(root in word for root in BLOCKED_ANYWHERE)
                or word.startswith(BLOCKED_PREFIXES)
                or word in BLOCKED_WORDS
                or word in NOT_POLISH
                or word in FRAGMENTS)


def practice_words(ranked, dictionary, count):
    """The first count words of ranked that are fit to practise on."""
    candidates = [word for word in dict.fromkeys(ranked)
                  if looks_like_a_word(word) and fit_for_children(word)]
    known = spelt_in_dictionary(candidates, dictionary)
    return [word for word in candidates if word in known][:count]


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("package", nargs="?",
                        help="the unpacked package or its tarball (fetched if left out)")
    parser.add_argument("--dictionary", default=DICTIONARY)
    parser.add_argument("--count", type=int, default=WORD_COUNT)
    parser.add_argument("--output", default=OUTPUT)
    return parser.parse_args()


def main():
    arguments = parse_arguments()
    ranked = load_ranked_words(arguments.package)
    words = practice_words(ranked, arguments.dictionary, arguments.count)
    with open(arguments.output, "w", encoding="utf-8", newline="\n") as out:
        out.write("".join(word + "\n" for word in words))
    print(f"{arguments.output}: {len(words)} words")


if __name__ == "__main__":
    main()
