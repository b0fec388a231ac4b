;;; vexa-layers.lsp -- the product's layer commands, called back by VexaOrdo's layer windows.
;;;
;;; A layer series is a main layer and up to seven sublayers. Main layers are named by the
;;; series code: a group part of *Vexa-GroupLength* characters and a serial number of
;;; *Vexa-SNLength* digits, zero padded ("L001", "L002" ...). A sublayer is named by its main
;;; layer and a suffix that begins with "^": "L001^HID" (hidden lines), "L001^DES" (design
;;; geometry), "L001^BOLT" (a free one). The series code lives in this drawing's AutoLISP.

(if (not *Vexa-GroupLength*) (setq *Vexa-GroupLength* 1))
(if (not *Vexa-SNLength*) (setq *Vexa-SNLength* 3))

;; Colour and linetype of a sublayer row that has no layer yet: rows 2 and 3, then the free rows.
(setq *Vexa-RowDefaults*
  '((1 (195 0 0 7) "CONTINUOUS")
    (2 (195 0 0 2) "HIDDEN")
    (3 (195 0 0 1) "CENTER")
    (4 (195 0 0 3) "CONTINUOUS")))

;; The colour sets that "Color" steps through: main, hidden-line, design and free sublayers.
(setq *Vexa-ColourSets* '((7 2 1 3) (1 3 8 4) (5 6 9 2) (3 4 6 5)))

;;; ---------------------------------------------------------------- small helpers

(defun vexa:text-p (value) (= (type value) 'STR))

(defun vexa:dxf (code record) (cdr (assoc code record)))

(defun vexa:starts-with (text prefix)
  (= (strcase (substr text 1 (strlen prefix))) (strcase prefix)))

(defun vexa:repeat (text count / result)
  (setq result "")
  (repeat count (setq result (strcat result text)))
  result)

(defun vexa:pad-left (text width fill)
  (strcat (vexa:repeat fill (max 0 (- width (strlen text)))) text))

(defun vexa:pad-right (text width)
  (strcat text (vexa:repeat " " (max 0 (- width (strlen text))))))

(defun vexa:digits-p (text / ok i)
  (setq ok (> (strlen text) 0) i 1)
  (while (and ok (<= i (strlen text)))
    (setq ok (<= 48 (ascii (substr text i 1)) 57) i (1+ i)))
  ok)

;; A typed suffix gets its "^" when the user left it out.
(defun vexa:suffix (text)
  (if (= (substr text 1 1) "^") text (strcat "^" text)))

;;; ---------------------------------------------------------------- series code and names

(defun vexa:series-name-p (name / serial)
  (setq serial (substr name (1+ *Vexa-GroupLength*)))
  (and (> (strlen name) *Vexa-GroupLength*)
       (vexa:digits-p serial)
       (or (= *Vexa-SNLength* 0) (= (strlen serial) *Vexa-SNLength*))))

;; The group of the current main layer, or "L" padded with zeros when it is not a series name.
(defun vexa:group-of (main)
  (if (and (vexa:text-p main) (vexa:series-name-p main))
    (substr main 1 *Vexa-GroupLength*)
    (substr (strcat "L" (vexa:repeat "0" *Vexa-GroupLength*)) 1 *Vexa-GroupLength*)))

;; The first free serial number in the group of the current main layer.
(defun vexa:next-main (current / group serial name)
  (setq group (vexa:group-of current) serial 1)
  (while (tblsearch "LAYER" (setq name (strcat group (vexa:pad-left (itoa serial) *Vexa-SNLength* "0"))))
    (setq serial (1+ serial)))
  name)

;;; ---------------------------------------------------------------- layers and rows

;; (method red green blue) of a layer: a true colour when it has one, else its index.
(defun vexa:layer-colour (record / rgb)
  (if (setq rgb (vexa:dxf 420 record))
    (list 194 (/ rgb 65536) (rem (/ rgb 256) 256) (rem rgb 256))
    (list 195 0 0 (abs (vexa:dxf 62 record)))))

(defun vexa:colour-groups (quad / method)
  (setq method (car quad))
  (cond ((= method 194)
         (list (cons 62 7) (cons 420 (+ (* 65536 (cadr quad)) (* 256 (caddr quad)) (cadddr quad)))))
        ((and (= method 195) (<= 1 (cadddr quad) 255)) (list (cons 62 (cadddr quad))))
        (T (list (cons 62 253)))))

;; Layers take real linetypes; anything else becomes CONTINUOUS.
(defun vexa:linetype (name)
  (if (and (vexa:text-p name)
           (tblsearch "LTYPE" name)
           (not (member (strcase name) '("BYLAYER" "BYBLOCK"))))
    name
    "CONTINUOUS"))

(defun vexa:make-layer (name quad linetype)
  (entmake (append (list '(0 . "LAYER") (cons 2 name) '(70 . 0))
                   (vexa:colour-groups quad)
                   (list (cons 6 (vexa:linetype linetype))))))

(defun vexa:put-group (group record / old)
  (if (setq old (assoc (car group) record))
    (subst group old record)
    (append record (list group))))

;; Renames a layer and sets its colour and linetype; a layer that is off stays off.
(defun vexa:change-layer (name new-name quad linetype / record off)
  (setq record (entget (tblobjname "LAYER" name))
        off (minusp (vexa:dxf 62 record))
        record (vl-remove (assoc 420 record) record))
  (foreach group (append (list (cons 2 new-name) (cons 6 (vexa:linetype linetype))) (vexa:colour-groups quad))
    (if (and off (= (car group) 62)) (setq group (cons 62 (- (cdr group)))))
    (setq record (vexa:put-group group record)))
  (entmod record))

;; Makes the layer, or changes it when it is there already.
(defun vexa:make-or-change (name quad linetype)
  (if (tblsearch "LAYER" name)
    (vexa:change-layer name name quad linetype)
    (vexa:make-layer name quad linetype)))

;; The suffixes of the sublayers a main layer has, in table order.
(defun vexa:sublayer-suffixes (main / prefix record name suffixes)
  (setq prefix (strcat main "^") record (tblnext "LAYER" T))
  (while record
    (setq name (vexa:dxf 2 record) record (tblnext "LAYER"))
    (if (vexa:starts-with name prefix)
      (setq suffixes (cons (substr name (1+ (strlen main))) suffixes))))
  (reverse suffixes))

(defun vexa:free-suffixes (main / free)
  (foreach suffix (vexa:sublayer-suffixes main)
    (if (not (member (strcase suffix) '("^HID" "^DES"))) (setq free (cons suffix free))))
  (reverse free))

(defun vexa:default-row (k / defaults)
  (setq defaults (cdr (assoc (min k 4) *Vexa-RowDefaults*)))
  (list k "" 0 (car defaults) (cadr defaults)))

(defun vexa:layer-row (k suffix name / record)
  (if (setq record (tblsearch "LAYER" name))
    (list k suffix 1 (vexa:layer-colour record) (vexa:dxf 6 record))
    (vexa:default-row k)))

;; Rows 1 to 8 of a series as the layer windows read them: (k name exists (method r g b) linetype).
(defun vexa:series-rows (main / free rows k)
  (setq free (vexa:free-suffixes main)
        rows (list (vexa:layer-row 1 main main)
                   (vexa:layer-row 2 "^HID" (strcat main "^HID"))
                   (vexa:layer-row 3 "^DES" (strcat main "^DES")))
        k 4)
  (repeat 5
    (setq rows (append rows (list (if (nth (- k 4) free)
                                    (vexa:layer-row k (nth (- k 4) free) (strcat main (nth (- k 4) free)))
                                    (vexa:default-row k))))
          k (1+ k)))
  rows)

;;; ---------------------------------------------------------------- captions

(defun vexa:captions-sn ()
  '("LANGTEXT" "Setup series code" "Layer Series code" "Group-Length" "SN-Length"
    "A main layer's name is its group part, Group-Length characters, followed by its serial number, SN-Length digits: with 1 and 3, L001, L002 ..."
    "Series code" "SN-Length must be 1 or more when Group-Length is 1 or more." "OK" "Cancel"))

(defun vexa:captions-new ()
  '("LANGTEXT" "New Layer" "Main" "Sublayer" "Main" "Sublayer" "Color" "Light" "Color" "LineType"
    "New Layer" "Please enter the main layer name." "" "Advance >>" "Advance <<" "OK" "Cancel"))

(defun vexa:captions-edit ()
  '("LANGTEXT" "Edit Layer" "Main" "Sublayer" "Color" "Light" "" "LineType" "Advance >>" "Advance <<"
    "OK" "Cancel"))

;;; ---------------------------------------------------------------- commands called by VexaOrdo

(defun c:Vexa-Layer-SN ()
  (list (list 0 *Vexa-GroupLength*) (list 1 *Vexa-SNLength*) (vexa:captions-sn)))

;; A series code that cannot name a layer (a group without serial number, too long) is not taken.
(defun c:Vexa-Layer-SN-W (group-length sn-length)
  (if (and (= (type group-length) 'INT) (= (type sn-length) 'INT)
           (>= group-length 0) (>= sn-length 0) (<= (+ group-length sn-length) 255)
           (not (and (> group-length 0) (= sn-length 0))))
    (setq *Vexa-GroupLength* group-length *Vexa-SNLength* sn-length))
  (princ))

;; The proposal for a new series in the group of the current main layer.
(defun c:Vexa-Layer-NEW (main / row1 current k rows)
  (setq row1 (vexa:default-row 1))
  (if (and (vexa:text-p main) (setq current (tblsearch "LAYER" main)))
    (setq row1 (list 1 "" 0 (vexa:layer-colour current) (vexa:dxf 6 current))))
  (setq rows (list (list 1 (vexa:next-main main) 0 (nth 3 row1) (nth 4 row1))) k 2)
  (repeat 7 (setq rows (append rows (list (vexa:default-row k))) k (1+ k)))
  (append rows (list (vexa:captions-new))))

;; rows: ((0 0 proposed) (1 main quad linetype) (2 name quad linetype) ... (8 ...)).
;; Answers the main layer's name when the series was made, nil when nothing was.
(defun c:Vexa-Layer-NEW-W (rows / row1 main)
  (setq row1 (assoc 1 rows) main (cadr row1))
  (if (and (vexa:text-p main)
           (not (tblsearch "LAYER" main))
           (vexa:make-layer main (caddr row1) (cadddr row1)))
    (progn
      (foreach row rows
        (if (and (<= 2 (car row) 8) (vexa:text-p (cadr row)) (/= (cadr row) ""))
          (vexa:make-layer (strcat main (vexa:suffix (cadr row))) (caddr row) (cadddr row))))
      main)))

;; Remembers the series being edited: EDIT-W gets only the new names.
(defun c:Vexa-Layer-EDIT (main)
  (setq *Vexa-EditedMain* main
        *Vexa-EditedSuffixes* (if (vexa:text-p main) (vexa:free-suffixes main)))
  (append (if (vexa:text-p main) (vexa:series-rows main)) (list (vexa:captions-edit))))

;; Every layer of the old series can take its new name: free, or the layer itself.
(defun vexa:names-free-p (old new / ok holder)
  (setq ok T)
  (foreach suffix (cons "" (vexa:sublayer-suffixes old))
    (setq holder (tblsearch "LAYER" (strcat new suffix)))
    (if (and holder (/= (strcase (vexa:dxf 2 holder)) (strcase (strcat old suffix))))
      (setq ok nil)))
  ok)

;; rows: ((1 main quad linetype) (2 name quad linetype) ... (8 ...)). The main layer and its
;; sublayers take the new name; rows give colours and linetypes; named rows without a layer
;; are made. Answers the main layer's new name, or nil when nothing could be changed.
(defun c:Vexa-Layer-EDIT-W (rows / old row1 new k text old-suffix)
  (setq old *Vexa-EditedMain* row1 (assoc 1 rows) new (cadr row1))
  (if (and (vexa:text-p old) (tblsearch "LAYER" old) (vexa:text-p new) (/= new "")
           (vexa:names-free-p old new))
    (progn
      (foreach suffix (vexa:sublayer-suffixes old)
        (vexa:change-layer-name (strcat old suffix) (strcat new suffix)))
      (vexa:change-layer old new (caddr row1) (cadddr row1))
      (foreach row rows
        (setq k (car row) text (cadr row))
        (if (and (<= 2 k 8) (vexa:text-p text) (/= text ""))
          (progn
            (setq old-suffix (if (>= k 4) (nth (- k 4) *Vexa-EditedSuffixes*)))
            (if (and old-suffix (/= (strcase old-suffix) (strcase (vexa:suffix text))))
              (vexa:change-layer-name (strcat new old-suffix) (strcat new (vexa:suffix text))))
            (vexa:make-or-change (strcat new (vexa:suffix text)) (caddr row) (cadddr row)))))
      (setq *Vexa-EditedMain* new)
      new)))

(defun vexa:change-layer-name (name new-name / record)
  (if (and (setq record (entget (tblobjname "LAYER" name)))
           (not (tblsearch "LAYER" new-name)))
    (entmod (subst (cons 2 new-name) (assoc 2 record) record))))

;; Purges every layer with nothing on it. Sublayers go first, and a main layer stays while
;; one of its sublayers does, so no series is left without its main layer.
(defun c:Vexa-Layer-Purge (/ purged kept record name)
  (setq record (tblnext "LAYER" T))
  (while record
    (setq name (vexa:dxf 2 record) record (tblnext "LAYER"))
    (if (vl-string-search "^" name)
      (if (entdel (tblobjname "LAYER" name))
        (setq purged (cons name purged))
        (setq kept (cons (strcase (substr name 1 (vl-string-search "^" name))) kept)))))
  (setq record (tblnext "LAYER" T))
  (while record
    (setq name (vexa:dxf 2 record) record (tblnext "LAYER"))
    (if (and (not (vl-string-search "^" name))
             (not (member (strcase name) kept))
             (entdel (tblobjname "LAYER" name)))
      (setq purged (cons name purged))))
  (reverse purged))

;; press: 1 at the first press of "Color" in a dialog, one more at each further press.
(defun c:Vexa-FlashColor (press / colours tag result)
  (setq colours (nth (rem (1- (max 1 press)) (length *Vexa-ColourSets*)) *Vexa-ColourSets*)
        tag 0)
  (foreach index colours
    (setq result (cons (list tag 195 0 0 index) result) tag (1+ tag)))
  (reverse result))

;;; ---------------------------------------------------------------- the drawing's layers as a table

(defun vexa:colour-text (record / quad)
  (setq quad (vexa:layer-colour record))
  (strcat (if (= (car quad) 194)
            (strcat (itoa (cadr quad)) "," (itoa (caddr quad)) "," (itoa (cadddr quad)))
            (itoa (cadddr quad)))
          (if (minusp (vexa:dxf 62 record)) " off" "")))

(defun Vexa-PrintLayers (/ record)
  (princ (strcat "\n" (vexa:pad-right "Layer" 16) (vexa:pad-right "Colour" 14) "Linetype"))
  (setq record (tblnext "LAYER" T))
  (while record
    (princ (strcat "\n" (vexa:pad-right (vexa:dxf 2 record) 16)
                   (vexa:pad-right (vexa:colour-text record) 14)
                   (vexa:dxf 6 record)))
    (setq record (tblnext "LAYER")))
  (princ))
