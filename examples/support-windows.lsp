; VexaKito's support windows: points converted both ways in two viewports, the viewport
; following the mouse, the hint, web-page and about dialogs, the status bar's progress meter,
; and the running and video windows.

(defun show-point (label value) (princ (strcat "\n" label ": ")) (prin1 value))

; Two tiled viewports side by side, 800 pixels each; the second is magnified twice.
(command "-VPORTS" "2")
(setvar "CVPORT" 3)
(command "ZOOM" "2x")
(setvar "CVPORT" 2)
(show-point "pixel (400 450) in 2" (Vexa-PixelToWorld '(400.9 450.2) 2))
(show-point "pixel (1200 450) in 3" (Vexa-PixelToWorld '(1200.0 450.0) 3))
(show-point "world (40 45) in 2" (Vexa-WorldToPixel '(40.0 45.0 0.0) 2))
(show-point "world (40 45) in 3" (Vexa-WorldToPixel '(40.0 45.0 0.0) 3))
(show-point "world (40 45) in the current one" (Vexa-WorldToPixel '(40.0 45.0 0.0)))
(show-point "viewport 9" (Vexa-PixelToWorld '(10.0 10.0) 9))

; With the watcher on, moving the mouse into a viewport makes it current.
(Vexa-dvpOn)
(getstring "\nMove the mouse: ")
(show-point "current viewport" (getvar "CVPORT"))
(Vexa-dvpOff)

(show-point "hint" (Vexa-HintDlg "Layers of a series share their colour.\r\nUse the manager to rename a series."
                                 "Vexa Hint" "Don't show me this again." "OK" T))
(show-point "web page" (Vexa-HtmlDlg "file:///C:/Vexa/welcome.htm" "Vexa" "Don't show me again." "Close" T))
(show-point "about" (Vexa-about "About Vexa" "OK" 0 "www.vexa.example" "https://www.vexa.example/" "eng"))
(show-point "splash data" (Vexa-welcome 2))

; The progress meter, the running window and the video window while work goes on.
(Vexa-Progress "Drawing views" 250)
(Vexa-Progress 125)
(Vexa-Running "Drawing views...")
(getstring "\nWorking: ")
(Vexa-Running "Checking views...")
(Vexa-VideoHelp "Vexa Visual Help - Layers" "C:\\Vexa\\layers.wmv")
(defun C:Vexa_RemoveVHelpVlr () (princ "\n[the product removes its video reactor]") (princ))
(getstring "\nWatch: ")
(Vexa-VideoHelp "Another title" "C:\\Vexa\\bolts.wmv")
(getstring "\nWatch again: ")
(Vexa-Running)
(Vexa-Progress)
(getstring "\nDone: ")
(princ)
