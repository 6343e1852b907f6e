PRINT "sum:"; 1E308 + 1E308: PRINT "never" 
