#pragma once
// A world list (actors, corpses, items, bullets, effects, larders, a
// cut-scene's cast) owns its elements. It is read like a list of plain
// pointers; an element comes in with put, leaves with take (which hands it
// to the taker) and is destroyed by drop, dropIf or clear, or when the list
// goes.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

template <typename T>
class OwnedList {
    using Slots = std::vector<std::unique_ptr<T>>;

public:
    // Walks the elements as plain pointers, in list order.
    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T* const*;
        using reference = T*;
        const_iterator() = default;
        explicit const_iterator(typename Slots::const_iterator at) : it(at) {}
        T* operator*() const { return it->get(); }
        const_iterator& operator++() { ++it; return *this; }
        const_iterator operator++(int) { const_iterator old = *this; ++it; return old; }
        const_iterator& operator--() { --it; return *this; }
        const_iterator& operator+=(difference_type n) { it += n; return *this; }
        const_iterator operator+(difference_type n) const { return const_iterator(it + n); }
        const_iterator operator-(difference_type n) const { return const_iterator(it - n); }
        difference_type operator-(const const_iterator& o) const { return it - o.it; }
        T* operator[](difference_type n) const { return it[n].get(); }
        bool operator==(const const_iterator& o) const { return it == o.it; }
        bool operator!=(const const_iterator& o) const { return it != o.it; }
        bool operator<(const const_iterator& o) const { return it < o.it; }

    private:
        typename Slots::const_iterator it;
    };
    using iterator = const_iterator;

    OwnedList() = default;
    OwnedList(const OwnedList&) = delete;
    OwnedList& operator=(const OwnedList&) = delete;

    const_iterator begin() const { return const_iterator(slots.begin()); }
    const_iterator end() const { return const_iterator(slots.end()); }
    size_t size() const { return slots.size(); }
    bool empty() const { return slots.empty(); }
    T* operator[](size_t i) const { return slots[i].get(); }
    T* front() const { return slots.front().get(); }
    T* back() const { return slots.back().get(); }

    // Appends the element; the plain pointer stays valid while it is listed.
    template <typename U>
    U* put(std::unique_ptr<U> element)
    {
        U* raw = element.get();
        slots.push_back(std::move(element));
        return raw;
    }

    // Takes the element out and hands it over: null when it was not there.
    std::unique_ptr<T> take(T* element)
    {
        auto it = find(element);
        if (it == slots.end())
            return nullptr;
        std::unique_ptr<T> taken = std::move(*it);
        slots.erase(it);
        return taken;
    }

    // Takes the element out and destroys it.
    void drop(T* element) { take(element); }

    // Destroys, in list order, the elements for which gone(element) holds and
    // keeps the order of the others. gone is asked once per element.
    template <typename Gone>
    void dropIf(Gone gone)
    {
        size_t kept = 0;
        for (size_t i = 0; i < slots.size(); i++) {
            if (gone(slots[i].get()))
                slots[i].reset();
            else
                slots[kept++] = std::move(slots[i]);
        }
        slots.resize(kept);
    }

    // Destroys every element, in list order.
    void clear()
    {
        for (auto& slot : slots)
            slot.reset();
        slots.clear();
    }

    ~OwnedList() { clear(); }

private:
    typename Slots::iterator find(T* element)
    {
        return std::find_if(slots.begin(), slots.end(),
                            [element](const std::unique_ptr<T>& s) { return s.get() == element; });
    }

    Slots slots;
};
