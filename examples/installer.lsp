;; The product's installation script as it uses VexaSetup: the agreement and the folder, then a
;; progress window while the script copies its files.
(princ "\nThe installation dialog answers: ")
(setq choice (Vexa-InstallDlg "C:\\Program Files\\Tarnwell Vexa" "enu"))
(prin1 choice)
(Vexa-ProgressDlg 1 "Copying files...")
(foreach percent '(0 25 50 100 100)
  (Vexa-ProgressDlg 2 percent)
  (princ (strcat "\nCopied " (itoa percent) "%")))
(Vexa-ProgressDlg 0)
(princ "\nDone.")
(princ)
