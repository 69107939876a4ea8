"""Where Debian keeps the fonts the launcher ships (fonts-roboto-unhinted, fonts-open-sans)."""

import glob
import os


def font_path(base_name):
    hits = glob.glob(os.path.join('/usr/share/fonts', '**', base_name + '.ttf'), recursive=True)
    if not hits:
        raise SystemExit(f'{base_name}.ttf not found: install fonts-roboto-unhinted and fonts-open-sans')
    return sorted(hits)[0]
