// PaletteEntry and the small list helpers every command uses.
#include "model/palette_entry.h"

#include "model/default_colours.h"

void PaletteEntry::SetDefaultColours() {
    for (int pen = 0; pen < kPenCount; ++pen) {
        m_Colours[kLightBackground][pen] = DefaultLightColours[pen];
        m_Colours[kDarkBackground][pen] = DefaultDarkColours[pen];
    }
}

PaletteEntry* PaletteAt(const UI_LIST& list, int index) {
    return dynamic_cast<PaletteEntry*>(list.Get(index));
}

UI_LIST* NewDefaultPaletteList() {
    auto* list = new UI_LIST(nullptr);
    auto* entry = new PaletteEntry;
    entry->m_Name = L"Default";
    entry->m_Description = L"Default palette";
    entry->SetDefaultColours();
    list->Add(entry);
    return list;
}

void DiscardPaletteList(UI_LIST* list) {
    if (list != nullptr) {
        list->Destroy();
        delete list;
    }
}
