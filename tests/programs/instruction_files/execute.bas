' EXECUTE runs a program as in a second window; its output joins ours.
Q$ = CHR(34)
OPEN "second.bas" FOR OUTPUT AS #1
PRINT #1, "PRINT " + Q$ + "the second window runs" + Q$
PRINT #1, "X = 99"
CLOSE #1
X = 1
EXECUTE second.bas
PRINT "back in the first, X is"; X
EDIT second.bas
EXECUTEGRAFIC "second.bas"
EXECUTE nosuch.bas
