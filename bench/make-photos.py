#!/usr/bin/env python3
"""Makes the photo folders the benchmark measures in, once: a player's
folder of N photos, empty files under the photos' names (only the names
matter to the camera). "mixedN": two photos in three kept as _bmp_N.bmp and
N.jpg, one as N.jpg only; "jpegN": every photo kept only as N.jpg.

    make-photos.py ROOT KIND...
"""
import os
import sys

root = sys.argv[1]
for kind in sys.argv[2:]:
    folder = os.path.join(root, "photos-" + kind)
    count = int("".join(c for c in kind if c.isdigit()) or 0)
    names = []
    for number in range(count):
        names.append(f"{number}.jpg")
        if kind.startswith("mixed") and number % 3:
            names.append(f"_bmp_{number}.bmp")
    done = os.path.join(folder, ".made")
    if os.path.exists(done) and open(done).read() == str(len(names)):
        continue
    os.makedirs(folder, exist_ok=True)
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))
    for name in names:
        os.close(os.open(os.path.join(folder, name), os.O_CREAT | os.O_WRONLY, 0o644))
    with open(done, "w") as made:
        made.write(str(len(names)))
