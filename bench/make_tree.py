#!/usr/bin/env python3
"""make_tree.py ROOT [FILES] [BIG_FILES]: the benchmark tree. FILES small files of 1-16 KiB in
nested folders (20 per folder, 10 folders per level), plus BIG_FILES files of 64 MiB."""
import os
import random
import sys


def main():
    root = sys.argv[1]
    files = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    big = int(sys.argv[3]) if len(sys.argv) > 3 else 4
    rng = random.Random(20261211)
    block = os.urandom(16 * 1024)
    for i in range(files):
        folder = os.path.join(root, f"d{i // 2000:02}", f"s{i // 200 % 10:02}", f"t{i // 20 % 10:02}")
        if i % 20 == 0:
            os.makedirs(folder, exist_ok=True)
        size = rng.randint(1024, 16 * 1024)
        with open(os.path.join(folder, f"f{i:05}.dat"), "wb") as f:
            f.write(block[:size])
    chunk = os.urandom(1024 * 1024)
    for i in range(big):
        os.makedirs(os.path.join(root, "big"), exist_ok=True)
        with open(os.path.join(root, "big", f"b{i}.bin"), "wb") as f:
            for _ in range(64):
                f.write(chunk)


if __name__ == "__main__":
    main()
