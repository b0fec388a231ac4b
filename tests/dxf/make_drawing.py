"""Writes a drawing with ezdxf: layers with colours and linetypes, texts, a dimension and a
block with attributes, so that vexa-cad reads a file no code of ours wrote."""
import sys

import ezdxf


def make(path, entities=0):
    doc = ezdxf.new("R2000", setup=True)
    doc.layers.add("Contour", color=1, linetype="CONTINUOUS")
    doc.layers.add("Hidden", color=3, linetype="DASHED")
    # Two series of the product's layer system, L002 never used.
    doc.layers.add("L001", color=7)
    doc.layers.add("L001^HID", color=2, linetype="DASHED")
    doc.layers.add("L002", color=4)
    doc.layers.add("Axis", color=5, linetype="CENTER")
    doc.layers.add("Dims", color=2).lock()
    off = doc.layers.add("Spare", color=4)
    off.off()
    doc.layers.add("Frozen", color=6).freeze()
    doc.layers.add("Hatch").rgb = (10, 200, 30)
    msp = doc.modelspace()
    msp.add_line((0, 0), (100, 0), dxfattribs={"layer": "Contour"})
    msp.add_line((0, 0), (40, 0), dxfattribs={"layer": "L001"})
    msp.add_line((0, 5), (40, 5), dxfattribs={"layer": "L001^HID"})
    msp.add_circle((50, 50), 20, dxfattribs={"layer": "Contour", "color": 4})
    msp.add_arc((50, 50), 30, 0, 90, dxfattribs={"layer": "Axis"})
    msp.add_lwpolyline([(0, 0), (10, 0), (10, 10), (0, 10)], close=True, dxfattribs={"layer": "Hidden"})
    msp.add_text("Housing", dxfattribs={"layer": "Contour", "height": 5, "rotation": 30}).set_placement((5, 80))
    msp.add_mtext("Material: S235\\PTolerance ISO 2768-m", dxfattribs={"layer": "Contour", "char_height": 3.5}).set_location((5, 120))
    dim = msp.add_linear_dim(base=(0, -10), p1=(0, 0), p2=(100, 0), dxfattribs={"layer": "Dims"})
    dim.render()
    block = doc.blocks.new("TITLE")
    block.add_line((0, 0), (180, 0))
    block.add_attdef("PART", (5, 5), dxfattribs={"height": 3.5, "prompt": "Part name"})
    block.add_attdef("SCALE", (5, 15), dxfattribs={"height": 2.5, "prompt": "Scale"})
    title = msp.add_blockref("TITLE", (200, 0), dxfattribs={"layer": "Contour"})
    title.add_auto_attribs({"PART": "Housing", "SCALE": "1:2"})
    msp.add_ellipse((0, 200), major_axis=(20, 0), ratio=0.5)
    msp.add_spline([(0, 0), (10, 20), (30, 10), (40, 30)])
    msp.add_point((5, 5))  # a kind the database lacks
    for i in range(entities):
        msp.add_line((i, 0), (i, 10), dxfattribs={"layer": "Contour"})
    doc.saveas(path)


if __name__ == "__main__":
    make(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 0)
