-- K3 strings: reverse a sentence letter by letter, upper-case it and search it
local rounds = 8000
local w = "Morvane reads every line of a program as it runs"
local l = #w
local t = 0
for r = 1, rounds do
  local v = ""
  for i = l, 1, -1 do
    v = v .. string.sub(w, i, i)
  end
  local u = string.upper(v)
  t = t + (string.find(u, "M", 1, true) or 0)
      + (string.find(u, string.char(65 + r - 26 * (r // 26)), 1, true) or 0)
  local p = 1 + r - l * (r // l)
  t = t + string.byte(u, p)
end
print(string.format("%d", t))
