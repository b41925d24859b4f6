// CList: a doubly linked list of TYPE values passed as ARG_TYPE, walked with POSITION values.
// A POSITION names one node; it stays valid until that node is removed (RemoveAt, RemoveHead,
// RemoveTail, RemoveAll). Saving the next position before removing the current node is the way to
// remove while walking. Nodes come from blocks of nBlockSize. Operations on an empty list that need
// an element, and null positions where a node is required, throw a CNotSupportedException.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CollectionHelpers.h"
#include "framework/core/NodePool.h"

#include <utility>

template <class TYPE, class ARG_TYPE = const TYPE&> class CList : public CObject {
    struct Node {
        template <class... Args>
        Node(Node* prev, Node* next, Args&&... args)
            : pNext(next), pPrev(prev), data(std::forward<Args>(args)...) {}
        Node* pNext;
        Node* pPrev;
        TYPE data;
    };

public:
    using BASE_TYPE = TYPE;
    using BASE_ARG_TYPE = ARG_TYPE;

    explicit CList(INT_PTR nBlockSize = 10) : m_pool(nBlockSize) {}
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0 ? TRUE : FALSE; }

    TYPE& GetHead() { return NonEmpty(m_head)->data; }
    const TYPE& GetHead() const { return NonEmpty(m_head)->data; }
    TYPE& GetTail() { return NonEmpty(m_tail)->data; }
    const TYPE& GetTail() const { return NonEmpty(m_tail)->data; }

    TYPE RemoveHead() {
        Node* node = NonEmpty(m_head);
        TYPE value(std::move(node->data));
        Unlink(node);
        return value;
    }
    TYPE RemoveTail() {
        Node* node = NonEmpty(m_tail);
        TYPE value(std::move(node->data));
        Unlink(node);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(nullptr, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(nullptr, newElement); }

    // Adds copies of every element of pNewList (which may be this list), keeping their order.
    void AddHead(CList* pNewList) {
        if (pNewList == nullptr)
            AfxThrowNotSupportedException();
        Node* node = pNewList->m_tail;
        for (INT_PTR n = pNewList->m_count; n > 0; --n, node = node->pPrev)
            AddHead(node->data);
    }
    void AddTail(CList* pNewList) {
        if (pNewList == nullptr)
            AfxThrowNotSupportedException();
        Node* node = pNewList->m_head;
        for (INT_PTR n = pNewList->m_count; n > 0; --n, node = node->pNext)
            AddTail(node->data);
    }

    void RemoveAll() {
        for (Node* node = m_head; node != nullptr;) {
            Node* next = node->pNext;
            m_pool.Free(node);
            node = next;
        }
        m_head = m_tail = nullptr;
        m_count = 0;
        m_pool.Release();
    }

    POSITION GetHeadPosition() const { return ToPosition(m_head); }
    POSITION GetTailPosition() const { return ToPosition(m_tail); }

    // Return the element at rPosition and move rPosition on (null past the end).
    TYPE& GetNext(POSITION& rPosition) {
        Node* node = At(rPosition);
        rPosition = ToPosition(node->pNext);
        return node->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const {
        Node* node = At(rPosition);
        rPosition = ToPosition(node->pNext);
        return node->data;
    }
    TYPE& GetPrev(POSITION& rPosition) {
        Node* node = At(rPosition);
        rPosition = ToPosition(node->pPrev);
        return node->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const {
        Node* node = At(rPosition);
        rPosition = ToPosition(node->pPrev);
        return node->data;
    }

    TYPE& GetAt(POSITION position) { return At(position)->data; }
    const TYPE& GetAt(POSITION position) const { return At(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { At(pos)->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(At(position)); }

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
        Node* next = position ? At(position) : m_head;
        Node* prev = next ? next->pPrev : nullptr;
        return ToPosition(Link(prev, next, newElement));
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
        Node* prev = position ? At(position) : m_tail;
        Node* next = prev ? prev->pNext : nullptr;
        return ToPosition(Link(prev, next, newElement));
    }

    // The first element equal to searchValue after startAfter (from the head when null).
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const {
        Node* node = startAfter ? At(startAfter)->pNext : m_head;
        for (; node != nullptr; node = node->pNext) {
            if (CompareElements(&node->data, &searchValue))
                return ToPosition(node);
        }
        return nullptr;
    }

    // The position of the zero-based nIndex-th element, null when out of range.
    POSITION FindIndex(INT_PTR nIndex) const {
        if (nIndex < 0 || nIndex >= m_count)
            return nullptr;
        Node* node = m_head;
        while (nIndex-- > 0)
            node = node->pNext;
        return ToPosition(node);
    }

    // The element count (WriteCount), then each element (SerializeElements). Loading replaces the
    // contents.
    void Serialize(CArchive& ar) override {
        CObject::Serialize(ar);
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(m_count));
            for (Node* node = m_head; node != nullptr; node = node->pNext)
                SerializeElements<TYPE>(ar, &node->data, 1);
            return;
        }
        RemoveAll();
        for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0; --remaining) {
            TYPE value{};
            SerializeElements<TYPE>(ar, &value, 1);
            Link(m_tail, nullptr, std::move(value));
        }
    }

private:
    static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }

    static Node* At(POSITION position) {
        if (position == nullptr)
            AfxThrowNotSupportedException();
        return reinterpret_cast<Node*>(position);
    }

    static Node* NonEmpty(Node* node) {
        if (node == nullptr)
            AfxThrowNotSupportedException();
        return node;
    }

    template <class Value> Node* Link(Node* prev, Node* next, Value&& value) {
        Node* node = m_pool.New(prev, next, std::forward<Value>(value));
        (prev ? prev->pNext : m_head) = node;
        (next ? next->pPrev : m_tail) = node;
        ++m_count;
        return node;
    }

    void Unlink(Node* node) {
        (node->pPrev ? node->pPrev->pNext : m_head) = node->pNext;
        (node->pNext ? node->pNext->pPrev : m_tail) = node->pPrev;
        m_pool.Free(node);
        if (--m_count == 0)
            RemoveAll(); // gives the blocks back
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    INT_PTR m_count = 0;
    NodePool<Node> m_pool;
};
