' A program that ends with END shows "End".
WAIT

END
