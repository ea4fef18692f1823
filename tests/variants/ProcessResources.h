#pragma once

#include <cstddef>
#include <map>

// What a long-running process holds, for the leak checks of the end-to-end tests.
struct ProcessResources {
    int GdiObjects = 0;                  // live GDI objects, the 24 stock ones included
    std::map<int, int> GdiObjectsByType; // by the table's type code (1 DC, 4 region, 5 bitmap, 10 font, ...)
    int Windows = 0;              // every window of the process: top-level, child, hidden and message-only
    int Dialogs = 0;              // visible top-level dialogs (#32770): message boxes, the print dialog
    std::size_t PrivateBytes = 0; // committed private memory
};

ProcessResources MeasureProcessResources();
