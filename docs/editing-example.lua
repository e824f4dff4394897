-- The gradation of docs/editing.png: three colour stops and three
-- transparency stops on gradation 1.
Velumbra.SetGradationData(1,
  { { value = 0x1A2A6C, point = 0 }, { value = 0xB21F1F, point = 45 },
    { value = 0xFDBB2D, point = 100 } },
  { { value = 100, point = 0 }, { value = 35, point = 70 }, { value = 100, point = 100 } })
