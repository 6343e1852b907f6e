' Bare variables handed to procedures call after call, in loops: a local
' and a global variable, a long variable that rounds what it takes back, a
' string, a name no variable has yet, a built-in function's name, and,
' each as a program of its own, the values a variable refuses to take back.
GLOBAL G
T = 0
K = 1
FOR I = 1 TO 4
  T = T + TWICE(K) + TWICE(G)
NEXT I
PRINT T; K; G
L& = 3
FOR I = 1 TO 3
  CALL HALVE(L&)
  PRINT L&;
NEXT I
PRINT
W$ = "a"
FOR I = 1 TO 3
  CALL GROW(W$)
NEXT I
PRINT W$
FOR I = 1 TO 2
  CALL HALVE(FRESH)
  PRINT FRESH;
NEXT I
PRINT
FOR I = 1 TO 2
  PRINT TWICE(PI) + 0;
NEXT I
PRINT
CALL SHOWLOCAL
DIM CASES$(3)
CASES$(1) = "L& = 2000000000: FOR I = 1 TO 2: CALL BIG(L&): PRINT L&: NEXT I" + CHR(13) + CHR(10) + "SUB BIG(X): X = X * 2: END SUB"
Q$ = CHR(34)
CASES$(2) = "N = 1: FOR I = 1 TO 2: CALL TEXT(N): PRINT N: NEXT I" + CHR(13) + CHR(10) + "SUB TEXT(X): RESET: X$ = " + Q$ + "t" + Q$ + ": END SUB"
CASES$(3) = "L& = 1: FOR I = 1 TO 40: T = TRIPLE(L&): NEXT I" + CHR(13) + CHR(10) + "FUNCTION TRIPLE(X): X = X * 3: PRINT X;: END FUNCTION"
FOR K = 1 TO 3
  OPEN "case.bas" FOR OUTPUT AS #1
  PRINT #1, CASES$(K)
  CLOSE #1
  EXECUTE case.bas
NEXT K

FUNCTION TWICE(V)
  V = V + 1
  TWICE = V * 2
END FUNCTION

SUB HALVE(X)
  X = X / 2 + 1
END SUB

SUB GROW(S$)
  S$ = S$ + S$
END SUB

' A local variable of a procedure handed on to another.
SUB SHOWLOCAL
  M = 10
  FOR I = 1 TO 2
    CALL HALVE(M)
  NEXT I
  PRINT M
END SUB
