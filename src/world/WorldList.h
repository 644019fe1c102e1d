#pragma once
// The world lists (actors, corpses, items, bullets, effects, larders) own
// their elements. Taking an element out hands it to the taker; putting it in
// hands it back; dropping deletes it; clearing deletes every element.
#include <algorithm>
#include <vector>

namespace WorldList {

// Removes the element without deleting it: false when it was not there.
template <typename T>
bool take(std::vector<T*>& list, T* element)
{
    auto it = std::find(list.begin(), list.end(), element);
    if (it == list.end())
        return false;
    list.erase(it);
    return true;
}

template <typename T>
void put(std::vector<T*>& list, T* element)
{
    list.push_back(element);
}

// Takes the element out and deletes it.
template <typename T>
void drop(std::vector<T*>& list, T* element)
{
    if (take(list, element))
        delete element;
}

// Deletes, in list order, the elements for which gone(element) holds and
// keeps the order of the others. gone is asked once per element.
template <typename T, typename Gone>
void dropIf(std::vector<T*>& list, Gone gone)
{
    size_t kept = 0;
    for (size_t i = 0; i < list.size(); i++) {
        T* element = list[i];
        if (gone(element))
            delete element;
        else
            list[kept++] = element;
    }
    list.resize(kept);
}

template <typename T>
void clear(std::vector<T*>& list)
{
    for (T* element : list)
        delete element;
    list.clear();
}

} // namespace WorldList
