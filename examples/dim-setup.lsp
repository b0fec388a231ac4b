;; The automatic dimensioning setup dialog, as the product's dimensioning command opens it.
(defun show-result (what result) (princ (strcat what ": ")) (prin1 result) (princ "\n"))
;; The product's dimension style command, called by the dialog's button.
(defun C:Vexa-DimStyle (mode) (princ "C:Vexa-DimStyle ") (prin1 mode) (princ "\n") nil)
(defun setup (kind)
  (Vexa-DimSetupDlg "Automatic Dimensioning" "Dimension Type" "Dimension Object Type" "Dimension Settings"
    "Quick Linear" "Peripheral Ordinate" "Complete Linear" "Near Ordinate" "List of Circles" "List of Blocks"
    "All objects" "Circles only" "Without circles"
    "Chamfers not dimensioned (up to)" "Dimension hidden features (dashed)"
    "Force the layout to be orthogonal" "Dimension Style..." "OK" "Cancel"
    kind 0 1 0 '("0.5" "1" "2") '("No" "Yes" "Only hidden") "C:Vexa-DimStyle" 1))

(show-result "Setup" (setup 0))
(show-result "Setup" (setup 4))
