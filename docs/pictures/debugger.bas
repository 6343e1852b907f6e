' The picture of the debugger: factorials, stopped at the
' breakpoint inside the recursive function.
GLOBAL CALLS&, SEEN(4)
FOR K = 1 TO 4
  PRINT K; FACT(K)
NEXT K
END

FUNCTION FACT(N)
  CALLS& = CALLS& + 1
  SEEN(N) = SEEN(N) + 1
  IF N <= 1 THEN
    FACT = 1
  ELSE
    FACT = N * FACT(N - 1)
  END IF
END FUNCTION
