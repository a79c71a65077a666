#!/usr/bin/env python3
"""Builds the seeded, reproducible trees of the listing and memory benchmarks.

    make_corpus.py flat  DIR COUNT   COUNT empty files in one directory
    make_corpus.py tree  DIR COUNT   about COUNT entries: directories of 1,000 empty files
    make_corpus.py deep  DIR LEVELS  LEVELS nested directories, one empty file in each
    make_corpus.py twin  DIR COPY    COPY: DIR's tree with a few names added and removed

Files are empty, so creating a million of them is a matter of seconds; everything is made
through directory descriptors, so a chain deeper than the kernel's path limit can be built.
"""
import os
import random
import sys

STAMP = 1_600_000_000  # one modification time for every file, so equal trees stay equal


def touch(name, dir_fd):
    fd = os.open(name, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644, dir_fd=dir_fd)
    os.close(fd)
    os.utime(name, (STAMP, STAMP), dir_fd=dir_fd)


def random_name(rng, index):
    # Mostly lower case, as most trees are; one name in fifty carries capitals.
    stem = "".join(rng.choice("abcdefghijklmnopqrstuvwxyz_-0123456789") for _ in range(rng.randint(4, 14)))
    name = "%s%07d.%s" % (stem, index, rng.choice(["txt", "c", "h", "dat", "o"]))
    return name.capitalize() if rng.random() < 0.02 else name


def flat(root, count):
    rng = random.Random(5)
    os.makedirs(root)
    fd = os.open(root, os.O_RDONLY | os.O_DIRECTORY)
    for i in range(count):
        touch(random_name(rng, i), fd)
    os.close(fd)


def tree(root, count):
    rng = random.Random(6)
    per = 1000
    os.makedirs(root)
    top = os.open(root, os.O_RDONLY | os.O_DIRECTORY)
    for d in range((count + per - 1) // per):
        name = "dir%05d" % d
        os.mkdir(name, dir_fd=top)
        fd = os.open(name, os.O_RDONLY | os.O_DIRECTORY, dir_fd=top)
        for i in range(min(per, count - d * per)):
            touch(random_name(rng, d * per + i), fd)
        os.close(fd)
    os.close(top)


def deep(root, levels):
    os.makedirs(root)
    fd = os.open(root, os.O_RDONLY | os.O_DIRECTORY)
    for level in range(levels):
        touch("file%04d.txt" % level, fd)
        name = "level%04d" % level
        os.mkdir(name, dir_fd=fd)
        below = os.open(name, os.O_RDONLY | os.O_DIRECTORY, dir_fd=fd)
        os.close(fd)
        fd = below
    os.close(fd)


def twin(root, copy):
    # A hard-linked copy keeps the stamps and costs no data; then one name in a thousand is
    # removed and as many are added, so the pairing has something to report.
    rng = random.Random(8)
    os.makedirs(copy)
    for sub in sorted(os.listdir(root)):
        os.mkdir(os.path.join(copy, sub))
        names = sorted(os.listdir(os.path.join(root, sub)))
        for name in names:
            if rng.random() < 0.001:
                continue
            os.link(os.path.join(root, sub, name), os.path.join(copy, sub, name))
        fd = os.open(os.path.join(copy, sub), os.O_RDONLY | os.O_DIRECTORY)
        touch("added%07d.txt" % rng.randrange(10**7), fd)
        os.close(fd)


def main():
    kind, target, arg = sys.argv[1], sys.argv[2], sys.argv[3]
    {"flat": lambda: flat(target, int(arg)), "tree": lambda: tree(target, int(arg)),
     "deep": lambda: deep(target, int(arg)), "twin": lambda: twin(target, arg)}[kind]()


if __name__ == "__main__":
    main()
