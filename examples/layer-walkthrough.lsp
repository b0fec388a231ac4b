;; The layer system's walk-through. The product's layer commands (product/vexa-layers.lsp) work
;; on this drawing's layer table; VexaOrdo's layer manager and its dialogs collect the user's
;; choices, which come from layer-walkthrough.user: a purge, a new series with sublayers,
;; its edit, and OK.
(load "product/vexa-layers.lsp")

(defun vexa:captions-manager ()
  '("LANGTEXT" "Layer Manager" "Layer list" "Main layer:" "Numbers of shown layer:" ""
    "Series" "New" "Edit" "Purge Layer" "OK" "Cancel"))

;; The main layers of the drawing: the names that follow the series code.
(defun vexa:main-layers (/ record names)
  (setq record (tblnext "LAYER" T))
  (while record
    (if (vexa:series-name-p (vexa:dxf 2 record)) (setq names (append names (list (vexa:dxf 2 record)))))
    (setq record (tblnext "LAYER")))
  names)

;; The product's layer command: the manager over the drawing's main layers.
(defun c:Vexa-Layer (/ names chosen)
  (setq names (vexa:main-layers))
  (setq chosen (Vexa-dxOrdoMan (list 0 (cons (length names) names)) (list 1 (if names (car names) "0"))
                               (vexa:captions-manager)))
  (princ "\nThe layer manager answered: ")
  (prin1 chosen)
  chosen)

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
