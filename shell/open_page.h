#pragma once
// How every page is opened: made without owner (the opener deletes it) and
// put in its global pointer before its creation handler runs, shown
// modally, then deleted through the pointer, which is null again afterwards.

template <class Page>
void OpenPage(Page*& pointer) {
    pointer = new Page(nullptr);
    try {
        pointer->Create();
        pointer->ShowModal();
    } catch (...) {
        delete pointer;
        pointer = nullptr;
        throw;
    }
    delete pointer;
    pointer = nullptr;
}
