;; A script that stops on its second form: vexa-cad must report it and exit non-zero.
(princ "before")
(car 5)
(princ "never")
