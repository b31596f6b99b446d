#!/usr/bin/env python3
"""The translation catalogues, checked against the sources and each other.

  catalogues.py check LUPDATE SOURCE_ROOT CATALOGUE...
      Fails (status 1, one line per fault) unless every catalogue holds
      exactly the texts the sources have now, each translated, with every
      placeholder, the closing newline and one accelerator kept, the
      accelerators of each menu distinct, and as many plural forms as the
      language has.
  catalogues.py pseudo LUPDATE SOURCE_ROOT OUTPUT.ts
      Writes a pseudo-translation of the sources: every text wrapped in
      ⟦ ⟧, placeholders and accelerators kept, for the test that looks for
      English left untranslated in the running window.
"""
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

LAYERS = ["app", "ui", "core", "services", "startup", "cli", "helper"]

# Plural forms Qt's lrelease expects for each language.
PLURAL_FORMS = {"de": 2, "fr": 2, "es": 2, "pt_BR": 2, "ja": 1, "zh_CN": 1, "ar": 6, "en": 2}

# The menus, by the source texts of their entries: within each, no two
# entries may share an accelerator.
MENUS = [
    ("MainWindow", ["&File", "&Edit"]),
    ("MainWindow", ["Cu&t", "&Copy", "&Paste", "Select &All"]),
]

# Texts that are switches, with the values they may take.
SWITCHES = {
    ("ChipRowTitle", "lower"): {"lower", "keep"},
    ("QGuiApplication", "QT_LAYOUT_DIRECTION"): {"LTR", "RTL"},
}

PLACEHOLDER = re.compile(r"%(?:[1-9]|L?n)")


def extract(lupdate, root):
    """The texts of the sources now, as lupdate finds them."""
    with tempfile.TemporaryDirectory() as scratch:
        ts = Path(scratch) / "sources.ts"
        subprocess.run([lupdate, "-silent", "-locations", "none", "-I", ".", *LAYERS,
                        "-ts", str(ts)], cwd=root, check=True)
        return messages(ET.parse(ts))


def messages(tree):
    """(context, source, comment) -> the message element."""
    found = {}
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = message
    return found


def forms(message):
    translation = message.find("translation")
    if message.get("numerus") == "yes":
        return [form.text or "" for form in translation.iter("numerusform")]
    return [translation.text or ""]


def accelerator(text):
    match = re.search(r"&([^&])", text.replace("&&", ""))
    return match.group(1).lower() if match else None


def check_catalogue(path, expected):
    language = re.search(r"tessellon_(\w+)\.ts$", str(path)).group(1)
    found = messages(ET.parse(path))
    faults = [f"{path.name}: {c} '{s}' missing: run scripts/translations"
              for (c, s, _) in expected.keys() - found.keys()]
    faults += [f"{path.name}: {c} '{s}' is no longer in the sources: run scripts/translations"
               for (c, s, _) in found.keys() - expected.keys()]
    for key, message in found.items():
        context, source, _ = key
        where = f"{path.name}: {context} '{source}'"
        if message.find("translation").get("type") in ("unfinished", "vanished", "obsolete"):
            faults.append(f"{where} is not translated")
            continue
        texts = forms(message)
        if message.get("numerus") == "yes" and len(texts) != PLURAL_FORMS[language]:
            faults.append(f"{where} has {len(texts)} plural forms, not {PLURAL_FORMS[language]}")
        for form, text in enumerate(texts):
            # A plural form may say its number in words ("two years") and
            # leave out %n; the last, the general one, never does.
            wanted = PLACEHOLDER.findall(source)
            if form < len(texts) - 1 and "%n" not in text:
                wanted = [p for p in wanted if p != "%n"]
            if not text.strip():
                faults.append(f"{where} has an empty translation")
            elif key[:2] in SWITCHES and text not in SWITCHES[key[:2]]:
                faults.append(f"{where} must be one of {sorted(SWITCHES[key[:2]])}")
            elif sorted(PLACEHOLDER.findall(text)) != sorted(wanted):
                faults.append(f"{where}: placeholders {PLACEHOLDER.findall(text)} in '{text}'")
            elif source.endswith("\n") != text.endswith("\n"):
                faults.append(f"{where}: the closing newline is not kept")
            elif (accelerator(source) is None) != (accelerator(text) is None):
                faults.append(f"{where}: the accelerator is not kept in '{text}'")
    rtl = found.get(("QGuiApplication", "QT_LAYOUT_DIRECTION", ""))
    if rtl is not None and forms(rtl) != ["RTL" if language == "ar" else "LTR"]:
        faults.append(f"{path.name}: the layout direction is wrong for {language}")
    for context, entries in MENUS:
        keys = [accelerator(forms(found[(context, e, "")])[0])
                for e in entries if (context, e, "") in found]
        if len(set(keys)) != len(keys):
            faults.append(f"{path.name}: the menu {entries} shares accelerators: {keys}")
    return faults


def pseudo(expected, output):
    root = ET.Element("TS", version="2.1", language="en")
    contexts = {}
    for (context, source, comment), message in sorted(expected.items()):
        if context not in contexts:
            contexts[context] = ET.SubElement(root, "context")
            ET.SubElement(contexts[context], "name").text = context
        entry = ET.SubElement(contexts[context], "message")
        ET.SubElement(entry, "source").text = source
        if comment:
            ET.SubElement(entry, "comment").text = comment
        translation = ET.SubElement(entry, "translation")
        switch = SWITCHES.get((context, source))
        body = source.rstrip("\n")
        text = source if switch else f"⟦{body}⟧" + source[len(body):]
        if message.get("numerus") == "yes":
            entry.set("numerus", "yes")
            for _ in range(PLURAL_FORMS["en"]):
                ET.SubElement(translation, "numerusform").text = text
        else:
            translation.text = text
    ET.ElementTree(root).write(output, encoding="utf-8", xml_declaration=True)


def main(arguments):
    command, lupdate, root, *paths = arguments
    expected = extract(lupdate, root)
    if command == "pseudo":
        pseudo(expected, paths[0])
        return 0
    faults = [fault for path in paths for fault in check_catalogue(Path(path), expected)]
    print("\n".join(faults) or f"{len(paths)} catalogues complete, {len(expected)} texts each")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
