' Hello: the first program. Run it with F5 (or morvane-run hello.bas).
PRINT "Hello from Morvane!"
FOR I = 1 TO 3
  PRINT "Line"; I
NEXT I
END
