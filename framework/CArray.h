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
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    // New elements are value-initialised (null, zero, empty).
    void SetSize(INT_PTR newSize)
    {
        if (newSize < 0)
            AfxThrowInvalidArgException();
        m_items.resize(static_cast<size_t>(newSize));
    }

    const TYPE& GetAt(INT_PTR index) const { return m_items[Checked(index)]; }
    TYPE& ElementAt(INT_PTR index) { return m_items[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE element) { m_items[Checked(index)] = element; }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }
    TYPE* GetData() { return m_items.data(); }
    const TYPE* GetData() const { return m_items.data(); }

    // Returns the index of the new element.
    INT_PTR Add(ARG_TYPE element)
    {
        m_items.push_back(element);
        return GetUpperBound();
    }
    // Grows the array when the index lies beyond the end; a negative index or count throws.
    void SetAtGrow(INT_PTR index, ARG_TYPE element)
    {
        if (index < 0)
            AfxThrowInvalidArgException();
        TYPE copy(element); // element may live in this array
        if (index >= GetSize())
            SetSize(index + 1);
        m_items[static_cast<size_t>(index)] = copy;
    }
    void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1)
    {
        if (index < 0 || count <= 0)
            AfxThrowInvalidArgException();
        TYPE copy(element);
        if (index > GetSize())
            SetSize(index);
        m_items.insert(m_items.begin() + index, static_cast<size_t>(count), copy);
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        if (index < 0 || count < 0 || count > GetSize() - index)
            AfxThrowInvalidArgException();
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }
    void RemoveAll() { m_items.clear(); }
    void Copy(const CArray& source) { m_items = source.m_items; }
    INT_PTR Append(const CArray& source)
    {
        const INT_PTR first = GetSize();
        const std::vector<TYPE> items(source.m_items); // source may be this array
        m_items.insert(m_items.end(), items.begin(), items.end());
        return first;
    }

  private:
    size_t Checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize())
            AfxThrowInvalidArgException();
        return static_cast<size_t>(index);
    }

    std::vector<TYPE> m_items;
};
