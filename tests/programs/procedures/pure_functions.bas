' Functions that compute with numbers alone, called again and again: from
' themselves, from each other, from loops of the main program, with bare
' variables handed back, with long arguments, and, each as a program of its
' own, calls that go wrong deep inside after many that went well.
PRINT FIB(20); BINOM(16, 8)
S = 0
FOR I = 2 TO 60
  S = S + BINOM(I, 2) + CLAMP(I * 2)
NEXT I
PRINT S
FOR I = 1 TO 12
  PRINT GCD(1071, I * 21); ACK(2, I - 4 * INT(I / 4)); SIGNOF(I - 6); ISEVEN(I); SELF(I - 4 * INT(I / 4))
NEXT I
X& = 7
FOR I = 1 TO 12
  PRINT TWICE(I + 0); FIB(X&); SQUARE(X&); SQUARE(I * 100000); DEPTH(I * 50); QUARTER(I)
NEXT I
GLOBAL HALF(3)
HALF(1) = 42
FOR I = 1 TO 8
  PRINT QUARTER(I);
NEXT I
PRINT
S = 0
FOR I = 1 TO 40
  S = S + GCDM(I * 12, 18) + POWER(2, I - 20 * INT(I / 20))
NEXT I
PRINT S; GCDM(1071, 462); POWER(3, 13)
GLOBAL ABS(3)
ABS(1) = 5
FOR I = 1 TO 4
  PRINT GCDM(I, 0);
NEXT I
PRINT
DIM CASES$(6)
NL$ = CHR(13) + CHR(10)
Q$ = CHR(34)
CASES$(1) = "FOR D = 5 TO 0 STEP -1: PRINT INVERSE(6, D);: NEXT D" + NL$ + "FUNCTION INVERSE(N, D)" + NL$ + "IF N = 1 THEN INVERSE = 1 / D ELSE INVERSE = INVERSE(N - 1, D) + 1" + NL$ + "END FUNCTION"
CASES$(2) = "FOR E = 10 TO 1E200 STEP 1E40: PRINT HUGE(4, E);: NEXT E" + NL$ + "FUNCTION HUGE(N, E)" + NL$ + "IF N = 1 THEN HUGE = E ELSE HUGE = HUGE(N - 1, E) * E" + NL$ + "END FUNCTION"
CASES$(3) = "L& = 1: FOR I = 1 TO 40: PRINT DOUBLE(L&);: NEXT I" + NL$ + "FUNCTION DOUBLE(P): P = P * 2: DOUBLE = P: END FUNCTION"
CASES$(4) = "FOR I = 1 TO 9: PRINT STEPS(I);: NEXT I: PRINT STEPS(" + Q$ + "x" + Q$ + ")" + NL$ + "FUNCTION STEPS(N)" + NL$ + "IF N = 1 THEN STEPS = 1 ELSE STEPS = STEPS(N - 1) + 1" + NL$ + "END FUNCTION"
CASES$(5) = "FOR I = 1 TO 30: PRINT SAFE(I);: NEXT I" + NL$ + "FUNCTION SAFE(N)" + NL$ + "IF N < 25 THEN SAFE = N ELSE SAFE = 100 / (N - 27)" + NL$ + "END FUNCTION"
CASES$(6) = "FOR D = 3 TO -1 STEP -1: PRINT ROOTS(5, D);: NEXT D" + NL$ + "FUNCTION ROOTS(N, D)" + NL$ + "IF N = 1 THEN ROOTS = SQR(D) ELSE ROOTS = ROOTS(N - 1, D) + 1" + NL$ + "END FUNCTION"
FOR K = 1 TO 6
  OPEN "case.bas" FOR OUTPUT AS #1
  PRINT #1, CASES$(K)
  CLOSE #1
  EXECUTE case.bas
  PRINT
NEXT K

FUNCTION FIB(N)
  IF N < 3 THEN
    FIB = 1
  ELSE
    FIB = FIB(N - 1) + FIB(N - 2)
  END IF
END FUNCTION

FUNCTION BINOM(N, K)
  IF K = 0 OR K = N THEN
    BINOM = 1
  ELSE
    BINOM = BINOM(N - 1, K - 1) + BINOM(N - 1, K)
  END IF
END FUNCTION

' Euclid by subtraction, with ELSEIF.
FUNCTION GCD(A, B)
  IF A = B THEN
    GCD = A
  ELSEIF A > B THEN
    GCD = GCD(A - B, B)
  ELSE
    GCD = GCD(A, B - A)
  END IF
END FUNCTION

' A call as the argument of a call.
FUNCTION ACK(M, N)
  IF M = 0 THEN
    ACK = N + 1
  ELSEIF N = 0 THEN
    ACK = ACK(M - 1, 1)
  ELSE
    ACK = ACK(M - 1, ACK(M, N - 1))
  END IF
END FUNCTION

' Its second branch runs only from the 50th call on.
FUNCTION CLAMP(N)
  CLAMP = N
  IF N > 100 THEN
    CLAMP = 100
  END IF
END FUNCTION

' BUMP changes its parameter, and N takes the value back.
FUNCTION TWICE(N)
  TWICE = BUMP(N) + N
END FUNCTION

FUNCTION BUMP(P)
  P = P + 10
  BUMP = P * 2
END FUNCTION

FUNCTION SQUARE(N)
  SQUARE = N * N
END FUNCTION

' SELF(0) inside SELF reads the variable SELF: a scalar answers the index 0.
FUNCTION SELF(N)
  IF N = 0 THEN
    SELF = 7
  ELSE
    SELF = SELF(N - 1) + SELF(0) + 1
  END IF
END FUNCTION

FUNCTION SIGNOF(N)
  IF N > 0 THEN
    SIGNOF = 1
  ELSEIF N < 0 THEN
    SIGNOF = -1
  ELSE
    SIGNOF = 0
  END IF
END FUNCTION

FUNCTION ISEVEN(N)
  IF N = 0 THEN ISEVEN = 1 ELSE ISEVEN = ISODD(N - 1)
END FUNCTION

FUNCTION ISODD(N)
  IF N = 0 THEN ISODD = 0 ELSE ISODD = ISEVEN(N - 1)
END FUNCTION

FUNCTION DEPTH(N)
  IF N = 0 THEN DEPTH = 0 ELSE DEPTH = DEPTH(N - 1) + 1
END FUNCTION

' HALF(2) reads the global array of that name, not the function.
FUNCTION QUARTER(N)
  QUARTER = HALF(HALF(N) / 2) + HALF(1)
END FUNCTION

FUNCTION HALF(N)
  HALF = N / 2
END FUNCTION

' Built-in functions of one number inside: ABS, INT.
FUNCTION GCDM(A, B)
  IF B = 0 THEN
    GCDM = ABS(A)
  ELSE
    GCDM = GCDM(B, A - B * INT(A / B))
  END IF
END FUNCTION

FUNCTION POWER(X, N)
  IF N = 0 THEN
    POWER = 1
  ELSEIF N - 2 * INT(N / 2) = 0 THEN
    POWER = POWER(X, N / 2) * POWER(X, N / 2)
  ELSE
    POWER = X * POWER(X, N - 1)
  END IF
END FUNCTION
