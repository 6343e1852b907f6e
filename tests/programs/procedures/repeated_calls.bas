' A procedure called again and again starts every call with its result and
' its parameters alone, whatever the call before left in its table: more
' variables, the table emptied and its names made again in another order
' or as strings, a parameter declared again with another type.
FOR I = 1 TO 3
  PRINT GROW(I); " "; SHAPE$(I + 0); " "; CHANGE(I + 0); " "; PAIR(I, I * 2)
NEXT I

FUNCTION GROW(N)
  EXTRA = N * 2
  GROW = EXTRA + N
END FUNCTION

FUNCTION SHAPE$(N)
  RESET
  N$ = "s"
  SHAPE$ = N$ + N$
END FUNCTION

FUNCTION CHANGE(N)
  LOCAL N AS STRING
  N = "t"
  CHANGE = LEN(N) + 1
END FUNCTION

FUNCTION PAIR(A, B)
  PAIR = A * 10 + B
  A = B
END FUNCTION
