;; The dimension settings dialog, as the product's settings command opens it: the layer, colour
;; and linetype for dimensions, centre lines and hatches.
(defun show-result (what result) (princ (strcat what ": ")) (prin1 result) (princ "\n"))
(setq layers '("0" "DIM" "CENTER" "HATCH"))
(defun settings (dims centres hatches tab)
  (Vexa-DimSettingsDlg dims centres hatches
    "Dimension Settings" "Dimensions" "Centre lines" "Hatches" "OK" "Cancel"
    "Dimension style:" "Styles..." "Layer:" "Color:" "Linetype:" tab))

(show-result "Settings"
  (settings (list "dim" '(195 3) "CONT" layers) (list "CENTER" '(194 0 200 40 40 "" "") "Center" layers)
            (list nil nil nil layers) 0))
(show-result "Settings" (settings (list nil nil nil nil) (list "HATCH" nil nil layers) (list "NEW" nil nil layers) 2))
