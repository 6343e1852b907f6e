' K3 strings: reverse a sentence letter by letter, upper-case it and search it
ROUNDS = 8000
W$ = "Morvane reads every line of a program as it runs"
L = LEN(W$)
T# = 0
FOR R = 1 TO ROUNDS
  V$ = ""
  FOR I = L TO 1 STEP -1
    V$ = V$ + MID(W$, I, 1)
  NEXT I
  U$ = UCASE(V$)
  T# = T# + INSTR(U$, "M") + INSTR(U$, CHR(65 + R - 26 * INT(R / 26)))
  T# = T# + ASC(MID(U$, 1 + R - L * INT(R / L), 1))
NEXT R
PRINT T#
