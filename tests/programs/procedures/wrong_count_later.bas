' A procedure that has been called well refuses a call with the wrong
' number of arguments.
PRINT ADD(1, 2); ADD(3, 4)
PRINT ADD(5)

FUNCTION ADD(A, B)
  ADD = A + B
END FUNCTION
