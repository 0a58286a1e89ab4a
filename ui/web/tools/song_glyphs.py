#!/usr/bin/python3
# ntc-beta: the characters the page's Song face must hold, for pyftsubset's
# --text-file: every character of the UTF-16 string and character literals
# (u"…", u'…') in the given C++ sources, which hold every text the window
# shows (layout, messages, thanks, hints, menu), and all of printable ASCII,
# which the fields and the numbers show.
#
#   song_glyphs.py OUTPUT SOURCE...
import re
import sys

LITERAL = re.compile(r'''\bu(["'])((?:\\.|(?!\1).)*)\1''')


def literal_text(body):
    # \uXXXX and the simple escapes; other characters stand for themselves.
    return re.sub(r'\\u([0-9A-Fa-f]{4})|\\(.)',
                  lambda m: chr(int(m.group(1), 16)) if m.group(1) else m.group(2), body)


def main(output, sources):
    characters = {chr(c) for c in range(0x20, 0x7F)}
    for source in sources:
        with open(source, encoding='utf-8') as text:
            for match in LITERAL.finditer(text.read()):
                characters.update(literal_text(match.group(2)))
    with open(output, 'w', encoding='utf-8') as out:
        out.write(''.join(sorted(characters)) + '\n')


if __name__ == '__main__':
    if len(sys.argv) < 3:
        sys.exit('usage: song_glyphs.py OUTPUT SOURCE...')
    main(sys.argv[1], sys.argv[2:])
