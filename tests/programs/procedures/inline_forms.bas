' The INLINE forms work on their caller's variables: their parameters and
' their result become the caller's, declared again on every call.
CALL SETUP(5)
PRINT N; " "; SETUP
CALL SETUP(6)
PRINT N; " "; SETUP
PRINT ADDTO(3); " "; TOTAL
PRINT ADDTO(4); " "; TOTAL
PRINT OWN(1)
PRINT INNER$("q")

INLINE SUB SETUP(N)
  TOTAL = N * 10
END SUB

INLINEFUNCTION ADDTO(K)
  TOTAL = TOTAL + K
  ADDTO = TOTAL
END FUNCTION

FUNCTION OWN(X)
  Y = 7
  CALL SHARED(X)
  OWN = Y + X
END FUNCTION

INLINE SUB SHARED(X)
  Y = Y + X
END SUB

FUNCTION INNER$(S$)
  INNER$ = WRAP$(S$) + WRAP$(S$ + S$)
END FUNCTION

INLINE FUNCTION WRAP$(T$) AS STRING
  WRAP$ = "<" + T$ + ">"
END FUNCTION
