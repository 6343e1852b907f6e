I = 0
DO
  I = I + 1
  IF I > 1000 THEN I = 0
LOOP
