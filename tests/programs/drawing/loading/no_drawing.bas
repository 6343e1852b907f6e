PRINT "no drawing"
