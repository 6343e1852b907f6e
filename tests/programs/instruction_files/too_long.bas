' 640 lines of 100 bytes (a blank and CR LF end each): 64000 bytes, one too many.
L$ = "'"
FOR I = 1 TO 96
  L$ = L$ + "x"
NEXT I
OPEN "long.bas" FOR OUTPUT AS #1
FOR I = 1 TO 640
  PRINT #1, L$
NEXT I
CLOSE #1
PRINT LEN(FILE("long.bas"))
OPEN "short.bas" FOR OUTPUT AS #1
FOR I = 1 TO 639
  PRINT #1, L$
NEXT I
PRINT #1, "PRINT " + CHR(34) + "the shorter one runs" + CHR(34)
CLOSE #1
RUN short.bas
RUN long.bas
