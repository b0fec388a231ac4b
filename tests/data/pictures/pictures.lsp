;; Dialogs for the reference pictures: the bolt dialog in English, with Chinese captions and
;; with a caption too long for its group box, and a message box with buttons of its own.
(princ (Vexa-dxTools-Bolt '(0 0) '(1 8) '(2 2)))
(princ (Vexa-dxTools-Bolt '(0 0) '(1 8) '(2 2) '("LANGTEXT" "螺栓" "类型" "盖形螺钉" "螺母")))
(princ (Vexa-dxTools-Bolt '(0 0) '(1 8) '(2 2) '("LANGTEXT" "Bolts" "Type of the bolt, the screw or the nut")))
(princ (Vexa-msgbox "Units of the drawing?" "Vexa" 0 "Metric" "Inch" "Later"))
;; The drawing view at a prompt: entities in their colours and linetypes.
(entmake '((0 . "LINE") (10 0.0 0.0 0.0) (11 40.0 20.0 0.0) (62 . 1)))
(entmake '((0 . "CIRCLE") (10 10.0 5.0 0.0) (40 . 8.0) (62 . 3)))
(entmake '((0 . "TEXT") (10 -30.0 -10.0 0.0) (40 . 3.0) (1 . "Vexa") (62 . 2)))
(getstring "Name: ")
