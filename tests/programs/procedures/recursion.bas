' Recursion through numbers and strings, in functions and in a SUB. Inside a
' procedure its own name with the index 0 is its result variable, not a call:
' COUNTDOWN(0) prints nothing.
PRINT FIB(15); ACK(2, 3)
PRINT REVERSE$("recursion")
CALL COUNTDOWN(3)
PRINT "."

FUNCTION FIB(N)
  IF N < 3 THEN
    FIB = 1
  ELSE
    FIB = FIB(N - 1) + FIB(N - 2)
  END IF
END FUNCTION

FUNCTION ACK(M, N)
  IF M = 0 THEN
    ACK = N + 1
    EXIT FUNCTION
  END IF
  IF N = 0 THEN
    ACK = ACK(M - 1, 1)
  ELSE
    ACK = ACK(M - 1, ACK(M, N - 1))
  END IF
END FUNCTION

FUNCTION REVERSE$(S$)
  IF LEN(S$) <= 1 THEN
    REVERSE$ = S$
  ELSE
    REVERSE$ = REVERSE$(MID(S$, 2)) + MID(S$, 1, 1)
  END IF
END FUNCTION

SUB COUNTDOWN(K)
  PRINT K;
  IF K > 0 THEN CALL COUNTDOWN(K - 1)
END SUB

