INPUT S$
PRINT "never"
