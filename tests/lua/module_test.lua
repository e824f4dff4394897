-- The script face as a script sees it, run by Debian's lua5.1 against
-- Velumbra.so and by the Windows lua.exe under Wine against Velumbra.auf.
-- Usage: lua module_test.lua <Velumbra library> <pixelbuffer library>
local libraryPath, bufferPath = arg[1], arg[2]
local open = assert(package.loadlib(libraryPath, "luaopen_Velumbra"))
local V = open()
local pb = assert(package.loadlib(bufferPath, "luaopen_pixelbuffer"))()

local passed, failed = 0, 0
local function check(ok, what)
  if ok then
    passed = passed + 1
  else
    failed = failed + 1
    local caller = debug.getinfo(3, "l") or debug.getinfo(2, "l")
    print("FAILED: " .. what .. "  (line " .. tostring(caller.currentline) .. ")")
  end
end
local function equal(actual, expected, what)
  check(actual == expected, string.format("%s: got %s, want %s", what, tostring(actual), tostring(expected)))
end
local function raises(expected, what, f, ...)
  local ok, message = pcall(f, ...)
  check(not ok and string.find(tostring(message), expected, 1, true) ~= nil,
    string.format("%s: want error containing %q, got %s", what, expected, tostring(message)))
end
local function hex(word) return string.format("%08X", word) end

local default = {
  { { value = 0, point = 0 }, { value = 16777215, point = 100 } },
  { { value = 100, point = 0 }, { value = 100, point = 100 } },
}
local function setDefault(id) return V.SetGradationData(id, default[1], default[2]) end

-- Registration
equal(V, Velumbra, "module table is the global Velumbra")
for _, name in ipairs({ "GetGradationData", "SetGradationData", "Gradation",
  "SetGradationImage", "ColorReMap_Luminance" }) do
  equal(type(V[name]), "function", name)
end

-- IDs
for _, id in ipairs({ 50, 1, 0, -9 }) do
  check(pcall(V.GetGradationData, id), "id " .. id .. " accepted")
end
for _, id in ipairs({ 51, -10, -11, 1e9 }) do
  raises("Velumbra : Gradation ID is out of range", "Gradation id " .. id, V.Gradation, id, 50)
  raises("Velumbra : Gradation ID is out of range", "Get id " .. id, V.GetGradationData, id)
  raises("Velumbra : Gradation ID is out of range", "Set id " .. id, V.SetGradationData, id, {}, {})
  raises("Velumbra : GetGradationData over id", "image id " .. id, V.SetGradationImage, id, pb.new(1), 1, 1)
  raises("Velumbra : GetGradationData over id", "remap id " .. id, V.ColorReMap_Luminance, id, pb.new(1), 1, 1)
end
raises("bad argument #1", "id must be a number", V.Gradation, "x", 50)

