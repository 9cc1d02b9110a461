#!/usr/bin/env python3
"""check-include-graph.py ROOT: fails on a circle of includes between the files of the layers.

A header and its source file are one node (X.h and X.cpp); an edge is an #include of another
node. The layers checked are app/, ui/, render/ (its private detail/ folder apart), ibw/, base/
and shellext/. Every strongly connected group of more than one node is a circle and is printed.
Also fails on any file outside render/ that names render/detail/ in an include: the engine's
internals are reached only through its private include path.
"""
import os
import re
import sys

LAYERS = ("app", "ui", "render", "ibw", "base", "shellext")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCES = (".h", ".cpp", ".h.in")


def node_of(path):
    for suffix in (".h.in", ".h", ".cpp"):
        if path.endswith(suffix):
            return path[: -len(suffix)]
    return path


def sources(root):
    for layer in LAYERS:
        for folder, _, files in os.walk(os.path.join(root, layer)):
            rel_folder = os.path.relpath(folder, root)
            if rel_folder.startswith(os.path.join("render", "detail")):
                continue
            for name in files:
                if name.endswith(SOURCES):
                    yield os.path.join(rel_folder, name)


def graph(root):
    files = list(sources(root))
    nodes = {node_of(f) for f in files}
    edges = {n: set() for n in nodes}
    for f in files:
        with open(os.path.join(root, f), encoding="utf-8", errors="replace") as text:
            for included in INCLUDE.findall(text.read()):
                # Project includes are written from the root; Version.h is generated from .h.in.
                target = node_of(included)
                if target in nodes and target != node_of(f):
                    edges[node_of(f)].add(target)
    return edges


def circles(edges):
    """Tarjan's strongly connected components, iteratively; groups of more than one node."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []
    counter = 0
    for start in sorted(edges):
        if start in index:
            continue
        work = [(start, iter(sorted(edges[start])))]
        index[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, successors = work[-1]
            advanced = False
            for succ in successors:
                if succ not in index:
                    index[succ] = low[succ] = counter
                    counter += 1
                    stack.append(succ)
                    on_stack.add(succ)
                    work.append((succ, iter(sorted(edges[succ]))))
                    advanced = True
                    break
                if succ in on_stack:
                    low[node] = min(low[node], index[succ])
            if advanced:
                continue
            work.pop()
            if work:
                low[work[-1][0]] = min(low[work[-1][0]], low[node])
            if low[node] == index[node]:
                group = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    group.append(member)
                    if member == node:
                        break
                if len(group) > 1:
                    found.append(sorted(group))
    return found


def detail_reaches(root):
    bad = []
    for folder, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if not d.startswith(("build", "."))]
        rel_folder = os.path.relpath(folder, root)
        if rel_folder == "render" or rel_folder.startswith("render" + os.sep):
            continue
        for name in files:
            if name.endswith(SOURCES):
                with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as text:
                    if any(i.startswith("render/detail/") for i in INCLUDE.findall(text.read())):
                        bad.append(os.path.join(rel_folder, name))
    return bad


def main():
    root = sys.argv[1]
    edges = graph(root)
    failed = False
    for group in circles(edges):
        failed = True
        print("circle: " + " -> ".join(group))
        for node in group:
            inside = sorted(edges[node] & set(group))
            print(f"  {node} includes {', '.join(inside)}")
    for path in detail_reaches(root):
        failed = True
        print(f"{path} includes render/detail/ by path; white-box code uses qv_render_internals")
    if not failed:
        print(f"include graph: {len(edges)} files, no circles")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
