;;; vexa-views.lsp -- the product's views command, standing in for its own code: asks which views
;;; to make, runs the hidden-line removal for each and places the views side by side.
;;;
;;; Each view is (bit caption direction right up column row): the direction points from the part
;;; towards the eye, right and up are the view's axes in the world, and column and row give its
;;; place in the projection layout around the front view.
(setq *Vexa-Views*
  '((1    "Front View"  (0.0 -1.0 0.0)  (1.0 0.0 0.0)  (0.0 0.0 1.0)  0 0)
    (2    "Right View"  (1.0 0.0 0.0)   (0.0 1.0 0.0)  (0.0 0.0 1.0)  1 0)
    (4    "Top View"    (0.0 0.0 1.0)   (1.0 0.0 0.0)  (0.0 1.0 0.0)  0 1)
    (8    "Left View"   (-1.0 0.0 0.0)  (0.0 -1.0 0.0) (0.0 0.0 1.0) -1 0)
    (16   "Bottom View" (0.0 0.0 -1.0)  (1.0 0.0 0.0)  (0.0 -1.0 0.0) 0 -1)
    (32   "Rear View"   (0.0 1.0 0.0)   (-1.0 0.0 0.0) (0.0 0.0 1.0)  2 0)
    (64   "Rear View"   (0.0 1.0 0.0)   (-1.0 0.0 0.0) (0.0 0.0 1.0)  0 -2)
    (128  "Iso View NE" (1.0 1.0 1.0)   (-0.7071 0.7071 0.0) (-0.4082 -0.4082 0.8165) 1 1)
    (256  "Iso View NW" (-1.0 1.0 1.0)  (-0.7071 -0.7071 0.0) (0.4082 -0.4082 0.8165) -1 1)
    (512  "Iso View SW" (-1.0 -1.0 1.0) (0.7071 -0.7071 0.0) (0.4082 0.4082 0.8165) -1 -1)
    (1024 "Iso View SE" (1.0 -1.0 1.0)  (0.7071 0.7071 0.0) (-0.4082 0.4082 0.8165) 1 -1)))

;; Distance between the views' origins on the sheet.
(setq *Vexa-ViewSpacing* 60.0)

(defun vexa-bit-set (bits bit) (= (rem (fix (/ bits bit)) 2) 1))

(defun vexa-scaled (v s) (list (* (car v) s) (* (cadr v) s) (* (caddr v) s)))
(defun vexa-sum (a b) (list (+ (car a) (car b)) (+ (cadr a) (cadr b)) (+ (caddr a) (caddr b))))

;; The target that puts the view's origin at its place: the service draws the target at the origin.
(defun vexa-view-target (view)
  (vexa-scaled
    (vexa-sum (vexa-scaled (nth 3 view) (* (nth 5 view) *Vexa-ViewSpacing*))
              (vexa-scaled (nth 4 view) (* (nth 6 view) *Vexa-ViewSpacing*)))
    -1.0))

;; Asks for the views; nil on Cancel, else the dialog's answer.
(defun vexa-ask-views ()
  (Vexa-ViewsDlg 1 0 "Views from Solid" "Select views"
    "Front View" "Right View" "Top View" "Left View" "Bottom View" "Rear View" "Rear View"
    "Iso View NE" "Iso View NW" "Iso View SW" "Iso View SE"
    "Complete (with correcting)" "Quick (without correcting)" "Show hidden features" "Return automatically"
    "OK" "Cancel" "Hidden feature settings..." "C:Vexa-HlrSettings" 0))

;; Makes the chosen views of the solid and reports each: ((caption counts) ...).
(defun vexa-make-views (solid answer / bits flags views lists)
  (setq bits (abs answer)
        ;; Hidden edges are asked for only when the user shows them; quick mode uses the mesh.
        flags (+ (if (< answer 0) 0 2) (if (vexa-bit-set bits 2048) 16384 0)))
  (foreach view *Vexa-Views*
    (if (vexa-bit-set bits (car view))
      (progn
        (setq lists (Vexa-Hlr solid (vexa-view-target view) (nth 2 view) flags))
        (setq views (cons (list (cadr view) (mapcar 'length lists)) views)))))
  (reverse views))
