' Bare variables come back with their parameters' final values, call after
' call; elements, expressions and constants stay as they were.
A = 1
B$ = "x"
C& = 5
DIM ARR(3)
FOR I = 1 TO 3
  CALL BUMP(A, B$, C&)
  PRINT A; " "; B$; " "; C&
NEXT I
ARR(2) = 4
CALL BUMP(ARR(2), B$, C&)
PRINT ARR(2); " "; B$; " "; C&
CALL BUMP(A + 0, "lit", 3)
PRINT A
CALL SWAP(A, C&)
PRINT A; " "; C&
CALL MAKE(NEWVAR)
PRINT NEWVAR
CALL ORDER(P, Q)
PRINT P; " "; Q

SUB BUMP(N, S$, L&)
  N = N + 1
  S$ = S$ + "y"
  L& = L& * 2
END SUB

SUB SWAP(X, Y)
  T = X
  X = Y
  Y = T
END SUB

SUB MAKE(V)
  V = 17
END SUB

' The tables are emptied, and the parameters made again in another order.
SUB ORDER(FIRST, SECOND)
  RESET
  SECOND = 2
  FIRST = 1
END SUB
