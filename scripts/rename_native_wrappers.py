#!/usr/bin/env python3
"""Names every native wrapper (src/host/natives/*.h) after the native it calls,
as the game's reference names it, in lowerCamelCase: GET_PLAYER_WANTED_LEVEL
becomes getPlayerWantedLevel, a leading underscore is dropped. SUFFIXED below
adds a suffix that says why where the plain name will not do: a variant of a
native, or a name another wrapper had before.

Every use is renamed, word by word, in the wrappers themselves and in each file
of src/, tests/, bench/, tools/, fuzz/ and wine/ that includes a wrapper
header (sim/ only where it does; the simulated game has its own handlers of the
same names and never calls the wrappers). A name used after '.', '->' or
'name::' is a member of something else and is left alone.

Each rename is kept in scripts/native_wrapper_names.tsv (old name, new name),
so running again renames what code written against the old names still uses;
a run over renamed code changes nothing.

    scripts/rename_native_wrappers.py [--check]

--check renames nothing and exits 1 when some file still uses an old name.
"""
import argparse
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
WRAPPERS = ROOT / "src/host/natives"
NAMES_FILE = ROOT / "scripts/native_wrapper_names.tsv"
FOLDERS = ("src", "sim", "tests", "bench", "tools", "fuzz", "wine")
EXTENSIONS = {".h", ".cpp"}

# Native name -> the wrapper's name where the plain name will not do.
SUFFIXED = {
    # Variants with an argument fixed, which the plain name would hide.
    "SET_VEHICLE_ENGINE_ON": "setVehicleEngineOnNow",  # instantly 1, not as the ignition turns
    "SET_CAM_ACTIVE": "setCamActiveOff",  # active 0
    "STAT_SET_INT": "statSetIntZero",  # value 0
    # isVehicleModel was IS_MODEL_A_VEHICLE's wrapper: code written against the
    # old names must not find it calling IS_VEHICLE_MODEL.
    "IS_VEHICLE_MODEL": "isVehicleModelMatching",
}

# A declaration with its hash comment: "bool f(int a);  // 0x1234... NAME".
DECLARATION = re.compile(r"^(?!\s*//)[^/]*?\b(\w+)\s*\([^/]*;\s*//\s*0x[0-9A-Fa-f]{16}\s+(_?[A-Z][A-Z0-9_]*)")


def fail(message):
    sys.exit("rename_native_wrappers: " + message)


def lower_camel(native):
    words = native.lstrip("_").lower().split("_")
    return words[0] + "".join(word.capitalize() for word in words[1:])


def wanted_name(native):
    return SUFFIXED.get(native) or lower_camel(native)


def declarations():
    """(wrapper name, native name) of every declaration, in header order."""
    found = []
    for header in sorted(WRAPPERS.glob("*.h")):
        for line in header.read_text().splitlines():
            match = DECLARATION.match(line)
            if match:
                found.append((match.group(1), match.group(2)))
    if not found:
        fail(f"no wrapper declarations found in {WRAPPERS.relative_to(ROOT)}/")
    return found


def read_known():
    known = {}
    if NAMES_FILE.exists():
        for line in NAMES_FILE.read_text().splitlines():
            if line and not line.startswith("#"):
                old, new = line.split("\t")
                known[old] = new
    return known


def mapping():
    """Every old name this script knows, to the wrapper's name now."""
    renames = read_known()
    targets = {}
    for current, native in declarations():
        new = wanted_name(native)
        if new in targets:
            fail(f"{targets[new]} and {native} would both be {new}: give one a suffix in SUFFIXED")
        targets[new] = native
        if new != current:
            renames[current] = new
    # An old name whose wrapper was renamed again since goes to the latest name.
    for old in renames:
        seen = {old}
        while renames[old] in renames and renames[old] not in seen:
            seen.add(renames[old])
            renames[old] = renames[renames[old]]
    for old, new in renames.items():
        if old in targets:
            fail(f"{old} is both an old name (now {new}) and a wrapper's name: give one a suffix in SUFFIXED")
    return renames


def files_to_rename():
    for folder in FOLDERS:
        for path in sorted((ROOT / folder).rglob("*")):
            if path.suffix not in EXTENSIONS or not path.is_file():
                continue
            text = path.read_text()
            if path.parent == WRAPPERS or '"host/natives/' in text:
                yield path, text


def comment_column(text):
    """The column most of a header's hash comments start in."""
    columns = [match.start(2) - match.start(0) for match in re.finditer(r"(?m)^(?!//).*;( +)(// 0x)", text)]
    return min(columns, key=lambda column: (-columns.count(column), column)) if columns else 0


def renamed(text, pattern, renames, realign):
    column = comment_column(text) if realign else 0

    def one_line(line):
        new_line = pattern.sub(lambda match: renames[match.group(1)], line)
        comment = re.search(r";( +)// 0x", new_line)
        if column and comment and new_line != line:
            # Keeps a header's hash comments in their column where there is room.
            spaces = max(2, column - comment.start(1))
            new_line = new_line[:comment.start(1)] + " " * spaces + new_line[comment.end(1):]
        return new_line

    return "".join(one_line(line) for line in text.splitlines(keepends=True))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="rename nothing; exit 1 if an old name is still used")
    arguments = parser.parse_args()

    renames = mapping()
    for old, new in sorted(renames.items()):
        print(f"{old:36} -> {new}")
    if not renames:
        return 0
    pattern = re.compile(r"(?<![\w.])(?<!->)(?<!\w::)(" + "|".join(sorted(renames, key=len, reverse=True)) + r")\b")
    changed = []
    for path, text in files_to_rename():
        new_text = renamed(text, pattern, renames, path.parent == WRAPPERS and path.suffix == ".h")
        if new_text != text:
            changed.append(path.relative_to(ROOT))
            if not arguments.check:
                path.write_text(new_text)
    if not arguments.check:
        NAMES_FILE.write_text("# old wrapper name\tnew wrapper name (written by scripts/rename_native_wrappers.py)\n" +
                              "".join(f"{old}\t{new}\n" for old, new in sorted(renames.items())))
    for path in changed:
        print(("uses an old name: " if arguments.check else "renamed in ") + str(path))
    return 1 if arguments.check and changed else 0


if __name__ == "__main__":
    sys.exit(main())
