// Ordered, owning list of UI_ELEMENT objects (the shared library's list container).
#pragma once

#include <cstddef>
#include <vector>

class UI_LIST;

// Base of every object kept in a UI_LIST. The list links live here; derived classes
// add their own fields. Deleting through a base pointer deletes the whole object.
class UI_ELEMENT {
public:
    virtual ~UI_ELEMENT();

    UI_ELEMENT(const UI_ELEMENT&) = delete;
    UI_ELEMENT& operator=(const UI_ELEMENT&) = delete;

    // The following element of the list, null after the last or when not in a list.
    UI_ELEMENT* Next() const { return m_pNext; }
    UI_ELEMENT* Previous() const { return m_pPrevious; }

protected:
    UI_ELEMENT() = default;

private:
    friend class UI_LIST;
    UI_ELEMENT* m_pNext = nullptr;
    UI_ELEMENT* m_pPrevious = nullptr;
    UI_LIST* m_pList = nullptr;
};

using UI_COMPARE = int (*)(void*, void*);

// A doubly linked list that owns its elements. With a null comparison function it keeps
// the order of adding; with one, Add inserts before the first element that compares greater.
class UI_LIST {
public:
    explicit UI_LIST(UI_COMPARE compare = nullptr) : m_compare(compare) {}
    virtual ~UI_LIST();

    UI_LIST(const UI_LIST&) = delete;
    UI_LIST& operator=(const UI_LIST&) = delete;

    // Deletes every element still in the list; the list itself stays usable.
    virtual void Destroy();

    // Takes ownership of element and links it in; returns it. An element that is already
    // in a list is left where it is and returned unchanged.
    UI_ELEMENT* Add(UI_ELEMENT* element);
    // Unlinks element without deleting it; ownership goes back to the caller.
    // Returns element, or null when it is not in this list.
    UI_ELEMENT* Subtract(UI_ELEMENT* element);

    UI_ELEMENT* First() const { return m_pFirst; }
    UI_ELEMENT* Last() const { return m_pLast; }
    // The element at 0-based position index, null outside the list.
    UI_ELEMENT* Get(int index) const;
    // The position of element, -1 when it is not in this list.
    int Index(const UI_ELEMENT* element) const;
    unsigned int Count() const { return m_nCount; }

private:
    void LinkBefore(UI_ELEMENT* element, UI_ELEMENT* before);

    UI_COMPARE m_compare;
    UI_ELEMENT* m_pFirst = nullptr;
    UI_ELEMENT* m_pLast = nullptr;
    unsigned int m_nCount = 0;
};
