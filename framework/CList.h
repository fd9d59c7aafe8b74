#pragma once
// Doubly linked list with the framework's interface. Operations on an empty list's tail
// and on a null position throw the invalid-argument exception.

#include "framework/CInvalidArgException.h"
#include "framework/POSITION.h"

#include <windows.h>

template <class TYPE, class ARG_TYPE = const TYPE&> class CList
{
  public:
    CList() = default;
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    virtual ~CList() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    POSITION GetHeadPosition() const { return ToPosition(m_pHead); }
    // Returns the element at pos and moves pos on (null after the last).
    TYPE& GetNext(POSITION& pos)
    {
        Node* node = Checked(FromPosition(pos));
        pos = ToPosition(node->next);
        return node->data;
    }
    TYPE& GetAt(POSITION pos) { return Checked(FromPosition(pos))->data; }

    void AddHead(ARG_TYPE value)
    {
        Node* node = new Node(value);
        node->next = m_pHead;
        (m_pHead ? m_pHead->prev : m_pTail) = node;
        m_pHead = node;
        ++m_nCount;
    }
    TYPE RemoveTail() { return Unlink(Checked(m_pTail)); }
    void RemoveAt(POSITION pos) { Unlink(Checked(FromPosition(pos))); }
    void RemoveAll()
    {
        while (m_pHead)
            Unlink(m_pHead);
    }

    // Exact comparison with ==, from the head.
    POSITION Find(ARG_TYPE value) const
    {
        Node* node = m_pHead;
        while (node && !(node->data == value))
            node = node->next;
        return ToPosition(node);
    }

  private:
    struct Node : __POSITION {
        explicit Node(ARG_TYPE value) : data(value) {}
        Node* prev = nullptr;
        Node* next = nullptr;
        TYPE data;
    };

    static POSITION ToPosition(Node* node) { return node; }
    static Node* FromPosition(POSITION pos) { return static_cast<Node*>(pos); }
    static Node* Checked(Node* node)
    {
        if (!node)
            AfxThrowInvalidArgException();
        return node;
    }

    TYPE Unlink(Node* node)
    {
        (node->prev ? node->prev->next : m_pHead) = node->next;
        (node->next ? node->next->prev : m_pTail) = node->prev;
        --m_nCount;
        TYPE value(node->data);
        delete node;
        return value;
    }

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};
