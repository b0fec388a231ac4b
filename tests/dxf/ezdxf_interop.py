"""vexa-cad against ezdxf: drawings ezdxf writes open in vexa-cad, product code changes them,
and what vexa-cad saves passes ezdxf's audit with every change and every other object kept.
Usage: ezdxf_interop.py VEXA_CAD WORK_DIR"""
import os
import subprocess
import sys

import ezdxf

from make_drawing import make

HERE = os.path.dirname(os.path.abspath(__file__))
PRODUCT = os.path.join(HERE, "..", "..", "examples", "product")

# Product code on the drawing: the layer command purges the unused series, a new series with
# a line and a text on it is made, and SAVEAS writes the drawing before vexa-cad --save does.
CHANGE_LAYERS = """(load "{product}/vexa-layers.lsp")
(load "{product}/vexa-layer-manager.lsp")
(c:Vexa-Layer)
(c:Vexa-Layer-NEW-W '((0 0 "L003") (1 "L003" (195 0 0 1) "CONTINUOUS")))
(entmake '((0 . "LINE") (8 . "L003") (10 0.0 20.0 0.0) (11 40.0 20.0 0.0)))
(entmake '((0 . "TEXT") (8 . "L003") (10 0.0 30.0 0.0) (40 . 2.5) (1 . "Changed in vexa-cad")))
(command "SAVEAS" "{saveas}")
(princ)
"""


# A drawing made from nothing: a series with a sublayer, entities, a block reference with an
# attribute (the simulator keeps no block definition: the file gets an empty one).
MADE_BY_SCRIPT = """(load "{product}/vexa-layers.lsp")
(c:Vexa-Layer-NEW-W '((0 0 "L001") (1 "L001" (195 0 0 7) "CONTINUOUS") (2 "^HID" (195 0 0 2) "HIDDEN")))
(entmake '((0 . "LINE") (8 . "L001") (10 0.0 0.0 0.0) (11 40.0 0.0 0.0)))
(entmake '((0 . "CIRCLE") (8 . "L001^HID") (10 0.0 5.0 0.0) (40 . 3.0)))
(entmake '((0 . "MTEXT") (8 . "L001") (10 0.0 5.0 0.0) (40 . 3.0) (1 . "Gr\u00fc\u00dfe")))
(entmake '((0 . "INSERT") (2 . "TITLE") (10 1.0 1.0 0.0)))
(entmake '((0 . "ATTRIB") (2 . "PART") (1 . "Housing") (10 1.0 1.0 0.0) (40 . 2.5)))
(princ)
"""


def run(vexa_cad, work, script, drawing, save_dir, user=None):
    command = [vexa_cad, "--save", save_dir] + (["--user", user] if user else []) + [script, drawing]
    done = subprocess.run(command, cwd=work, capture_output=True, text=True, check=False)
    if done.returncode != 0:
        sys.exit(f"vexa-cad failed ({done.returncode}):\n{done.stdout}\n{done.stderr}")
    return done.stdout


def audited(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    if auditor.errors:
        sys.exit(f"{path}: ezdxf's audit found {[e.message for e in auditor.errors]}")
    return doc


def table_entries(doc):
    tables = [doc.layers, doc.linetypes, doc.styles, doc.dimstyles, doc.appids, doc.ucs, doc.views, doc.block_records]
    return {(type(t).__name__, e.dxf.name.upper()) for t in tables for e in t}


def entities(doc):
    return {(e.dxftype(), e.dxf.handle) for e in doc.modelspace()}


def check(condition, message):
    if not condition:
        sys.exit(message)


def main():
    vexa_cad, work = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    os.makedirs(work, exist_ok=True)
    drawing = os.path.join(work, "housing.dxf")
    make(drawing)
    original = ezdxf.readfile(drawing)

    # Nothing changed: the same file back.
    empty = os.path.join(work, "empty.lsp")
    with open(empty, "w", encoding="utf-8") as out:
        out.write("(princ)\n")
    run(vexa_cad, work, empty, drawing, os.path.join(work, "unchanged"))
    same = audited(os.path.join(work, "unchanged", "housing.dxf"))
    check(table_entries(same) == table_entries(original), "a table entry changed in an unchanged round trip")
    check(entities(same) == entities(original), "an entity changed in an unchanged round trip")
    with open(drawing, encoding="utf-8") as a, open(os.path.join(work, "unchanged", "housing.dxf"), encoding="utf-8") as b:
        check(a.read() == b.read(), "an unchanged round trip changed the file")

    # Product code changes the drawing; --save and SAVEAS both write it.
    change = os.path.join(work, "change-layers.lsp")
    with open(change, "w", encoding="utf-8") as out:
        out.write(CHANGE_LAYERS.format(product=PRODUCT, saveas=os.path.join(work, "saveas.dxf")))
    output = run(vexa_cad, work, change, drawing, os.path.join(work, "changed"),
                 os.path.join(HERE, "change-layers.user"))
    check('items 2: "L001", "L002"' in output, "the layer manager did not list the drawing's series")
    for saved in (os.path.join(work, "changed", "housing.dxf"), os.path.join(work, "saveas.dxf")):
        doc = audited(saved)
        names = {layer.dxf.name for layer in doc.layers}
        check("L002" not in names, f"{saved}: the purged layer L002 is still there")
        check(doc.layers.get("L003").dxf.color == 1, f"{saved}: the new series L003 is not red")
        check("L001" in names and "L001^HID" in names, f"{saved}: a layer in use went")
        added = [e for e in doc.modelspace() if e.dxf.layer == "L003"]
        check(sorted(e.dxftype() for e in added) == ["LINE", "TEXT"], f"{saved}: the new entities are missing")
        check(entities(original) <= entities(doc), f"{saved}: an entity of the original went")
        title = next(e for e in doc.modelspace() if e.dxftype() == "INSERT")
        check(title.get_attrib_text("PART") == "Housing", f"{saved}: the title block lost its attribute")
        check(len(doc.modelspace().query("DIMENSION")) == 1, f"{saved}: the dimension went")
        check("TITLE" in doc.blocks, f"{saved}: the block definition went")
    # A drawing made by a script, never read from a file: a complete drawing to ezdxf.
    made = os.path.join(work, "made.lsp")
    with open(made, "w", encoding="utf-8") as out:
        out.write(MADE_BY_SCRIPT.format(product=PRODUCT))
    done = subprocess.run([vexa_cad, "--save", os.path.join(work, "made"), made], cwd=work, capture_output=True,
                          text=True, check=False)
    check(done.returncode == 0, f"vexa-cad failed:\n{done.stdout}\n{done.stderr}")
    doc = ezdxf.readfile(os.path.join(work, "made", "Drawing1.dxf"))
    auditor = doc.audit()
    check(not auditor.errors and not auditor.fixes,
          f"ezdxf's audit of a new drawing: {[e.message for e in auditor.errors + auditor.fixes]}")
    check(doc.layers.get("L001^HID").dxf.color == 2, "the new drawing lost its sublayer")
    check(sorted(e.dxftype() for e in doc.modelspace()) == ["CIRCLE", "INSERT", "LINE", "MTEXT"],
          "the new drawing lost entities")
    check(doc.modelspace().query("INSERT")[0].get_attrib_text("PART") == "Housing", "the new reference lost its attribute")
    check(doc.modelspace().query("MTEXT")[0].text == "Gr\u00fc\u00dfe", "the text lost its characters")
    print("ezdxf interop: round trip, changes and a new drawing checked")


if __name__ == "__main__":
    main()
