#pragma once
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// Lookups and ordering shared by the lists of sections and of parameters, whose entries all
// have a `Name`.
namespace vorpel::detail {

// The first entry of that exact name (byte by byte), or null.
template <class T>
std::shared_ptr<T> FindByName(const std::vector<std::shared_ptr<T>>& list, const std::string& name) {
  for (const auto& entry : list)
    if (entry->Name == name) return entry;
  return nullptr;
}

// Removes the first entry of that name; false when there is none.
template <class T>
bool EraseByName(std::vector<std::shared_ptr<T>>& list, const std::string& name) {
  auto it = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e->Name == name; });
  if (it == list.end()) return false;
  list.erase(it);
  return true;
}

template <class T>
std::vector<std::string> NamesOf(const std::vector<std::shared_ptr<T>>& list) {
  std::vector<std::string> names;
  names.reserve(list.size());
  for (const auto& entry : list) names.push_back(entry->Name);
  return names;
}

// Ascending by byte value ("Z" before "a", a name before its longer continuations). Stable, so
// entries that share a name (only possible after renaming one) all stay, in their order.
template <class T>
void SortByName(std::vector<std::shared_ptr<T>>& list) {
  std::stable_sort(list.begin(), list.end(),
                   [](const auto& a, const auto& b) { return a->Name < b->Name; });
}

}  // namespace vorpel::detail
