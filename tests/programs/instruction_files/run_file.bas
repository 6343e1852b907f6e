' An instruction file runs as a part of this program and shares its variables.
Q$ = CHR(34)
OPEN "greet.bas" FOR OUTPUT AS #1
PRINT #1, "PRINT " + Q$ + "hello from the file, X is" + Q$ + "; X"
PRINT #1, "X = X + 1"
CLOSE #1
OPEN "outer.bas" FOR OUTPUT AS #1
PRINT #1, "RUN greet.bas"
PRINT #1, "PRINT " + Q$ + "outer file done" + Q$
CLOSE #1
X = 1
RUN greet.bas
RUN "outer.bas"
PRINT "back, X is"; X
END
