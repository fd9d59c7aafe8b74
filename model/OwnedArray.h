// The operations the item tree performs on its owning pointer arrays: each array holds
// heap objects of one type that the array's owner deletes.
#pragma once

#include "framework/CPtrArray.h"

#include <windows.h>

// Deletes every element, first to last, and empties the array.
template <class T> void DeleteAll(CPtrArray& array)
{
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        delete static_cast<T*>(array[i]);
    array.RemoveAll();
}

// Appends a copy of every element of source, in order.
template <class T> void AppendCopies(CPtrArray& target, const CPtrArray& source)
{
    for (INT_PTR i = 0; i < source.GetSize(); ++i)
        target.Add(new T(*static_cast<const T*>(source[i])));
}

// The first element whose m_strName equals name exactly, or null.
template <class T> T* FindByName(const CPtrArray& array, LPCSTR name)
{
    for (INT_PTR i = 0; i < array.GetSize(); ++i) {
        T* element = static_cast<T*>(array[i]);
        if (element->m_strName == name)
            return element;
    }
    return nullptr;
}
