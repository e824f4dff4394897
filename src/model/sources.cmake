# The model: stops, gradations, the bank and scratch set, evaluation; paths
# relative to src/.
set(VELUMBRA_MODEL_SOURCES
  model/banks.cpp
  model/curve_power.cpp
  model/evaluate.cpp
  model/gradation_sampler.cpp
  model/gradation.cpp
  model/gradation_transforms.cpp
  model/stop_editing.cpp
)
