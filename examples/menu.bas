' A menu loop: choose until you choose to quit.
TOTAL = 0
DO
  PRINT "1 = add ten, 2 = halve, 3 = show, 0 = quit"
  INPUT CHOICE
  PRINT
  IF CHOICE = 1 THEN
    TOTAL = TOTAL + 10
  ELSEIF CHOICE = 2 THEN
    TOTAL = TOTAL / 2
  ELSEIF CHOICE = 3 THEN
    PRINT "Total:"; TOTAL
  ELSEIF CHOICE = 0 THEN
    EXIT DO
  ELSE
    PRINT "No such choice:"; CHOICE
  END IF
LOOP
PRINT "Bye."
END
