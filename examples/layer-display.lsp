;; The layer display dialogs and the main settings dialog, as the product's commands open them.
;; The product's material for locked layers' 3D objects is made first, as its set-up does.
(defun show-result (what result) (princ (strcat what ": ")) (prin1 result) (princ "\n"))
(defun jelly-opacity (/ entry)
  (setq entry (dictsearch (cdr (assoc -1 (dictsearch (namedobjdict) "ACAD_MATERIAL"))) "Vexa-JELLYORDO"))
  (cdr (assoc 140 entry)))
(defun show-drawing ()
  (princ "LayLockFadeCTL ") (prin1 (getvar "LayLockFadeCTL"))
  (princ ", opacity ") (prin1 (jelly-opacity)) (princ "\n"))

(dictadd (cdr (assoc -1 (dictsearch (namedobjdict) "ACAD_MATERIAL"))) "Vexa-JELLYORDO"
         (entmakex '((0 . "MATERIAL") (100 . "AcDbMaterial") (1 . "Vexa-JELLYORDO") (140 . 0.3))))
(setvar "LayLockFadeCTL" -50)
(show-drawing)

;; The product's own display: "Apply" hands the values to its command.
(defun c:Vexa-OrdoEnvSetup (darkness transparency)
  (princ "C:Vexa-OrdoEnvSetup ") (prin1 (list darkness transparency)) (princ "\n") T)
(show-result "Ordo Setup"
  (Vexa-dxOrdoSet '(1 40) '(2 25) '("LANGTEXT" "Layer display" "Darkness of dimmed layers" "Transparency" "OK" "Cancel" "Apply")))

(show-result "Locked layers"
  (Vexa-dxOrdoSet2 "Locked layers" "Fading of locked layers" "3D opacity of locked layers" "OK" "Cancel"))
(show-drawing)

(show-result "Main settings"
  (Vexa-mainSettings
    '("Default" "ByLayer" "Sub" "^" ("M001" "M001^HID" "M001^hid" "M002^DES" "^X"))
    '("^" ("^" "~" "#"))
    '("M001" (195 1) "CONTINUOUS")
    '(nil (194 0 10 20 30) nil)
    '(nil (-1) "HIDDEN")
    "Vexa settings" "Layers" "Dimensions" "Centre lines" "Hidden lines" "OK" "Cancel"
    "Locked layer fading" "Locked 3d opacity" "Sublayer symbol: " "M001^HID is a sublayer of M001."
    "Dimensions are drawn with these." nil "Hidden lines of views." "Layer: " "Color: " "Linetype: "))
(show-drawing)

(show-result "Main settings again"
  (Vexa-mainSettings
    '("Default" "ByLayer" "Sub" "^" ("M001"))
    '(nil ("^"))
    '(nil nil nil) '(nil nil nil) '(nil nil nil)
    "Vexa settings" "Layers" "Dimensions" "Centre lines" "Hidden lines" "OK" "Cancel"
    "Locked layer fading" "Locked 3d opacity" "Sublayer symbol: " nil nil nil nil "Layer: " "Color: " "Linetype: "
    2))
(show-drawing)
