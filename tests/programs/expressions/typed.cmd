3+4
1 & 2
NOT 0
"abc" + "def"
2^10
X = 5
X * 2
-2 ^ 2
-6 / 2 * 3
1 / 0
1 < 2
"b" > "a"
LEN("hello")
FORMAT(3.14159, "0.00")
nosuch(1)
