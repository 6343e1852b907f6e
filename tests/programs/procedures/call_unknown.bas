PRINT "before"
CALL NOSUCH(1)
PRINT "after"
