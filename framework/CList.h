#pragma once
// Doubly linked list with the framework's interface. Operations on an empty list's head or
// tail, and on a null position, throw the invalid-argument exception.

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
    INT_PTR GetSize() const { return m_nCount; }
    bool IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return Checked(m_pHead)->data; }
    const TYPE& GetHead() const { return Checked(m_pHead)->data; }
    TYPE& GetTail() { return Checked(m_pTail)->data; }
    const TYPE& GetTail() const { return Checked(m_pTail)->data; }
    POSITION GetHeadPosition() const { return ToPosition(m_pHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pTail); }

    // Return the element at pos and move pos on (null after the last).
    TYPE& GetNext(POSITION& pos) { return Step(pos, &Node::next)->data; }
    const TYPE& GetNext(POSITION& pos) const { return Step(pos, &Node::next)->data; }
    TYPE& GetPrev(POSITION& pos) { return Step(pos, &Node::prev)->data; }
    const TYPE& GetPrev(POSITION& pos) const { return Step(pos, &Node::prev)->data; }
    TYPE& GetAt(POSITION pos) { return Checked(FromPosition(pos))->data; }
    const TYPE& GetAt(POSITION pos) const { return Checked(FromPosition(pos))->data; }
    void SetAt(POSITION pos, ARG_TYPE value) { Checked(FromPosition(pos))->data = value; }

    POSITION AddHead(ARG_TYPE value) { return Link(nullptr, m_pHead, value); }
    POSITION AddTail(ARG_TYPE value) { return Link(m_pTail, nullptr, value); }
    // A null position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION pos, ARG_TYPE value)
    {
        Node* next = pos ? FromPosition(pos) : m_pHead;
        return Link(next ? next->prev : nullptr, next, value);
    }
    POSITION InsertAfter(POSITION pos, ARG_TYPE value)
    {
        Node* prev = pos ? FromPosition(pos) : m_pTail;
        return Link(prev, prev ? prev->next : nullptr, value);
    }

    TYPE RemoveHead() { return Unlink(Checked(m_pHead)); }
    TYPE RemoveTail() { return Unlink(Checked(m_pTail)); }
    void RemoveAt(POSITION pos) { Unlink(Checked(FromPosition(pos))); }
    void RemoveAll()
    {
        while (m_pHead)
            Unlink(m_pHead);
    }

    // Exact comparison with ==; the search starts after startAfter (null: at the head).
    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const
    {
        Node* node = startAfter ? Checked(FromPosition(startAfter))->next : m_pHead;
        while (node && !(node->data == value))
            node = node->next;
        return ToPosition(node);
    }
    // Null when the index lies outside the list.
    POSITION FindIndex(INT_PTR index) const
    {
        if (index < 0 || index >= m_nCount)
            return nullptr;
        Node* node = m_pHead;
        while (index-- > 0)
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
    static Node* Step(POSITION& pos, Node* Node::*link)
    {
        Node* node = Checked(FromPosition(pos));
        pos = ToPosition(node->*link);
        return node;
    }

    // A new node between two neighbours (null: the list's end on that side).
    POSITION Link(Node* prev, Node* next, ARG_TYPE value)
    {
        Node* node = new Node(value);
        node->prev = prev;
        node->next = next;
        (prev ? prev->next : m_pHead) = node;
        (next ? next->prev : m_pTail) = node;
        ++m_nCount;
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
