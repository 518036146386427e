#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the page's window from the window's one table, as form/form_table.cpp prints it: the
caption (index.html, the manifest's name), the frame's controls in index.html (in the table's
order, which is the tab order, each with its start text and accessible name), and their places,
sizes and font sizes, and the window's faces, in page.css; and the table itself as JSON for the
page's tests.

Usage: page_files.py NODE FORM_TABLE_JS TABLE_JSON OUT_DIR TEMPLATE...
  each TEMPLATE (NAME.in) written to OUT_DIR/NAME with @CAPTION@, @CONTROLS@ and @LAYOUT@
  replaced"""
import html
import json
import os
import subprocess
import sys

# What the page adds to a control beyond the table: the result box is described by the reason
# line under the window. Boxes hold one line of at most 4096 characters, as morvane-cli's do.
EXTRA = {"txtResult": ' aria-describedby="reason"'}
BOX = ' type="text" maxlength="4096" spellcheck="false"'


def attribute(name, value):
    return ' %s="%s"' % (name, html.escape(value)) if value else ""


def control_html(control, table, first_focus):
    named = next((c["id"] for c in table["controls"] if c["label"] == control["id"]), None)
    extra = EXTRA.get(control["id"], "") + (" autofocus" if control is first_focus else "")
    if control["kind"] == "label":
        return '<label id="%s"%s>%s</label>' % (control["id"], attribute("for", named),
                                                html.escape(control["text"]))
    if control["kind"] == "button":
        name = control["accessibleName"] if control["accessibleName"] != control["text"] else ""
        return '<button id="%s" type="submit"%s%s>%s</button>' % (
            control["id"], attribute("aria-label", name), extra, html.escape(control["text"]))
    return '<input id="%s"%s%s%s%s>' % (control["id"], BOX, attribute("value", control["text"]),
                                        attribute("aria-label", control["accessibleName"]), extra)


def rule(selector, place, points=None):
    left, top, width, height = place
    font = "" if points is None else " font-size: %gpt;" % points
    return "%s { left: %dpx; top: %dpx; width: %dpx; height: %dpx;%s }" % (
        selector, left, top, width, height, font)


# How a text stands in each kind of file.
ESCAPE = {".html": html.escape, ".webmanifest": lambda text: json.dumps(text)[1:-1]}


def main():
    node, table_js, table_json, out_dir = sys.argv[1:5]
    table = json.loads(subprocess.run([node, table_js], capture_output=True, check=True).stdout)
    frame = next(c for c in table["controls"] if c["kind"] == "frame")
    inside = [c for c in table["controls"] if c["inFrame"]]
    first_focus = min((c for c in inside if c["tabIndex"] > 0 and c["kind"] != "label"),
                      key=lambda c: c["tabIndex"])
    controls = ['<div id="%s" role="group">' % frame["id"]]
    controls += [control_html(c, table, first_focus) for c in inside]
    controls.append("</div>")
    faces = ", ".join([json.dumps(face) for face in table["faces"]] + ["sans-serif"])
    layout = [":root { --client-width: %dpx; --window-font-size: %gpt; --face: %s; }"
              % (table["client"][0], table["fontPoints"], faces),
              ".client { width: %dpx; height: %dpx; }" % tuple(table["client"]),
              rule("#" + frame["id"], frame["place"])]
    layout += [rule("#" + c["id"], c["place"], c["fontPoints"]) for c in inside]

    for path in sys.argv[5:]:
        name = os.path.basename(path).removesuffix(".in")
        escape = ESCAPE.get(os.path.splitext(name)[1], lambda text: text)
        with open(path, encoding="utf-8") as template:
            text = template.read()
        text = text.replace("@CAPTION@", escape(table["caption"]))
        text = text.replace("@CONTROLS@", "\n".join(controls))
        text = text.replace("@LAYOUT@", "\n".join(layout))
        with open(os.path.join(out_dir, name), "w", encoding="utf-8") as out:
            out.write(text)
    with open(table_json, "w", encoding="utf-8") as out:
        json.dump(table, out)


if __name__ == "__main__":
    main()
