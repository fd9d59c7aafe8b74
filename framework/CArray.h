#pragma once
// Growable array with the framework's interface; an index outside the array throws the
// invalid-argument exception.

#include "framework/CInvalidArgException.h"

#include <windows.h>

#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray
{
  public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    const TYPE& GetAt(INT_PTR index) const { return m_items[Checked(index)]; }
    TYPE& ElementAt(INT_PTR index) { return m_items[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE element) { m_items[Checked(index)] = element; }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }

    // Returns the index of the new element.
    INT_PTR Add(ARG_TYPE element)
    {
        m_items.push_back(element);
        return GetUpperBound();
    }
    void RemoveAt(INT_PTR index)
    {
        m_items.erase(m_items.begin() + static_cast<ptrdiff_t>(Checked(index)));
    }
    void RemoveAll() { m_items.clear(); }

  private:
    size_t Checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize())
            AfxThrowInvalidArgException();
        return static_cast<size_t>(index);
    }

    std::vector<TYPE> m_items;
};
