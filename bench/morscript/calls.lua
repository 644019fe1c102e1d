local function mix(a, b)
    return (a * 3 + b * 7 + 11) % 1000
end
local t, log = 0, ""
for i = 0, 1999999 do
    t = mix(i, t)
    if i % 1000 == 0 then
        log = log .. t .. ","
    end
end
print(t)
print(log)
