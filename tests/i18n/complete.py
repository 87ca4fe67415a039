# SPDX-License-Identifier: GPL-3.0-or-later
"""Every text a player reads is translated into every language: the game's texts (lupdate
run over the sources into a copy of translations/) and the desktop entry's and the
metainfo's (xgettext and msgmerge into a copy of po/). Fails on a text missing from a
language, left unfinished, dropping a placeholder, with the wrong number of plural forms,
or naming a box, a group, a redo or a hint otherwise than translations/README.md. Usage:
complete.py SOURCE_DIR LUPDATE"""

import gettext
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Plural forms as Qt counts them.
FORMS = {"pl": 3, "cs": 3, "ru": 3, "uk": 3, "ja": 1, "zh_CN": 1}
PLACEHOLDER = re.compile(r"%(?:\d+|n)")


def languages(source_dir):
    with open(os.path.join(source_dir, "po", "LINGUAS")) as linguas:
        return [line.strip() for line in linguas if line.strip() and line[0] != "#"]


def glossary(source_dir):
    """{(row, language): cell} of the table in translations/README.md."""
    with open(os.path.join(source_dir, "translations", "README.md"), encoding="utf-8") as f:
        rows = [[c.strip() for c in line.strip(" |\n").split("|")] for line in f if line[0] == "|"]
    return {(row[0], lang): cell for row in rows[1:] for lang, cell in zip(rows[0][1:], row[1:])}


def term_faults(lang, english, translation, terms):
    """Where the English says box or group: the glossary's word for it, none it rules out.
    Chinese and Japanese run words together; elsewhere a word starts at a word boundary."""
    def has(word, whole):
        edge = "" if word >= "\u3000" else r"\b"
        return re.search(edge + re.escape(word) + (edge if whole else ""), translation, re.I)
    def ruled_out(thing):
        return filter(None, terms.get((thing + ", not", lang), "").split(", "))
    return [f"{lang}: {translation!r} names the {thing} otherwise than the glossary"
            for thing in ("box", "group", "redo", "hint") if re.search(rf"\b{thing}", english, re.I)
            and (not has(terms[(thing + ", forms begin", lang)], False)
                 or any(has(word, True) for word in ruled_out(thing)))]


def messages(path):
    """{(context, source): (numerus, [translations], unfinished)} of a .ts file."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.iter("numerusform")] \
                or [translation.text or ""]
            found[(name, message.findtext("source"))] = (
                message.get("numerus") == "yes", forms, translation.get("type") is not None)
    return found


def check_ts(source_dir, lupdate, work):
    faults, terms = [], glossary(source_dir)
    committed = [os.path.join(source_dir, "translations", f"quenlith_{lang}.ts")
                 for lang in languages(source_dir)]
    copies = [shutil.copy(path, work) for path in committed]
    subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-I", source_dir,
                    os.path.join(source_dir, "ui"), os.path.join(source_dir, "play"), "-ts", *copies],
                   check=True)
    for path, copy in zip(committed, copies):
        lang = os.path.basename(path)[len("quenlith_"):-len(".ts")]
        before, after = messages(path), messages(copy)
        for key in after.keys() - before.keys():
            faults.append(f"{lang}: new text not in the file (run update_translations): {key}")
        for key in before.keys() - after.keys():
            faults.append(f"{lang}: text no longer in the sources: {key}")
        for (context, source), (numerus, forms, unfinished) in after.items():
            where = f"{lang}: {context}: {source!r}"
            if unfinished or not all(forms):
                faults.append(f"{where} is not translated")
                continue
            if numerus and len(forms) != FORMS.get(lang, 2):
                faults.append(f"{where} has {len(forms)} plural forms, not {FORMS.get(lang, 2)}")
            wanted = sorted(set(PLACEHOLDER.findall(source)))
            for form in forms:
                faults += term_faults(lang, source, form, terms)
                if sorted(set(PLACEHOLDER.findall(form))) != wanted:
                    faults.append(f"{where}: {form!r} does not keep {wanted}")
    return faults


def check_po(source_dir, work):
    faults, terms = [], glossary(source_dir)
    po = os.path.join(source_dir, "po")
    pot = os.path.join(work, "quenlith.pot")
    subprocess.run(["xgettext", "--language=Desktop", "-o", pot,
                    "resources/quenlith.desktop.in"], cwd=source_dir, check=True)
    subprocess.run(["xgettext", "--join-existing", "-o", pot,
                    "resources/org.example.Quenlith.metainfo.xml.in"], cwd=source_dir, check=True)
    for lang in languages(source_dir):
        merged = os.path.join(work, lang + ".po")
        subprocess.run(["msgmerge", "--quiet", "--no-fuzzy-matching", "-o", merged,
                        os.path.join(po, lang + ".po"), pot], check=True)
        stats = subprocess.run(["msgfmt", "--check", "--statistics", "-o", merged + ".mo", merged],
                               capture_output=True, text=True, env=dict(os.environ, LC_ALL="C"))
        if stats.returncode != 0 or re.search(r"untranslated|fuzzy", stats.stderr):
            faults.append(f"po/{lang}.po: {stats.stderr.strip()}")
            continue
        with open(merged + ".mo", "rb") as mo:
            for english, translation in gettext.GNUTranslations(mo)._catalog.items():
                faults += term_faults(lang, english, translation, terms)
    return faults


def main():
    source_dir, lupdate = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="quenlith-i18n-") as work:
        faults = check_ts(source_dir, lupdate, work) + check_po(source_dir, work)
    for fault in faults:
        print(fault)
    if faults:
        sys.exit(f"{len(faults)} translation faults")
    print("every text is translated")


if __name__ == "__main__":
    main()
