' Text handling: building, cutting and searching strings.
T$ = ""
FOR I = 1 TO 20000
  T$ = MID(T$ + CHR(65 + I - 26 * INT(I / 26)), 1, 200)
  P = INSTR(T$, "XYZ")
NEXT I
PRINT LEN(T$); P
