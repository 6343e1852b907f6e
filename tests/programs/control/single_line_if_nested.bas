' Seven single-line IFs nested in one line: one editor line, eight logical lines and more.
A = 1: B = 2
IF A THEN IF B THEN IF A THEN IF B THEN IF A THEN IF B THEN IF A < B THEN PRINT "seven deep" ELSE PRINT "no"
IF A THEN IF B THEN IF A THEN IF B THEN IF A THEN IF B THEN IF A > B THEN PRINT "no" ELSE PRINT "the last ELSE"
