#!/usr/bin/env python3
"""`check LUPDATE SOURCE_ROOT CATALOGUE...` checks the translation catalogues against the sources
and each other, printing one line per fault and failing; `pseudo LUPDATE SOURCE_ROOT OUTPUT.ts`
wraps every source text in ⟦ ⟧ for the test that looks for English left in the running window."""
import re, subprocess, sys, tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

LAYERS = ["app", "ui", "core", "services", "startup", "cli", "helper"]
# Plural forms Qt's lrelease expects for each language.
PLURAL_FORMS = {"de": 2, "fr": 2, "es": 2, "pt_BR": 2, "ja": 1, "zh_CN": 1, "ar": 6, "en": 2}
# The menus' entries by their source texts: no two in one menu share an accelerator.
MENUS = [("MainWindow", ["&File", "&Edit"]),
         ("MainWindow", ["Cu&t", "&Copy", "&Paste", "Select &All"])]
# Texts that are switches, with the values they may take.
SWITCHES = {("ChipRowTitle", "lower"): re.compile("lower|keep"),
            ("QGuiApplication", "QT_LAYOUT_DIRECTION"): re.compile("LTR|RTL"),
            # or the four words of a scale by ten thousands, each with its number
            ("GeneratedPassword", "thousands"):
                re.compile(r"thousands|[^|%]*%n[^|%]*(\|[^|%]*%n[^|%]*){3}"),
            # the shipped word list of the language, or English
            ("Wordlist", "en"): re.compile("en|de|pt_BR|fr|es")}
PLACEHOLDER = re.compile(r"%(?:[1-9]|L?n)")


def messages(root):
    """(context, source, comment) -> the message element."""
    return {(context.findtext("name"), message.findtext("source"), message.findtext("comment") or ""):
            message for context in root.iter("context") for message in context.iter("message")}


def forms(message):
    translation = message.find("translation")
    return [form.text or "" for form in (translation.iter("numerusform")
                                         if message.get("numerus") == "yes" else [translation])]


def accelerator(text):
    match = re.search(r"&([^&])", text.replace("&&", ""))
    return match.group(1).lower() if match else None


def check_catalogue(path, expected):
    language = re.search(r"tessellon_(\w+)\.ts$", str(path)).group(1)
    found = messages(ET.parse(path).getroot())
    faults = [f"{path.name}: {c} '{s}' "
              f"{'missing' if (c, s, x) in expected else 'no longer in the sources'}: run scripts/translations"
              for (c, s, x) in expected.keys() ^ found.keys()]
    for (context, source, _), message in found.items():
        where = f"{path.name}: {context} '{source}'"
        if message.find("translation").get("type") in ("unfinished", "vanished", "obsolete"):
            faults.append(f"{where} is not translated")
            continue
        texts = forms(message)
        if message.get("numerus") == "yes" and len(texts) != PLURAL_FORMS[language]:
            faults.append(f"{where} has {len(texts)} plural forms, not {PLURAL_FORMS[language]}")
        switch = SWITCHES.get((context, source))
        for form, text in enumerate(texts):
            # Plural forms may spell out their number ("two years"); the last, general one keeps %n.
            wanted = [p for p in PLACEHOLDER.findall(source)
                      if p != "%n" or form == len(texts) - 1 or "%n" in text]
            if not text.strip():
                faults.append(f"{where} has an empty translation")
            elif switch:
                if not switch.fullmatch(text):
                    faults.append(f"{where} must match {switch.pattern}")
            elif sorted(PLACEHOLDER.findall(text)) != sorted(wanted):
                faults.append(f"{where}: placeholders {PLACEHOLDER.findall(text)} in '{text}'")
            elif source.endswith("\n") != text.endswith("\n"):
                faults.append(f"{where}: the closing newline is not kept")
            elif (accelerator(source) is None) != (accelerator(text) is None):
                faults.append(f"{where}: the accelerator is not kept in '{text}'")
    direction = found.get(("QGuiApplication", "QT_LAYOUT_DIRECTION", ""))
    if direction is not None and forms(direction) != ["RTL" if language == "ar" else "LTR"]:
        faults.append(f"{path.name}: the layout direction is wrong for {language}")
    for context, entries in MENUS:
        keys = [accelerator(forms(found[(context, e, "")])[0])
                for e in entries if (context, e, "") in found]
        if len(set(keys)) != len(keys):
            faults.append(f"{path.name}: the menu {entries} shares accelerators: {keys}")
    return faults


def pseudo(ts, output):
    tree = ET.parse(ts)
    tree.getroot().set("language", "en")
    for (context, source, _), message in messages(tree.getroot()).items():
        body = source.rstrip("\n")
        text = source if (context, source) in SWITCHES else f"⟦{body}⟧" + source[len(body):]
        translation = message.find("translation")
        translation.clear()
        if message.get("numerus") != "yes":
            translation.text = text
        for _ in range(PLURAL_FORMS["en"] if message.get("numerus") == "yes" else 0):
            ET.SubElement(translation, "numerusform").text = text
    tree.write(output, encoding="utf-8", xml_declaration=True)


def main(command, lupdate, root, *paths):
    with tempfile.TemporaryDirectory() as scratch:
        ts = Path(scratch) / "sources.ts"
        subprocess.run([lupdate, "-silent", "-locations", "none", "-I", ".", *LAYERS,
                        "-ts", str(ts)], cwd=root, check=True)
        if command == "pseudo":
            return pseudo(ts, paths[0])
        expected = messages(ET.parse(ts).getroot())
    faults = [fault for path in paths for fault in check_catalogue(Path(path), expected)]
    print("\n".join(faults) or f"{len(paths)} catalogues complete, {len(expected)} texts each")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
