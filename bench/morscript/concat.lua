local s = ""
for i = 0, 19999 do
    s = s .. "a" .. i
end
print(s)
