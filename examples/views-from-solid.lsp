;; Views from a real part: the screw of Open CASCADE's samples is imported from the simulated
;; machine's Z: drive, the views dialog asks which views to make (acts in views-from-solid.user),
;; and the product's stand-in runs the hidden-line removal for each view and places them.
(load "product/vexa-views.lsp")
(command "IMPORT" "Z:\\usr\\share\\opencascade\\data\\step\\screw.step")
(setq part (entlast))
(princ (strcat "Imported: " (cdr (assoc 0 (entget part))) "\n"))
(setq answer (vexa-ask-views))
(princ "Views dialog: ") (prin1 answer) (princ "\n")
(princ "Per view: visible, hidden, outlines, hidden outlines, other\n")
(foreach view (vexa-make-views part answer)
  (princ (strcat "  " (car view) ": ")) (prin1 (cadr view)) (princ "\n"))
