// Linked-list bookkeeping for UI_LIST.
#include "shared/ui_list.h"

UI_ELEMENT::~UI_ELEMENT() {
    // An element deleted while still linked must not leave a dangling pointer behind.
    if (m_pList != nullptr) {
        m_pList->Subtract(this);
    }
}

UI_LIST::~UI_LIST() {
    // Callers call Destroy() first; doing it again here only guards against leaks.
    Destroy();
}

void UI_LIST::Destroy() {
    while (m_pFirst != nullptr) {
        UI_ELEMENT* element = m_pFirst;
        Subtract(element);
        delete element;
    }
}

void UI_LIST::LinkBefore(UI_ELEMENT* element, UI_ELEMENT* before) {
    element->m_pList = this;
    element->m_pNext = before;
    element->m_pPrevious = before != nullptr ? before->m_pPrevious : m_pLast;
    if (element->m_pPrevious != nullptr) {
        element->m_pPrevious->m_pNext = element;
    } else {
        m_pFirst = element;
    }
    if (before != nullptr) {
        before->m_pPrevious = element;
    } else {
        m_pLast = element;
    }
    ++m_nCount;
}

UI_ELEMENT* UI_LIST::Add(UI_ELEMENT* element) {
    if (element == nullptr || element->m_pList != nullptr) {
        return element;
    }
    UI_ELEMENT* before = nullptr;
    if (m_compare != nullptr) {
        before = m_pFirst;
        while (before != nullptr && m_compare(element, before) >= 0) {
            before = before->m_pNext;
        }
    }
    LinkBefore(element, before);
    return element;
}

UI_ELEMENT* UI_LIST::Subtract(UI_ELEMENT* element) {
    if (element == nullptr || element->m_pList != this) {
        return nullptr;
    }
    if (element->m_pPrevious != nullptr) {
        element->m_pPrevious->m_pNext = element->m_pNext;
    } else {
        m_pFirst = element->m_pNext;
    }
    if (element->m_pNext != nullptr) {
        element->m_pNext->m_pPrevious = element->m_pPrevious;
    } else {
        m_pLast = element->m_pPrevious;
    }
    element->m_pNext = nullptr;
    element->m_pPrevious = nullptr;
    element->m_pList = nullptr;
    --m_nCount;
    return element;
}

UI_ELEMENT* UI_LIST::Get(int index) const {
    if (index < 0 || static_cast<unsigned int>(index) >= m_nCount) {
        return nullptr;
    }
    UI_ELEMENT* element = m_pFirst;
    for (int i = 0; i < index; ++i) {
        element = element->m_pNext;
    }
    return element;
}

int UI_LIST::Index(const UI_ELEMENT* element) const {
    int index = 0;
    for (const UI_ELEMENT* e = m_pFirst; e != nullptr; e = e->m_pNext, ++index) {
        if (e == element) {
            return index;
        }
    }
    return -1;
}
