"""The benchmarks' translation: 2,000 files, exactly 1 GiB, in a spread like a game's (many small
texts, fewer large sounds and movies, in 35 folders), random content so that nothing on the way can
shortcut it.

Usage: make_tree.py FOLDER SHRINK [list]
  SHRINK: every file this many times smaller; "list" also writes FOLDER/files.cfg copying each
  file to the same place in the game folder.
"""
import os, sys
pkg, shrink = sys.argv[1], int(sys.argv[2])
with_list = len(sys.argv) > 3 and sys.argv[3] == "list"
classes = [  # (count, KiB, folder, extension, files per subfolder)
    (1200, 64, "texts", "txt", 100),
    (600, 512, "textures", "tga", 50),
    (180, 2048, "sounds", "wav", 45),
    (16, 16384, "movies", "bik", 16),
    (4, 8448, "maps", "map", 4),
]
block = os.urandom(1 << 20)
lines, total, n = [], 0, 0
for count, kib, folder, ext, per in classes:
    for i in range(count):
        rel = "data\\%s\\%02d\\%s%04d.%s" % (folder, i // per, folder[:3], n, ext)
        path = os.path.join(pkg, *rel.split("\\"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        size = kib * 1024 // shrink
        with open(path, "wb") as f:
            left, offset = size, n * 4099 % 4096
            while left:
                chunk = block[offset:offset + min(left, len(block) - offset)]
                f.write(chunk)
                left -= len(chunk)
                offset = 0
        lines.append("<INSTDIR>%s|%s\r\n" % (rel, rel))
        total += size
        n += 1
if with_list:
    with open(os.path.join(pkg, "files.cfg"), "w", newline="") as f:
        f.writelines(lines)
assert n == 2000 and total == (1 << 30) // shrink, (n, total)
