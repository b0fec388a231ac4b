(Vexa-disableESC 1)
(Vexa-disableESC 0)
(princ "done")
