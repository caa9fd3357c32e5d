// Makes every allocation through operator new fail while an object of this
// class lives, so tests can see what the library does when memory runs out.
#pragma once

class CFailingAllocations {
public:
    CFailingAllocations();
    ~CFailingAllocations();
    CFailingAllocations(const CFailingAllocations&) = delete;
    CFailingAllocations& operator=(const CFailingAllocations&) = delete;
};
