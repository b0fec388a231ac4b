;; SAVEAS refuses names it cannot write: another format, a folder that does not exist.
(command "SAVEAS" "part.dwg")
(command "SAVEAS" "/no-such-folder/part.dxf")
(princ)
