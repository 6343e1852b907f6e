' NEXT names another variable than its FOR
FOR I=1 TO 3
  WAIT
NEXT J
