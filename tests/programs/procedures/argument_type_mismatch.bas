' A parameter refuses an argument of the wrong type, also after calls
' that bound it well.
PRINT NUMBER(1); NUMBER(2)
PRINT TEXT$("a"); TEXT$("b")
PRINT NUMBER("three")

FUNCTION NUMBER(N AS DOUBLE)
  NUMBER = N * 2
END FUNCTION

FUNCTION TEXT$(T$)
  TEXT$ = T$ + T$
END FUNCTION
