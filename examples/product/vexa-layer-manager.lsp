;; The product's layer command "C:Vexa-Layer": the layer manager over the drawing's main layers.

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
