' Lines of any length are read whole, quotes and all.
L$ = ""
FOR I = 1 TO 300
  L$ = L$ + "0123456789"
NEXT I
L$ = L$ + CHR(34) + "quoted" + CHR(34)
OPEN "long.txt" FOR OUTPUT AS #1
PRINT #1, L$
CLOSE #1
OPEN "long.txt" FOR INPUT AS #1
LINEINPUT #1, R$
CLOSE #1
PRINT STRLENGTH(R$)
IF R$ = L$ + " " THEN PRINT "the same, with the blank PRINT adds"
