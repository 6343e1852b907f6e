' The INLINE forms called again and again: their names are declared again
' in their caller's table on every call, new the first time and made again
' after. A caller whose variable of the name has another type sees it
' change; one whose variable of the name is an array gets the message, as
' its own program.
T = 0
FOR I = 1 TO 5
  T = T + SQUARE(I)
NEXT I
PRINT T; V; SQUARE
CALL OTHERTYPE
COUNT = 0
FOR I = 1 TO 3
  CALL BUMP(I * 2)
  PRINT COUNT; K;
NEXT I
PRINT
CALL TWICE
PRINT COUNTDOWN(4); D
L& = 7
FOR I = 1 TO 2
  PRINT LONGER&(I + 0.5); L&
NEXT I
DIM AR(3)
PRINT ARRAYED(2)
PRINT "not reached"

INLINE FUNCTION SQUARE(V)
  SQUARE = V * V
END FUNCTION

INLINE SUB BUMP(K)
  COUNT = COUNT + K
END SUB

' A string of the result's name becomes a number again.
SUB OTHERTYPE
  SQUARE$ = "text"
  FOR J = 1 TO 2
    PRINT SQUARE(J + 2); SQUARE;
  NEXT J
  PRINT
END SUB

' A table of its own, whose variables the INLINE forms share.
SUB TWICE
  COUNT = 100
  FOR J = 1 TO 2
    PRINT SQUARE(J + 10); V;
    CALL BUMP(J)
  NEXT J
  PRINT COUNT
END SUB

' An INLINE form that calls itself works on the same variables throughout.
INLINE FUNCTION COUNTDOWN(D)
  IF D > 0 THEN
    COUNTDOWN = D + COUNTDOWN(D - 1)
  ELSE
    COUNTDOWN = 0
  END IF
END FUNCTION

INLINE FUNCTION ARRAYED(AR)
  ARRAYED = AR
END FUNCTION

INLINE FUNCTION LONGER&(L&) AS LONG
  LONGER& = L& * 2
END FUNCTION
