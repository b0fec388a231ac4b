;; The layer walk-through on a drawing read from a DXF file (layer-walkthrough-dxf.dxf, written
;; by ezdxf with tests/dxf/make_drawing.py): the product's layer command lists the drawing's
;; series, the user purges the unused one and confirms. Saved with SAVEAS or --save, the change
;; is in the file.
(load "product/vexa-layers.lsp")
(load "product/vexa-layer-manager.lsp")

(princ "\nThe drawing's layers before:")
(Vexa-PrintLayers)
(princ "\n")
(c:Vexa-Layer)
(princ "\n\nThe drawing's layers after:")
(Vexa-PrintLayers)
(princ)
