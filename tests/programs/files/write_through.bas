' What PRINT # wrote can be read at once, while the file is still open.
OPEN "log.txt" FOR OUTPUT AS #1
PRINT #1, "written"
OPEN "log.txt" FOR INPUT AS #2
LINEINPUT #2, L$
PRINT L$
PRINT #1, "more";
OPEN "log.txt" FOR INPUT AS #2
LINEINPUT #2, A$, B$
PRINT B$
CLOSE #2
CLOSE #1
