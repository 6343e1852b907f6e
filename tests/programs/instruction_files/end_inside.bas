OPEN "stop.bas" FOR OUTPUT AS #1
PRINT #1, "PRINT " + CHR(34) + "about to end" + CHR(34)
PRINT #1, "END"
CLOSE #1
RUN stop.bas
PRINT "never"
