' PRINT # writes what PRINT shows, each line ended by CR LF; LINEINPUT #
' reads it back line by line, one line per variable.
OPEN "notes.txt" FOR OUTPUT AS #1
PRINT #1, "first line"
PRINT #1, "a"; "b"; 3
PRINT #1, 1, 2,
PRINT #1, "continued"
PRINT #1; "quote "; CHR(34); "inside"; CHR(34)
PRINT #1,
PRINT #1
CLOSE #1
OPEN "notes.txt" FOR APPEND AS 2
PRINT #2, "appended"
CLOSE 2
OPEN "notes.txt" FOR INPUT AS #3
LINEINPUT #3, A$, B$
LINEINPUT #3; C$
LINEINPUT 3, D$
LINEINPUT #3, E$, F$
CLOSE #3
PRINT "["; A$; "]"
PRINT "["; B$; "]"
PRINT "["; C$; "]"
PRINT "["; D$; "]"
PRINT "["; E$; "]"
PRINT "["; F$; "]"
' The first item that begins with "#" switches the rest to the file.
OPEN "mixed.txt" FOR OUTPUT AS #4
PRINT "screen"; #4, "file"
CLOSE #4
OPEN "mixed.txt" FOR INPUT AS #4
LINEINPUT #4, M$
PRINT "["; M$; "]"
PRINT "screen"; #4, "not open for writing"
