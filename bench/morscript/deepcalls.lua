local function leaf(x) return x + 1 end
local function mid(x) return leaf(x) * 2 - leaf(x - 1) end
local function top(x) return mid(x) - mid(x - 1) end
local function depth(n)
    if n == 0 then return 0 end
    return depth(n - 1) + 1
end
local s = 0
for i = 0, 299999 do
    s = s + top(i)
    s = s + depth(20)
end
print(string.format("%g", s))
