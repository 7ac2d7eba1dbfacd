#!/usr/bin/env python3
"""Builds the program's pictures in assets/pictures/ from the Twemoji SVG files.

The pictures come from the npm package @twemoji/svg, version 15.0.0 (CC BY 4.0); some
are used as they are, others are recoloured or put together from several files, and a
few are drawn here from simple shapes. The results are committed, so a build never
downloads anything; run this script only to regenerate them.

usage: scripts/make_pictures.py [PACKAGE]   (PACKAGE: the unpacked package folder or its .tgz;
                                            without it the package is fetched with `npm pack`)
"""
import os
import re
import subprocess
import sys
import tarfile
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', 'assets', 'pictures')
PACKAGE = '@twemoji/svg@15.0.0'


def open_package(arg):
    if arg and os.path.isdir(arg):
        return lambda name: open(os.path.join(arg, name), encoding='utf-8').read()
    if not arg:
        tmp = tempfile.mkdtemp()
        subprocess.run(['npm', 'pack', PACKAGE], cwd=tmp, check=True, stdout=subprocess.DEVNULL)
        arg = os.path.join(tmp, [f for f in os.listdir(tmp) if f.endswith('.tgz')][0])
    tar = tarfile.open(arg)
    return lambda name: tar.extractfile('package/' + name).read().decode('utf-8')


read = None


def inner(code):
    text = read(code + '.svg')
    return re.sub(r'^<svg[^>]*>|</svg>\s*$', '', text.strip())


def svg(content, view='0 0 36 36'):
    return '<svg xmlns="http://www.w3.org/2000/svg" viewBox="%s">%s</svg>\n' % (view, content)


def g(content, tx=0.0, ty=0.0, s=1.0, extra=''):
    return '<g transform="translate(%g %g) scale(%g)%s">%s</g>' % (tx, ty, s, extra, content)


def recolour(content, mapping):
    for old, new in mapping.items():
        content = re.sub('fill="%s"' % re.escape(old), 'fill="%s"' % new, content, flags=re.I)
    return content


def paths(content):
    return re.findall(r'<(?:path|circle|ellipse|rect)[^>]*/>', content)


def start_point(element):
    m = re.search(r'd="[Mm]\s*(-?\d*\.?\d+)[\s,]*(-?\d*\.?\d+)', element)
    return (float(m.group(1)), float(m.group(2))) if m else None


def flag_code(country):
    return '-'.join('%x' % (0x1f1e6 + ord(c) - ord('A')) for c in country)


pictures = {}


def put(name, text):
    pictures[name] = text


