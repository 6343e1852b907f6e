' K2 nested loops with IF: the Collatz chains of every N below LIMIT
' The checksum is the total of their steps times 1000 plus the longest chain.
LIMIT = 3000
TOTAL& = 0
LONGEST = 0
FOR N = 1 TO LIMIT - 1
  M = N
  STEPS = 0
  DO WHILE M <> 1
    IF M - 2 * INT(M / 2) = 0 THEN
      M = M / 2
    ELSE
      M = 3 * M + 1
    END IF
    STEPS = STEPS + 1
  LOOP
  TOTAL& = TOTAL& + STEPS
  IF STEPS > LONGEST THEN LONGEST = STEPS
NEXT N
PRINT TOTAL& * 1000 + LONGEST
