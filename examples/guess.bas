' Guess the number: the program thinks of a number from 1 to 100 and
' tells you after each try whether yours is too small or too big.
SECRET = 37          ' change it, or take it from the clock: 1 + INT(TIMER) - 100 * INT(TIMER / 100)
TRIES = 0
PRINT "I think of a number from 1 to 100."
DO
  INPUT GUESS       ' the protocol shows GUESS= and waits for your number
  PRINT             ' ends the line after your answer
  TRIES = TRIES + 1
  IF GUESS < SECRET THEN
    PRINT "Too small."
  ELSEIF GUESS > SECRET THEN
    PRINT "Too big."
  END IF
LOOP UNTIL GUESS = SECRET
PRINT "Right! You needed"; TRIES; " tries."
END