def build():
    # Choice board faces.
    balloon = inner('1f388')
    put('balloons', svg(g(recolour(balloon, {'#BB1A34': '#3B88C3'}), 13, 0, .62)
                        + g(recolour(balloon, {'#BB1A34': '#FFCC4D'}), 7, 9, .62)
                        + g(recolour(balloon, {'#BB1A34': '#DD2E44'}), 0, 3, .62)))
    put('mouse', svg(recolour(inner('1f42d'), {'#99AAB5': '#77B255', '#66757F': '#3E721D'})))
    for name, code in [('robot', '1f916'), ('star', '2b50'), ('duck', '1f424'), ('candle', '1f56f'),
                       ('musicnote', '1f3b5'), ('saucer', '1f6f8'), ('sun', '1f31e'), ('castle', '1f3f0'),
                       ('start', '1f680'), ('check', '1f697'), ('new', '1f6a9'), ('logo', '1f9ee'),
                       ('decorsun', '2600')]:
        put(name, svg(inner(code)))
    put('icelolly', svg('<rect x="16" y="22" width="4" height="13" rx="2" fill="#D99E82"/>'
                        '<path fill="#F4ABBA" d="M10 9a8 8 0 0 1 16 0v14a2 2 0 0 1-2 2H12a2 2 0 0 1-2-2z"/>'
                        '<path fill="#FFE8B6" d="M10 15h16v4H10z"/>'
                        '<path fill="#DD2E44" d="M10 9a8 8 0 0 1 16 0v1H10z"/>'
                        '<path fill="#FFF" fill-opacity=".5" d="M13 9h2v12h-2z"/>'))
    truck = paths(inner('1f69a'))
    bed = ('<g transform="rotate(-24 35 24)"><path fill="#F4900C" d="M13 12h23v12H15z"/>'
           '<path fill="#C1694F" d="M13 12h23v2H13z"/></g>'
           '<path fill="#66757F" d="M21 25l5-9 1.6.9-5 9z"/>')
    put('dumptruck', svg(truck[0] + bed + ''.join(truck[1:-1])))
    fish = inner('1f420')
    put('fishbowl', svg('<circle cx="18" cy="20" r="15" fill="#DDEFFB"/>'
                        '<path fill="#55ACEE" fill-opacity=".75" d="M4.25 14A15 15 0 1 0 31.75 14z"/>'
                        + g(fish, 9, 13, .5) +
                        '<ellipse cx="18" cy="7" rx="9" ry="2" fill="none" stroke="#88C9F9" stroke-width="1.5"/>'
                        '<circle cx="18" cy="20" r="15" fill="none" stroke="#88C9F9" stroke-width="1.5"/>'))

    # Buttons: the stop sign carries the word STOP, drawn as stroked paths.
    word = ('<g fill="none" stroke="#FFF" stroke-width="1.7" stroke-linecap="round" stroke-linejoin="round">'
            '<path d="M12.4 15.4c-.3-1.3-3.6-1.7-3.7.4-.1 2.1 3.8 1.6 3.8 4.1 0 2.4-3.6 2.2-4 .9"/>'
            '<path d="M13.6 14.3h4.4M15.8 14.3v7.6"/>'
            '<path d="M19.2 18.1a2.05 3.8 0 1 0 4.1 0a2.05 3.8 0 1 0-4.1 0z"/>'
            '<path d="M24.8 21.9v-7.6h1.9a1.9 1.9 0 0 1 0 3.8h-1.9"/></g>')
    put('stop', svg(inner('1f6d1') + word))
    put('help', svg('<circle cx="18" cy="18" r="17.5" fill="#FFF"/>' + g(inner('2753'), 4.5, 4.5, .75)))

    # Coat of arms: a shield with a lion, under a crown.
    put('coatofarms', svg(inner('1f6e1') + g(inner('1f981'), 8.5, 8, .53) + g(inner('1f451'), 10, -9, .45),
                          '0 -9 36 45'))

    # Six people, mostly children: a standing figure with a child's head in the same skin
    # tone and clothes of their own.
    people = [('1f3fb', '1f467', '#DD2E44', '#4289C1'), ('1f3fc', '1f466', '#77B255', '#292F33'),
              ('1f3fd', '1f9d2', '#FFAC33', '#744EAA'), ('1f3fe', '1f467', '#AA8DD8', '#3B88C3'),
              ('1f3ff', '1f466', '#55ACEE', '#8A4B38'), ('1f3fd', '1f467', '#F4ABBA', '#5C913B')]
    for i, (tone, head, shirt, trousers) in enumerate(people, 1):
        body = []
        for element in paths(inner('1f9cd-' + tone)):
            p = start_point(element)
            if p and p[1] < 8 and abs(p[0] - 17.009) > .01:
                continue  # the grown-up's head gives way to the child's
            body.append(element)
        body = recolour(''.join(body), {'#FA743E': shirt, '#4289C1': trousers})
        put('person%d' % i, svg(body + g(inner(head + '-' + tone), 14.1, 0.2, .222), '8.7 -0.3 18.6 40'))

    # Rewards: ten different small icons, and the one of the thousand field.
    for k, code in enumerate(['1f3c6', '1f947', '1f31f', '1f381', '1f389', '1f36d', '1f451', '1f48e', '1f308', '1f36a']):
        put('reward%d' % k, svg(inner(code)))
    put('reward', svg(inner('1f44d')))

    # Forty flags in two sets of twenty.
    sets = ['NL BE HR DE FR GB IE ES PT IT CH AT DK SE NO FI PL CZ GR HU'.split(),
            'SR CW AW TR MA US CA MX BR AR CN JP KR IN ID AU ZA EG NG GH'.split()]
    for s, countries in enumerate(sets, 1):
        for i, country in enumerate(countries):
            put('flag%d-%02d' % (s, i), svg(inner(flag_code(country))))

    # Thirty hamsters: six coats, each hamster with a prop of its own.
    coats = ['#FFCC4D', '#E0A060', '#F5E6C8', '#B8C0C6', '#FFFFFF', '#B7825F']
    props = [('1f3a9', 'hat'), ('26bd', 'low'), ('1f4d6', 'low'), ('1f33c', 'low'), ('1f34e', 'low'),
             ('1f955', 'low'), ('1f9c0', 'low'), ('1f380', 'hat'), ('1f453', 'face'), ('1f451', 'hat'),
             ('1f388', 'low'), ('1f36a', 'low'), ('1f95c', 'low'), ('1f33b', 'low'), ('1f352', 'low'),
             ('1f353', 'low'), ('2b50', 'hat'), ('1f3b8', 'low'), ('1f3c0', 'low'), ('1f3be', 'low'),
             ('1f9f8', 'low'), ('1f697', 'low'), ('1f680', 'low'), ('1f30d', 'low'), ('1f9e2', 'hat'),
             ('1f3a8', 'low'), ('1f941', 'low'), ('1f3ba', 'low'), ('1f36d', 'low'), ('1f308', 'hat')]
    face = inner('1f439')
    for i, (code, where) in enumerate(props):
        coat = coats[i % len(coats)]
        body = recolour(face, {'#FFCC4D': coat})
        outline = '<circle cx="18" cy="20" r="16.5" fill="none"/>' if coat == '#FFFFFF' else ''
        place = {'hat': (9, -6, .5), 'low': (20, 19, .46), 'face': (8.5, 10.5, .53)}[where]
        put('hamster%02d' % i, svg(g(body + outline, 2, 4, .85) + g(inner(code), *place), '0 -6 36 42'))

    # Twenty small figures.
    for i, code in enumerate(['1f9d9', '1f9da', '1f47b', '1f47d', '1f9d1-200d-1f680', '1f984', '1f409', '26c4',
                              '1f9dc', '1f9de', '1f385', '1f478', '1f934', '1f977', '1f9b8', '1f921', '1f9dd',
                              '1f9cc', '1f383', '1f996']):
        put('figure%02d' % i, svg(inner(code)))


def main():
    global read
    read = open_package(sys.argv[1] if len(sys.argv) > 1 else None)
    build()
    os.makedirs(OUT, exist_ok=True)
    for old in os.listdir(OUT):
        if old.endswith('.svg'):
            os.remove(os.path.join(OUT, old))
    for name, text in sorted(pictures.items()):
        with open(os.path.join(OUT, name + '.svg'), 'w', encoding='utf-8') as f:
            f.write(text)
    entries = ''.join('        <file>pictures/%s.svg</file>\n' % n for n in sorted(pictures))
    with open(os.path.join(OUT, '..', 'assets.qrc'), 'w', encoding='utf-8') as f:
        f.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n    <qresource prefix="/">\n' + entries +
                '        <file compression-algorithm="none">fonts/LiberationSans-Regular.ttf</file>\n'
                '        <file compression-algorithm="none">fonts/LiberationSans-Bold.ttf</file>\n'
                '    </qresource>\n</RCC>\n')
    print('%d pictures written' % len(pictures))


if __name__ == '__main__':
    main()
