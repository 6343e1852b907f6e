IF 1 > 0
  PRINT "no then"
END IF
