' An item that cannot be evaluated ends the run with the bare message.
PRINT "before";
PRINT 1; NOSUCH; 2
PRINT "never"
