#!/usr/bin/env python3
"""Assembles the one-file page: the shell with the markup, the stylesheets, the page's script,
the core's script and its WebAssembly as base64, so that the page loads nothing else."""
import argparse
import base64
import re
import sys


def read(path, mode='r'):
    with open(path, mode) as f:
        return f.read()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--shell', required=True)
    parser.add_argument('--markup', required=True,
                        help='directory with the parts title, style, window and description')
    parser.add_argument('--css', required=True)
    parser.add_argument('--script', required=True, help="the page's own script")
    parser.add_argument('--core', help="emscripten's script of the core (none: a page without)")
    parser.add_argument('--wasm')
    parser.add_argument('--output', required=True)
    args = parser.parse_args()

    scripts = read(args.script) + ('\n' + read(args.core) if args.core else '')
    if re.search(r'</script', scripts, re.IGNORECASE):
        sys.exit('assemble.py: a script contains "</script", which would end it early')
    # The markup's program ends what it writes with a line feed.
    markup = {name: read(f'{args.markup}/{name}').rstrip('\n')
              for name in ('title', 'description', 'style', 'window')}
    parts = {
        'TITLE': markup['title'],
        'DESCRIPTION': markup['description'],
        'STYLE': markup['style'] + '\n' + read(args.css),
        'WINDOW': markup['window'],
        'WASM': base64.b64encode(read(args.wasm, 'rb')).decode('ascii') if args.wasm else '',
        'SCRIPT': scripts,
    }
    shell = read(args.shell)
    missing = set(parts) - set(re.findall(r'@([A-Z]+)@', shell))
    if missing:
        sys.exit(f'assemble.py: the shell has no place for {", ".join(sorted(missing))}')
    page = re.sub(r'@([A-Z]+)@', lambda m: parts[m.group(1)], shell)
    with open(args.output, 'w', encoding='utf-8', newline='\n') as f:
        f.write(page)


if __name__ == '__main__':
    main()
