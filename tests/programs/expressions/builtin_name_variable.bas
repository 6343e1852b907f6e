' A built-in function's name, read until a variable of that name appears:
' from then on the same expression reads the variable.
FOR K = 1 TO 3
  PRINT K; INT(0)
  IF K = 1 THEN INT = 9
NEXT K
' A procedure's own table starts empty on every call.
CALL SHOW(1)
CALL SHOW(2)
CALL SHOW(1)
SUB SHOW(N)
  IF N = 2 THEN ABS = 5
  PRINT N; ABS(0)
END SUB
