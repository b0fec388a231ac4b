;; Setting up a drawing frame: a title block drawn with texts and attribute definitions, the
;; frame set-up dialog linking attributes to them, the attribute editors and the de-chamfer
;; and initial scale dialogs. The user's acts are in frame-setup.user.
(defun show-result (what result) (princ (strcat "\n" what ": ")) (prin1 result) (princ "\n"))

;; The frame: an A4 outline and a title block with two texts and one attribute definition.
(entmake '((0 . "LWPOLYLINE") (90 . 4) (70 . 1) (10 0.0 0.0) (10 148.5 0.0) (10 148.5 84.0) (10 0.0 84.0)))
(setq outline (entlast))
(entmake '((0 . "TEXT") (10 100.0 10.0 0.0) (40 . 2.5) (1 . "PLATE")))
(entmake '((0 . "TEXT") (10 100.0 20.0 0.0) (40 . 2.5) (1 . "DRAWING-1")))
(entmake '((0 . "ATTDEF") (10 100.0 30.0 0.0) (40 . 2.5) (1 . "S45C") (2 . "MATERIAL") (3 . "Material")))

;; The product's scale function, standing in: the paper's width over the frame's width.
(defun C:Vexa_CalPScale (paper width height objects)
  (princ (strcat "\n[scale for " paper " " width " x " height ", "
                 (itoa (if objects (length objects) 0)) " frame objects]"))
  (if objects "1:2" "1:1"))

(show-result "Frame setup"
  (Vexa-FrameAtt-1
    '(2 1 "NAME" "" "" "FILE" "" ""
      "Frame Setup" "Paper Size" "Other" "Frame Objects" "Select frame" "Objects:" "selected" "Scale"
      "Automatic" "Scale:" "Frame Attributes" "Attribute" "Text" "Handle" "Add" "Remove" "Link..."
      "Select the frame: " "Remove from the frame: " "Pick the text of the attribute: "
      "That is not a text." "The text is linked to " " already." "Frame Setup" "OK" "Cancel"
      "New Attribute" "Name:" "OK")
    '(0)))

(show-result "Frame attributes"
  (Vexa-dxFrmAtt '(9 "PLATE") '(3 "S45C") '(6 "1:2") '(14 "DRAWING-1")
    '("LANGTEXT" "Frame Attribute" "Attributes" "RA" "Tolerance" "Treatment" "Material" "Specification"
      "Amount" "Scale" "Date" "Version" "Name" "Approval" "Checked" "Design" "Drawn" "File"
      "UserDef1" "UserDef2" "UserDef3" "OK" "Cancel")))

(show-result "Attribute list"
  (Vexa-FrameAtt-2 '(3 1 "SCALE" "1:2" "NAME" "PLATE" "DRAWN" ""
    "Frame Attributes" "Attribute" "Value" "Name:" "Value: " "OK" "Cancel")))

(show-result "De-chamfer"
  (Vexa-dxDeChamf '(0 2.5) '(1 1)
    '("LANGTEXT" "DeChamfer" "Value" "Fillet" "Chamfer" "Corners of these sizes become sharp." "OK" "Cancel")))

(show-result "De-chamfer command"
  (Vexa-dxDeChamfComm '(0 0) '(1 (3 "2" "1" "2" "5")) '(2 (2 "1" "0.5" "1"))
    '("LANGTEXT" "DeChamf Command" "Function" "Manual" "Auto de-fillet" "Fillet radius"
      "Auto de-chamfer" "Chamfer distance" "OK" "Cancel")))

(show-result "Initial setup"
  (Vexa-dxSetScale '(0 0.5) '(3 "vexa.chm") '(4 "initial-setup")
    '("LANGTEXT" "Initial Setup" "Set Scale" "Scale :" "Layer Series code" "Group-Length" "SN-Length"
      "The lengths of the layer series code." "Scale" "The scale must not be 0." "OK" "Help")))
(princ)
