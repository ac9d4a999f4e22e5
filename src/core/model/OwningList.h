#pragma once

#include <cstdint>
#include <memory>
#include <utility>

namespace cairnly {

// An owning doubly linked list. add() puts an element in front, so a walk (first(), then next()) visits
// the element added last first, while get() counts positions from 1 in order of addition.
template <class T>
class OwningList
{
public:
    struct Node
    {
        T* data = nullptr;    // owned
        Node* next = nullptr; // toward the back
        Node* prev = nullptr; // toward the front
    };

    OwningList() = default;
    OwningList(const OwningList&) = delete;
    OwningList& operator=(const OwningList&) = delete;
    OwningList(OwningList&& other) noexcept { swap(other); }
    OwningList& operator=(OwningList&& other) noexcept
    {
        OwningList moved(std::move(other));
        swap(moved);
        return *this;
    }
    ~OwningList() { flush(); }

    int32_t count() const { return elementCount; }

    bool add(std::unique_ptr<T> element)
    {
        if (!element)
            return false;
        auto* node = new Node{element.release(), head, nullptr};
        if (head)
            head->prev = node;
        else
            tail = node;
        head = node;
        ++elementCount;
        return true;
    }

    T* first() { return settle(head); }
    T* last() { return settle(tail); }
    T* next() { return settle(cursor ? cursor->next : nullptr); }
    T* prev() { return cursor ? settle(cursor->prev) : nullptr; }

    T* get(int32_t n)
    {
        OwningList<T>::Node* node = nodeAt(n);
        return node ? settle(node) : nullptr;
    }

    const T* get(int32_t n) const
    {
        const OwningList<T>::Node* node = nodeAt(n);
        return node ? node->data : nullptr;
    }

    T* find(const T& match)
    {
        OwningList<T>::Node* node = findNode(match);
        return node ? node->data : nullptr;
    }

    bool remove(const T& match) { return destroy(findNode(match)); }
    bool removeAt(int32_t n) { return destroy(nodeAt(n)); }

    std::unique_ptr<T> detach(const T& match)
    {
        OwningList<T>::Node* node = findNode(match);
        if (!node)
            return nullptr;
        std::unique_ptr<T> element(node->data);
        unlink(node);
        return element;
    }

    // The replacement is taken only when an element matched.
    bool replace(const T& match, std::unique_ptr<T>& replacement) { return replaceIn(findNode(match), replacement); }
    bool replaceAt(int32_t n, std::unique_ptr<T>& replacement) { return replaceIn(nodeAt(n), replacement); }

    void flush()
    {
        while (head)
            destroy(head);
        cursor = nullptr;
    }

    // Front to back, as a walk goes.
    template <class Function>
    void forEach(Function&& function)
    {
        for (OwningList<T>::Node* node = head; node; node = node->next)
            function(*node->data);
    }

    template <class Function>
    void forEach(Function&& function) const
    {
        for (const OwningList<T>::Node* node = head; node; node = node->next)
            function(static_cast<const T&>(*node->data));
    }

private:
    void swap(OwningList& other) noexcept
    {
        std::swap(head, other.head);
        std::swap(tail, other.tail);
        std::swap(elementCount, other.elementCount);
        std::swap(cursor, other.cursor);
    }

    T* settle(OwningList<T>::Node* node)
    {
        cursor = node;
        return node ? node->data : nullptr;
    }

    OwningList<T>::Node* nodeAt(int32_t n) const
    {
        if (n < 1 || n > elementCount)
            return nullptr;
        // From the nearer end: texts of the columns added last are read as often as the first ones.
        if (n > elementCount / 2) {
            OwningList<T>::Node* node = head;
            for (int32_t i = elementCount; i > n; --i)
                node = node->next;
            return node;
        }
        OwningList<T>::Node* node = tail;
        for (int32_t i = 1; i < n; ++i)
            node = node->prev;
        return node;
    }

    OwningList<T>::Node* findNode(const T& match) const
    {
        for (OwningList<T>::Node* node = head; node; node = node->next) {
            if (*node->data == match)
                return node;
        }
        return nullptr;
    }

    void unlink(OwningList<T>::Node* node)
    {
        (node->prev ? node->prev->next : head) = node->next;
        (node->next ? node->next->prev : tail) = node->prev;
        if (cursor == node)
            cursor = nullptr;
        delete node;
        --elementCount;
    }

    bool destroy(OwningList<T>::Node* node)
    {
        if (!node)
            return false;
        delete node->data;
        unlink(node);
        return true;
    }

    bool replaceIn(OwningList<T>::Node* node, std::unique_ptr<T>& replacement)
    {
        if (!node || !replacement)
            return false;
        delete node->data;
        node->data = replacement.release();
        return true;
    }

    OwningList<T>::Node* head = nullptr;
    OwningList<T>::Node* tail = nullptr;
    int32_t elementCount = 0;
    OwningList<T>::Node* cursor = nullptr;
};

} // namespace cairnly
