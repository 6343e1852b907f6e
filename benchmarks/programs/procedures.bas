' Recursive calls: the 22nd Fibonacci number, about 57,000 calls.
PRINT FIB(22)

FUNCTION FIB(N)
  IF N < 2 THEN
    FIB = N
  ELSE
    FIB = FIB(N - 1) + FIB(N - 2)
  END IF
END FUNCTION
