OPEN "broken.bas" FOR OUTPUT AS #1
PRINT #1, "' a loop without its NEXT"
PRINT #1, "FOR I = 1 TO 2"
CLOSE #1
RUN broken.bas
