' A recursive function: N! = N * (N-1)!, and 1! = 1.
FOR N = 1 TO 10
  PRINT N; "! ="; FACT(N)
NEXT N
END

FUNCTION FACT(N)
  IF N <= 1 THEN
    FACT = 1
  ELSE
    FACT = N * FACT(N - 1)
  END IF
END FUNCTION
