' Expressions of numbers and variables, met again and again in a loop, that
' on a later pass meet what numbers alone do not cover: a value the store
' refuses, an index beyond the bounds, a result too large, a division by
' zero, a variable that does not exist yet, the smallest Long negated. Each
' case runs as a program of its own, so each can end with its message.
DIM CASES$(9)
CASES$(1) = "FOR K = 1 TO 3: L& = K * 1E9: PRINT L&: NEXT K"
CASES$(2) = "DIM A(2): FOR K = 0 TO 3: PRINT A(K) + K: NEXT K"
CASES$(3) = "X = 1E300: FOR K = 1 TO 3: X = X * 1E4: PRINT X: NEXT K"
CASES$(4) = "FOR K = 2 TO 0 STEP -1: PRINT 10 / K: NEXT K"
CASES$(5) = "FOR K = 1 TO 3: IF K = 3 THEN PRINT K + LATER ELSE PRINT K: NEXT K"
CASES$(6) = "I& = -2147483647: FOR K = 1 TO 3: J = -I&: PRINT J: I& = I& - 1: NEXT K"
CASES$(7) = "DIM B#(3): FOR K = 0 TO 4: B#(K) = (K + 0.5) * 2: PRINT B#(K); K: NEXT K"
CASES$(8) = "FOR K = 1 TO 4: M = (K - 2) ^ (0.5): PRINT M: NEXT K"
CASES$(9) = "FOR K = 3 TO -1 STEP -1: PRINT SQR(K) + LN(K): NEXT K"
FOR K = 1 TO 9
  OPEN "case.bas" FOR OUTPUT AS #1
  PRINT #1, CASES$(K)
  CLOSE #1
  EXECUTE case.bas
NEXT K
' The values and kinds numbers alone leave: a Long stays a Long, a sum is a
' Double, a comparison is -1 or 0.
A& = 7
B = A&
C = A& + 0
D = (A& > 3) + (A& < 3)
E# = -(-A&)
PRINT A&; B; C; D; E#; INT(-2.5); FIX(-2.5); ABS(-A&); SIGN(-0.5); INT(A&)
