' Items joined by ";" have nothing between them; "," and the last item add a
' blank; a final ";" or "," leaves the line open.
PRINT
PRINT 1, 2
PRINT "A";"B"
PRINT "A";
PRINT "C"
PRINT -1.5; 0; "x" + "y",
PRINT
A = 3
PRINT "A is"; A; "and its square"; A * A
PRINT 10 / 4, "tab" ,
PRINT "";
PRINT "end"
