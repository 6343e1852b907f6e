' Lines that end with LF alone, as Linux writes them, read like CR LF lines,
' and so does a last line without any line end.
OPEN "unix.txt" FOR OUTPUT AS #1
PRINT #1, "one" + CHR(10) + "two" + CHR(10) + "three";
CLOSE #1
OPEN "unix.txt" FOR INPUT AS #1
LINEINPUT #1, A$, B$, C$
CLOSE #1
PRINT A$; "|"; B$; "|"; C$; "|"