-- Untouched scratch gradation: no stops, opaque black
do
  local c, a = V.GetGradationData(-3)
  equal(#c + #a, 0, "scratch starts empty")
  local r, g, b, o = V.Gradation(-3, 42)
  equal(r + g + b, 0, "empty is black")
  equal(o, 1, "empty is opaque")
end

-- Default gradation through the tables
do
  equal(setDefault(7), true, "SetGradationData returns true")
  local c, a = V.GetGradationData(7)
  equal(#c, 2, "two colour stops")
  equal(c[2].value, 16777215, "white value")
  equal(c[2].point, 100, "white point")
  equal(a[1].value, 100, "opacity value")
  equal(a[2].point, 100, "opacity point")
  local r, g, b, o = V.Gradation(7, 25)
  equal(r .. "," .. g .. "," .. b .. "," .. o, "64,64,64,1", "linear by default")
  r = V.Gradation(7, 25, 4 / 3)
  equal(r, 0x33, "editor curve")
  check(pcall(V.Gradation, 7, 0) and pcall(V.Gradation, 7, 100), "0 and 100 accepted")
  raises("Velumbra : Gradation point is out of range", "point below 0", V.Gradation, 7, -0.01)
  raises("Velumbra : Gradation point is out of range", "point above 100", V.Gradation, 7, 100.01)
  raises("Velumbra : Gradation point is out of range", "NaN point", V.Gradation, 7, 0 / 0)
  raises("Velumbra : Gradation ID is out of range", "ID checked before point", V.Gradation, 99, 500)
  raises("bad argument #3", "exponent must be a number", V.Gradation, 7, 5, "x")
end

-- Values and order survive the tables
do
  V.SetGradationData(-1, {
    { value = 0x1FF0000, point = 33.3 },
    { value = 0x00FF00, point = 150 },
    { value = 0x0000FF, point = 150 },
    { value = 0x123456 },
  }, { { value = 12.5, point = 50 }, { value = 250, point = -5 } })
  local c, a = V.GetGradationData(-1)
  equal(#c, 4, "four colour stops")
  equal(c[1].point, 0, "missing point reads as 0")
  equal(c[1].value, 0x123456, "its value")
  equal(c[2].value, 0xFF0000, "top byte ignored")
  equal(c[2].point, 33.29999923706055, "single precision point")
  equal(c[3].value, 0x00FF00, "equal points keep table order")
  equal(c[4].value, 0x0000FF, "second of the tie")
  equal(c[4].point, 150, "points not clamped")
  equal(a[1].value, 250, "opacity not clamped")
  equal(a[1].point, -5, "sorted by point")
  -- Round trip reproduces the stops exactly.
  V.SetGradationData(-2, V.GetGradationData(-1))
  local c2, a2 = V.GetGradationData(-2)
  for i = 1, 4 do equal(c2[i].value .. "@" .. c2[i].point, c[i].value .. "@" .. c[i].point, "round trip " .. i) end
  equal(a2[2].value, 12.5, "round trip opacity")
  V.SetGradationData(-2, {}, {})
  local e1, e2 = V.GetGradationData(-2)
  equal(#e1 + #e2, 0, "empty tables empty the gradation")
end

-- Argument errors leave the gradation alone; a bad entry stops the rebuild
do
  setDefault(9)
  raises("bad argument #2", "colour list must be a table", V.SetGradationData, 9, nil, {})
  raises("table expected", "transparency list must be a table", V.SetGradationData, 9, {}, 5)
  equal(#V.GetGradationData(9), 2, "unchanged after argument errors")
  check(not pcall(V.SetGradationData, 9, { { value = 1, point = 1 }, 7 }, {}), "non-table entry raises")
  local c, a = V.GetGradationData(9)
  equal(#c, 1, "stops before the bad entry remain")
  equal(#a, 0, "transparency list already emptied")
end

-- SetGradationImage
do
  setDefault(3)
  local buffer = pb.new(100 * 3)
  pb.fill(buffer, 0x12345678)
  V.SetGradationImage(3, buffer, 100, 3)
  equal(hex(pb.get(buffer, 0)), "FE000000", "column 0")
  equal(hex(pb.get(buffer, 50)), "FE808080", "column 50")
  equal(hex(pb.get(buffer, 250)), "FE808080", "row 2 column 50")
  local fiveArgs, sixArgs = pb.new(64), pb.new(64)
  V.SetGradationImage(3, fiveArgs, 64, 1, 2.5)
  V.SetGradationImage(3, sixArgs, 64, 1, 2.5, 60)
  local same = true
  for i = 0, 63 do same = same and pb.get(fiveArgs, i) == pb.get(sixArgs, i) end
  check(same, "six arguments behave like five")
  local ranged = pb.new(4)
  V.SetGradationImage(3, ranged, 4, 1, 1, 100, 0)
  equal(hex(pb.get(ranged, 0)), "FEFFFFFF", "start 100")
  equal(hex(pb.get(ranged, 1)), "FEBFBFBF", "one step back towards 0")
  local untouched = pb.new(4)
  pb.fill(untouched, 7)
  V.SetGradationImage(3, untouched, 0, 4)
  V.SetGradationImage(3, untouched, 4, 0)
  V.SetGradationImage(3, untouched, -4, 1)
  equal(pb.get(untouched, 3), 7, "no writes without width and height")
  local empty = pb.new(8)
  V.SetGradationImage(-8, empty, 8, 1)
  equal(hex(pb.get(empty, 7)), "FE000000", "empty scratch paints black with alpha 254")
end

-- Alpha from opacity: 100 gives 254, 20 gives 51, 110 wraps to 24
do
  local expected = { [100] = "FE", [50] = "7F", [20] = "33", [0] = "00", [110] = "18" }
  for opacity, alpha in pairs(expected) do
    V.SetGradationData(-4, {}, { { value = opacity, point = 0 } })
    local b = pb.new(1)
    V.SetGradationImage(-4, b, 1, 1)
    equal(hex(pb.get(b, 0)):sub(1, 2), alpha, "alpha for opacity " .. opacity)
  end
end

-- ColorReMap_Luminance
do
  setDefault(4)
  local b = pb.new(4)
  pb.set(b, 0, 0x00000000)
  pb.set(b, 1, 0x80FFFFFF)
  pb.set(b, 2, 0xFF808080)
  pb.set(b, 3, 0x12FF0000)
  V.ColorReMap_Luminance(4, b, 2, 2)
  equal(hex(pb.get(b, 0)), "FE000000", "black")
  equal(hex(pb.get(b, 1)), "FEFFFFFF", "white, alpha replaced")
  local gray = pb.get(b, 2) % 256
  check(gray > 0x70 and gray < 0x90, "mid grey stays mid grey (" .. gray .. ")")
  local shifted = pb.new(2)
  pb.set(shifted, 0, 0xFFFFFFFF)
  pb.set(shifted, 1, 0xFF000000)
  V.ColorReMap_Luminance(4, shifted, 2, 1, 4 / 3, 1, 1)
  equal(hex(pb.get(shifted, 0)), "FE000000", "offset 1 wraps white to position 0")
  local negative = pb.new(1)
  V.ColorReMap_Luminance(4, negative, 1, 1, 4 / 3, -100, 1)
  equal(hex(pb.get(negative, 0)), "FE000000", "negative offset: below the first stop")
  local a, c = pb.new(16), pb.new(16)
  for i = 0, 15 do pb.set(a, i, i * 0x10F0F0F); pb.set(c, i, i * 0x10F0F0F) end
  V.ColorReMap_Luminance(4, a, 16, 1, 2)
  V.ColorReMap_Luminance(4, c, 16, 1, 2, 500)
  local same = true
  for i = 0, 15 do same = same and pb.get(a, i) == pb.get(c, i) end
  check(same, "remap: six arguments behave like five")
  -- Scale 2: index 2048 lands on 100, index 2050 wraps to just above 0.
  local double = pb.new(2)
  pb.set(double, 0, 0x00D806)
  pb.set(double, 1, 0x00D807)
  V.ColorReMap_Luminance(4, double, 2, 1, 1, 0, 2)
  equal(hex(pb.get(double, 0)), "FEFFFFFF", "scale 2: index 2048 at the end")
  equal(hex(pb.get(double, 1)), "FE000000", "scale 2: index 2050 wrapped")
end

-- Frames large enough to be split over threads, through the module: every
-- band written, as a one-pixel call writes (negative sizes count pixels too)
do
  V.SetGradationData(6, { { value = 0x102040, point = 0 }, { value = 0xF08020, point = 60 } },
    { { value = 100, point = 0 }, { value = 30, point = 100 } })
  local w, h = 1031, 517
  local frame, one = pb.new(w * h), pb.new(1)
  for _, sizes in ipairs({ { w, h }, { -w, -h } }) do
    pb.fill(frame, 0xFF336699)
    pb.set(one, 0, 0xFF336699)
    V.ColorReMap_Luminance(6, frame, sizes[1], sizes[2])
    V.ColorReMap_Luminance(6, one, 1, 1)
    for _, i in ipairs({ 0, w * 200 + 7, w * h - 1 }) do
      equal(hex(pb.get(frame, i)), hex(pb.get(one, 0)), "large remap, pixel " .. i)
    end
  end
  V.SetGradationImage(6, frame, w, h)
  for _, x in ipairs({ 0, 517, w - 1 }) do
    equal(hex(pb.get(frame, w * (h - 1) + x)), hex(pb.get(frame, x)), "large fill, column " .. x)
  end
end

-- Buffers: type and size are checked, light userdata is trusted
do
  setDefault(5)
  raises("bad argument #2", "nil buffer", V.SetGradationImage, 5, nil, 1, 1)
  raises("userdata expected", "number buffer", V.ColorReMap_Luminance, 5, 42, 1, 1)
  raises("bad argument #2", "table buffer", V.ColorReMap_Luminance, 5, {}, 1, 1)
  raises("Velumbra : ", "buffer too small for image", V.SetGradationImage, 5, pb.new(3), 2, 2)
  raises("Velumbra : ", "buffer too small for remap", V.ColorReMap_Luminance, 5, pb.new(3), 2, 2)
  raises("Velumbra : ", "huge dimensions", V.ColorReMap_Luminance, 5, pb.new(3), 65536, 65536)
  local exact = pb.new(4)
  check(pcall(V.SetGradationImage, 5, exact, 2, 2), "exact size accepted")
  local light = pb.new(2)
  V.SetGradationImage(5, pb.light(light), 2, 1)
  equal(hex(pb.get(light, 1)), "FE808080", "light userdata written")
  local spare = pb.new(1)
  pb.set(spare, 0, 0x00FFFFFF)
  V.ColorReMap_Luminance(5, spare, 0, 7)
  equal(hex(pb.get(spare, 0)), "00FFFFFF", "no pixels, no writes")
end

print(string.format("%d passed, %d failed", passed, failed))
os.exit(failed == 0 and 0 or 1)
