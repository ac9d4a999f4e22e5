#pragma once

#include <cstdint>
#include <memory>
#include <utility>

namespace cairnly {

template <class T>
struct TListNode
{
    T* data = nullptr;         // owned
    TListNode* next = nullptr; // toward the back
    TListNode* prev = nullptr; // toward the front
};

// An owning doubly linked list. Add puts an element in front, so a walk (First, then Next) visits the
// element added last first, while Get counts positions from 1 in order of addition.
template <class T>
class CMMIList
{
public:
    CMMIList() = default;
    CMMIList(const CMMIList&) = delete;
    CMMIList& operator=(const CMMIList&) = delete;
    CMMIList(CMMIList&& other) noexcept { swap(other); }
    CMMIList& operator=(CMMIList&& other) noexcept
    {
        CMMIList moved(std::move(other));
        swap(moved);
        return *this;
    }
    ~CMMIList() { Flush(); }

    int32_t Count() const { return count; }

    bool Add(std::unique_ptr<T> element)
    {
        if (!element)
            return false;
        auto* node = new TListNode<T>{element.release(), head, nullptr};
        if (head)
            head->prev = node;
        else
            tail = node;
        head = node;
        ++count;
        return true;
    }

    T* First() { return settle(head); }
    T* Last() { return settle(tail); }
    T* Next() { return settle(cursor ? cursor->next : nullptr); }
    T* Prev() { return cursor ? settle(cursor->prev) : nullptr; }

    T* Get(int32_t n)
    {
        TListNode<T>* node = nodeAt(n);
        return node ? settle(node) : nullptr;
    }

    const T* Get(int32_t n) const
    {
        const TListNode<T>* node = nodeAt(n);
        return node ? node->data : nullptr;
    }

    T* Find(const T& match)
    {
        TListNode<T>* node = findNode(match);
        return node ? node->data : nullptr;
    }

    bool Remove(const T& match) { return destroy(findNode(match)); }
    bool RemoveAt(int32_t n) { return destroy(nodeAt(n)); }

    std::unique_ptr<T> Detach(const T& match)
    {
        TListNode<T>* node = findNode(match);
        if (!node)
            return nullptr;
        std::unique_ptr<T> element(node->data);
        unlink(node);
        return element;
    }

    // The replacement is taken only when an element matched.
    bool Replace(const T& match, std::unique_ptr<T>& replacement) { return replaceIn(findNode(match), replacement); }
    bool ReplaceAt(int32_t n, std::unique_ptr<T>& replacement) { return replaceIn(nodeAt(n), replacement); }

    void Flush()
    {
        while (head)
            destroy(head);
        cursor = nullptr;
    }

    // Front to back, as a walk goes.
    template <class Function>
    void ForEach(Function&& function)
    {
        for (TListNode<T>* node = head; node; node = node->next)
            function(*node->data);
    }

    template <class Function>
    void ForEach(Function&& function) const
    {
        for (const TListNode<T>* node = head; node; node = node->next)
            function(static_cast<const T&>(*node->data));
    }

private:
    void swap(CMMIList& other) noexcept
    {
        std::swap(head, other.head);
        std::swap(tail, other.tail);
        std::swap(count, other.count);
        std::swap(cursor, other.cursor);
    }

    T* settle(TListNode<T>* node)
    {
        cursor = node;
        return node ? node->data : nullptr;
    }

    TListNode<T>* nodeAt(int32_t n) const
    {
        if (n < 1 || n > count)
            return nullptr;
        TListNode<T>* node = tail;
        for (int32_t i = 1; i < n; ++i)
            node = node->prev;
        return node;
    }

    TListNode<T>* findNode(const T& match) const
    {
        for (TListNode<T>* node = head; node; node = node->next) {
            if (*node->data == match)
                return node;
        }
        return nullptr;
    }

    void unlink(TListNode<T>* node)
    {
        (node->prev ? node->prev->next : head) = node->next;
        (node->next ? node->next->prev : tail) = node->prev;
        if (cursor == node)
            cursor = nullptr;
        delete node;
        --count;
    }

    bool destroy(TListNode<T>* node)
    {
        if (!node)
            return false;
        delete node->data;
        unlink(node);
        return true;
    }

    bool replaceIn(TListNode<T>* node, std::unique_ptr<T>& replacement)
    {
        if (!node || !replacement)
            return false;
        delete node->data;
        node->data = replacement.release();
        return true;
    }

    TListNode<T>* head = nullptr;
    TListNode<T>* tail = nullptr;
    int32_t count = 0;
    TListNode<T>* cursor = nullptr;
};

} // namespace cairnly
