' The typed line arrives unchanged in a string variable; what the program
' printed before the wait is no part of it.
LINEINPUT NAME
PRINT "["; NAME$; "]"
PRINT "Your city? ";
LINEINPUT CITY$
PRINT "["; CITY$; "]"
LINEINPUT Q
PRINT Q$
