-- K1 loops and arithmetic: 600000 steps of a linear congruential generator
local x = 1.0
local s = 0.0
for i = 1, 600000 do
  x = x * 75 + 74
  x = x - 65537 * math.floor(x / 65537)
  s = s + x - 1000 * math.floor(x / 1000)
end
print(string.format("%d", s))
