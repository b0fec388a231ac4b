;; The dimensioning aids that follow the cursor, as the product's dimensioning commands use them:
;; the setup and settings dialogs, then the text of a dimension, a leader and two notes sized by
;; dragging, and a centre line's end dragged along the line.
(defun show (what value) (princ (strcat what ": ")) (prin1 value) (princ "\n"))
(defun C:Vexa-DimStyle (mode) nil)
(setvar "LUPREC" 2)

(show "Setup"
  (Vexa-DimSetupDlg "Automatic Dimensioning" "Dimension Type" "Dimension Object Type" "Dimension Settings"
    "Quick Linear" "Peripheral Ordinate" "Complete Linear" "Near Ordinate" "List of Circles" "List of Blocks"
    "All objects" "Circles only" "Without circles"
    "Chamfers not dimensioned (up to)" "Dimension hidden features (dashed)"
    "Force the layout to be orthogonal" "Dimension Style..." "OK" "Cancel"
    0 0 1 0 '("0.5" "1" "2") '("No" "Yes" "Only hidden") "C:Vexa-DimStyle" 1))
(show "Settings"
  (Vexa-DimSettingsDlg (list "dim" '(195 3) "CONTINUOUS" '("0" "DIM")) (list "0" nil nil '("0")) (list nil nil nil nil)
    "Dimension Settings" "Dimensions" "Centre lines" "Hatches" "OK" "Cancel"
    "Dimension style:" "Styles..." "Layer:" "Color:" "Linetype:" 0))

;; A part's width with its dimension 10 above it, a leader, a note and a paragraph; the centre line.
(entmake '((0 . "LINE") (10 40.0 20.0 0.0) (11 80.0 20.0 0.0)))
(entmake '((0 . "DIMENSION") (10 40.0 30.0 0.0) (11 60.0 30.0 0.0) (70 . 32) (13 40.0 20.0 0.0) (14 80.0 20.0 0.0)
           (50 . 0.0) (100 . "AcDbRotatedDimension")))
(setq width (entlast))
(entmake '((0 . "LEADER") (10 85.0 15.0 0.0) (10 95.0 25.0 0.0)))
(setq pointer (entlast))
(entmake '((0 . "TEXT") (10 100.0 10.0 0.0) (40 . 2.5) (1 . "Section A-A")))
(setq note (entlast))
(entmake '((0 . "MTEXT") (10 100.0 5.0 0.0) (40 . 2.5) (1 . "Unless stated otherwise")))
(setq notes (entlast))
(entmake '((0 . "LINE") (10 60.0 10.0 0.0) (11 60.0 35.0 0.0)))
(setq axis (entlast))

(defun sizes ()
  (show "Dimension" (list (cdr (assoc 10 (entget width))) (cdr (assoc 11 (entget width)))
                          (assoc -3 (entget width '("ACAD")))))
  (show "Leader" (cdr (assoc 40 (entget pointer))))
  (show "Note" (cdr (assoc 40 (entget note))))
  (show "Notes" (cdr (assoc 40 (entget notes)))))

(sizes)
(show "Height"
  (Vexa-adjDimTxt "\nText height: " '(60.0 40.0 0.0) 2.5
    (list (list 1 width 1.0 '(0.0 1.0 0.0) 10.0 '(40.0 30.0 0.0)) (list 2 pointer) (list 4 note) (list 5 notes))))
(sizes)
(show "Centre line end" (Vexa-dynSymEnt axis "\nEnd point: "))
(show "Centre line" (list (cdr (assoc 10 (entget axis))) (cdr (assoc 11 (entget axis)))))
(show "Centre line end" (Vexa-dynSymEnt axis "\nEnd point: " 1))
(show "Centre line" (list (cdr (assoc 10 (entget axis))) (cdr (assoc 11 (entget axis)))))
(princ)
