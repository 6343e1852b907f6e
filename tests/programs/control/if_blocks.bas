X = 2
IF X THEN PRINT "two is true"
IF X = 1 THEN
  PRINT "one"
ELSEIF X = 2 THEN
  PRINT "two"
ELSE
  PRINT "other"
END IF
IF X = 5 THEN PRINT "five" ELSE PRINT "not five"
IF X = 2 THEN PRINT "is two" ELSE PRINT "not two"
A = 1
IF A = 1 THEN
  PRINT "in then"
  IF X = 9 THEN PRINT "nine"
ELSE
  PRINT "outer else must not run"
END IF
IF A THEN
ELSEIF A = 1 THEN
  PRINT "second branch must not run"
ENDIF
END
