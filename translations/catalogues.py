#!/usr/bin/env python3
"""The game's catalogues of texts: updates them from the code, or checks them.

    catalogues.py update LUPDATE SOURCES TRANSLATIONS
    catalogues.py check  LUPDATE SOURCES TRANSLATIONS

The texts in the code are Russian. tilimi_en.ts holds every one of them in
English; tilimi_ru.ts holds only those with a number in them (%n), in
Russian's three plural forms, since a text without a catalogue has just one.

`check` runs lupdate into copies and fails where the code has a text that a
catalogue lacks, or a catalogue a text the code no longer has; and where a
translation is unfinished, empty, or drops a %1 or %n of its source.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

# The file name, then what lupdate is told for it.
CATALOGUES = {
    'tilimi_en.ts': ['-source-language', 'ru', '-target-language', 'en'],
    'tilimi_ru.ts': ['-source-language', 'ru', '-target-language', 'ru', '-pluralonly'],
}
# Locations change with every edit of the code; the catalogues keep none, so
# that they change only when a text does.
COMMON = ['-silent', '-locations', 'none', '-no-obsolete', '-extensions', 'cpp,h']


def lupdate(tool, sources, ts):
    for name, options in CATALOGUES.items():
        subprocess.run([tool, *COMMON, *options, str(sources), '-ts', str(ts / name)], check=True)


def messages(path):
    """Every message of a catalogue as (context, source, comment, plural?) -> its <translation>."""
    found = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for m in context.iter('message'):
            key = (name, m.findtext('source'), m.findtext('comment') or '', m.get('numerus') == 'yes')
            found[key] = m.find('translation')
    return found


def problems(path):
    """What is wrong with the translations of one catalogue."""
    wrong = []
    for (context, source, _, plural), translation in messages(path).items():
        where = f'{path.name}: {context}: "{source}"'
        forms = [f.text or '' for f in translation.iter('numerusform')] if plural else [translation.text or '']
        if translation.get('type') or not all(forms):
            wrong.append(f'{where} has no translation')
            continue
        needed = set(re.findall(r'%(?:\d|n)', source))
        for form in forms:
            lacking = needed - set(re.findall(r'%(?:\d|n)', form))
            if lacking:
                wrong.append(f'{where}: "{form}" lacks {" ".join(sorted(lacking))}')
    return wrong


def main():
    command, tool, sources, ts = sys.argv[1], sys.argv[2], Path(sys.argv[3]), Path(sys.argv[4])
    if command == 'update':
        lupdate(tool, sources, ts)
        return 0
    wrong = []
    with tempfile.TemporaryDirectory() as scratch:
        scratch = Path(scratch)
        for name in CATALOGUES:
            shutil.copy(ts / name, scratch / name)
        lupdate(tool, sources, scratch)
        for name in CATALOGUES:
            stored, updated = set(messages(ts / name)), set(messages(scratch / name))
            wrong += [f'{name}: the code has "{key[1]}" ({key[0]}), the catalogue not' for key in updated - stored]
            wrong += [f'{name}: "{key[1]}" ({key[0]}) is no longer in the code' for key in stored - updated]
            wrong += problems(ts / name)
    for line in wrong:
        print(line)
    if wrong:
        print(f'{len(wrong)} problems; run the update_translations target and translate what it adds')
    return 1 if wrong else 0


if __name__ == '__main__':
    sys.exit(main())
