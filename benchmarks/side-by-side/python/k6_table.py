# K6 output: a table of 20000 squares, one line each, then the checksum
s = 0
for i in range(1, 20001):
    print(" %d squared is %d" % (i, i * i))
    s = s + i * i - 1000 * (i * i // 1000)
print(s)
