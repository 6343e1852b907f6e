-- K6 output: a table of 20000 squares, one line each, then the checksum
local s = 0
for i = 1, 20000 do
  print(string.format(" %d squared is %d", i, i * i))
  s = s + i * i - 1000 * (i * i // 1000)
end
print(s)
