#pragma once

#include "chart/Series.h"
#include "win32/Button.h"
#include "win32/ChartWindow.h"
#include "win32/Form.h"
#include "win32/Image.h"
#include "win32/PrintDialog.h"

// The program's one window: the chart of the nine characteristics, the print button, the print dialog
// and the maker's logo, built from the form description in Unit1Form.h.
class TForm1 : public win32::Form {
public:
    TForm1();

    win32::ChartWindow Chart2;
    // The chart's series by type index, K..C; the chart owns them.
    chart::Series* Series3 = nullptr;
    chart::Series* Series4 = nullptr;
    chart::Series* Series5 = nullptr;
    chart::Series* Series6 = nullptr;
    chart::Series* Series7 = nullptr;
    chart::Series* Series8 = nullptr;
    chart::Series* Series9 = nullptr;
    chart::Series* Series10 = nullptr;
    chart::Series* Series11 = nullptr;
    win32::Button Button1;
    win32::PrintDialog PrintDialog1;
    win32::Image Image1;

    void Button1Click(win32::Button& sender);
    void Image1Click(win32::Image& sender);
};

// The main window; null until it has been created, and after it has been released.
extern TForm1* Form1;
