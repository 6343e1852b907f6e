' The end of standard input acts as Ctrl-Break while INPUT waits.
PRINT "start"
INPUT X
PRINT "never"
