// Track-independent list operations; both stop kinds share these so the two
// tracks cannot drift apart.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace stop_list {

// Ascending position, ties by serial; NaN positions, which compare false
// with every position, come first, among themselves by serial. Without that
// rule a list holding NaN had no order, only whatever the sort's steps left:
// sorting it again, or adding its stops anew in list order (a script writing
// back what it read), could reorder it. First is also where a NaN stop
// disturbs evaluation least: from the first numeric stop on, the evaluators
// pass over it as if it were not there.
template <typename Stop>
bool InStopOrder(const Stop& a, const Stop& b) {
  const bool aNan = std::isnan(a.position), bNan = std::isnan(b.position);
  if (aNan != bNan) return aNan;
  if (!aNan && a.position != b.position) return a.position < b.position;
  return a.serial < b.serial;
}

template <typename Stop>
const Stop& At(const std::vector<Stop>& stops, int32_t index, const Stop& fallback) {
  if (stops.empty()) return fallback;
  if (index < 0) return stops.front();
  if (static_cast<size_t>(index) >= stops.size()) return stops.back();
  return stops[static_cast<size_t>(index)];
}

template <typename Stop>
int32_t Find(const std::vector<Stop>& stops, int32_t serial) {
  for (size_t i = 0; i < stops.size(); ++i) {
    if (stops[i].serial == serial) return static_cast<int32_t>(i);
  }
  return -1;
}

template <typename Stop>
void Renumber(std::vector<Stop>& stops) {
  for (size_t i = 0; i < stops.size(); ++i) stops[i].serial = static_cast<int32_t>(i);
}

template <typename Stop>
void Sort(std::vector<Stop>& stops) {
  // Stable: the byte reader hands in stops that all carry serial 0 and relies
  // on ties keeping their record order.
  std::stable_sort(stops.begin(), stops.end(), InStopOrder<Stop>);
}

template <typename Stop>
int32_t Add(std::vector<Stop>& stops, const Stop& stop) {
  stops.push_back(stop);
  Renumber(stops);
  const int32_t serial = stops.back().serial;
  Sort(stops);
  const int32_t index = Find(stops, serial);
  Renumber(stops);
  return index;
}

template <typename Stop>
bool Remove(std::vector<Stop>& stops, int32_t index) {
  if (stops.size() <= 2) return false;
  if (index < 0 || static_cast<size_t>(index) >= stops.size()) return false;
  stops.erase(stops.begin() + index);
  return true;
}

template <typename Stop>
int32_t SetPosition(std::vector<Stop>& stops, int32_t index, float position) {
  if (index < 0 || static_cast<size_t>(index) >= stops.size()) return -1;
  const int32_t serial = stops[static_cast<size_t>(index)].serial;
  if (position < 0.0f) position = 0.0f;
  if (position > 100.0f) position = 100.0f;
  stops[static_cast<size_t>(index)].position = position;
  Sort(stops);
  return Find(stops, serial);
}

}  // namespace stop_list
