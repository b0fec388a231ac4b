;; The layer system's walk-through. The product's layer commands (product/vexa-layers.lsp) work
;; on this drawing's layer table; VexaOrdo's layer manager and its dialogs collect the user's
;; choices, which come from layer-walkthrough.user: a purge, a new series with sublayers,
;; its edit, and OK.
(load "product/vexa-layers.lsp")
(load "product/vexa-layer-manager.lsp")

;; Two series exist already, one of them never used.
(c:Vexa-Layer-NEW-W '((0 0 "L001") (1 "L001" (195 0 0 7) "CONTINUOUS") (2 "^HID" (195 0 0 2) "HIDDEN")))
(c:Vexa-Layer-NEW-W '((0 0 "L002") (1 "L002" (195 0 0 4) "CONTINUOUS")))
(entmake '((0 . "LINE") (8 . "L001") (10 0.0 0.0 0.0) (11 40.0 0.0 0.0)))
(entmake '((0 . "LINE") (8 . "L001^HID") (10 0.0 5.0 0.0) (11 40.0 5.0 0.0)))

(princ "\nThe drawing's layers before:")
(Vexa-PrintLayers)
(princ "\n")
(c:Vexa-Layer)
(princ "\n\nThe drawing's layers after:")
(Vexa-PrintLayers)
(princ)
