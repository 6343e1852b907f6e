' Joining strings: the left string grows where it stands, and every value
' keeps its own text.
S$ = "ab"
S$ = S$ + S$
PRINT S$
T$ = S$ + "-" + S$
PRINT S$; " "; T$
U$ = "" + T$ + ""
PRINT LEN(U$); U$
FOR I = 1 TO 3
  S$ = S$ + CHR(48 + I)
  W$ = S$ + S$
NEXT I
PRINT S$; " "; W$
PRINT "x" + MID(S$, 2, 3) + "y" + STR(7) + "z"
IF S$ + "" = S$ THEN PRINT "equal"
A = 1
PRINT "n" + A
