-- K2 nested loops with if: the Collatz chains of every n below limit
local limit = 3000
local total = 0
local longest = 0
for n = 1, limit - 1 do
  local m = n
  local steps = 0
  while m ~= 1 do
    if m - 2 * math.floor(m / 2) == 0 then
      m = m / 2
    else
      m = 3 * m + 1
    end
    steps = steps + 1
  end
  total = total + steps
  if steps > longest then longest = steps end
end
print(string.format("%d", total * 1000 + longest))
