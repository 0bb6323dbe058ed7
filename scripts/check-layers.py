#!/usr/bin/env python3
"""Checks the layers of src/: every include names its layer ("core/…", "net/…", "gui/…"), no
layer includes one above it (core sees only itself, net the core, gui both), and the folders of
the core include one another without a circle. Exits 1 and lists what breaks a rule."""
import os
import re
import sys

src = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src"))
INC = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
ALLOWED = {"core": {"core"}, "net": {"core", "net"}, "gui": {"core", "net", "gui"}}
bad = []
edges = {}
for layer, allowed in ALLOWED.items():
    for dirpath, _, files in os.walk(os.path.join(src, layer)):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(dirpath, name)
            rel = os.path.relpath(path, src)
            with open(path, encoding="utf-8") as f:
                text = f.read()
            for inc in INC.findall(text):
                if inc.endswith(".moc") or inc.startswith(("moc_", "ui_")):
                    continue
                top = inc.split("/")[0]
                if top not in ("core", "net", "gui"):
                    bad.append(f"{rel}: \"{inc}\" does not name its layer")
                elif top not in allowed:
                    bad.append(f"{rel}: \"{inc}\" reaches up into {top}/")
                elif layer == "core" and inc.count("/") >= 2:
                    a, b = rel.split(os.sep)[1], inc.split("/")[1]
                    if a != b:
                        edges.setdefault(a, set()).add(b)

# A circle between core folders: depth-first search for a back edge.
state = {}
def visit(node, trail):
    state[node] = 1
    for nxt in sorted(edges.get(node, ())):
        if state.get(nxt) == 1:
            bad.append("core folders include one another in a circle: " + " -> ".join(trail + [node, nxt]))
        elif nxt not in state:
            visit(nxt, trail + [node])
    state[node] = 2
for node in sorted(edges):
    if node not in state:
        visit(node, [])

if bad:
    print("\n".join(bad))
    sys.exit(1)
print("layers hold:", ", ".join(f"{a} -> {' '.join(sorted(b))}" for a, b in sorted(edges.items())))
