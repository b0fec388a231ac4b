;; The drafting tools' and the views check's choice dialogs, as the product's commands open them.
;; Every text comes from the caller; the user's acts are in ordo-tools.user.
(defun show-result (what result) (princ (strcat what ": ")) (prin1 result) (princ "\n"))

(show-result "Bolt"
  (Vexa-dxTools-Bolt '(0 1) '(1 0) '(2 2)
    '("LANGTEXT" "Bolt Manager" "Type" "" "" "" "" "" "Outer diameter" "View" "Top" "Front" "Bottom" "OK" "Cancel")))
(show-result "Drill"
  (Vexa-dxTools-Drill '(0 3) '(1 9) '(2 1) '(3 6.5)
    '("LANGTEXT" "Drill Manager" "*Tips" "Type" "Drill-C" "Drill-P" "Drill-H" "Drill-U" "Drill-T"
      "Outer diameter" "User" "Size:" "View" "Top" "Front" "Bottom" "OK" "Cancel")))
(show-result "Series"
  (Vexa-dxTools-CyldS '(0 2) '("LANGTEXT" "Cylinder-Type manager" "Series" "CDAS" "NDAS" "DAB" "PBDA" "Next" "Cancel")))
(show-result "Cylinder"
  (Vexa-dxTools-Cyld '(0 1) '(1 5) '(2 1) '(3 8) '("LANGTEXT" "Cylinder Manager" "View" "Size" "Stroke" "OK" "Cancel")))
(show-result "Views check setup"
  (Vexa-dxVBKchkx '(1 5) '(2 "0.5") '(3 1) '(4 1) '(5 0)
    '("LANGTEXT" "Views check setup" "Fuzzy" "Angle fuzzy" "Position fuzzy" "Check item" "Free node" "Non-projected" "OK" "Cancel")))
(show-result "Views error check"
  (Vexa-dxVBKchkMsg '(1 3) '(2 4) '(10 0)
    '("LANGTEXT" "Views Error Check" "Number of errors" "Continue to Auto3D?" "Free node" "Non-projected" ""
      "OK" "Cancel" "Close")))
(show-result "3D modeling"
  (Vexa-dxAuto3dModel '(0 2) '(1 3) '(2 0) '(3 1) '(4 1)
    '("LANGTEXT" "3D Modeling" "3D Solid" "Rough" "Fast" "Fine" "Slow" "" "" "" "" "" ""
      "Mode 1: outline only" "Mode 2: rough solid" "Mode 3: solid with holes" "Mode 4: fine solid" "Mode 5: finest solid"
      "Views Check" "Views Check" "Free endpoint" "Mis-projected object" "Calculations" "Limit of calculation (mins):"
      "3D Modeling" "?" "Modelling takes longer in finer modes." "OK" "Cancel")))
(show-result "Marking colours"
  (Vexa-dxSelColor '(195 0 0 1) '(194 10 20 30)
    '("LANGTEXT" "2D Drawing Modifying" "Lacked object" "Redundant object" "OK" "Cancel")))
(princ)
