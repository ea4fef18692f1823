#pragma once

// The portable half of Unit1: TForm1's form description and what is built from it without a window.
// Kept apart from Unit1.h, which needs <windows.h>, so that the native tests check the same data and
// the same filling that the program uses.

#include "ThermoTables.h"
#include "chart/Chart.h"
#include "win32/Properties.h"

#include <array>
#include <span>
#include <string_view>

// The maker's web site, which a click on the logo opens, and its host name, the logo's hint. The real
// site is not known yet: it goes here.
inline constexpr std::string_view MakerWebAddress = "http://www.example.com";
inline constexpr std::string_view MakerHostName = "www.example.com";

// TForm1's components and their properties. Chart2 lies on the form; Button1 and Image1 lie on Chart2, so
// their coordinates are the chart's. Chart2 overlaps the form's client area by 9 pixels at the left and
// 3 at the top and bottom; its right edge is the client area's.
struct TForm1Description {
    win32::FormProperties Form1;
    win32::ChartProperties Chart2;
    // Series3..Series11 in the chart's order, which is the thermocouple type index.
    std::array<win32::SeriesProperties, ThermocoupleCount> Series;
    win32::ButtonProperties Button1;
    win32::ImageProperties Image1;
};

inline constexpr TForm1Description Form1Description{
    .Form1 = {.Caption = "Termočlánky",
              .Position = {239, 190},
              .ClientSize = {717, 449},
              .Colour = win32::SystemColor::ButtonFace,
              .Font = {.Name = "MS Sans Serif", .Height = 11, .Colour = win32::SystemColor::WindowText},
              .Icon = "MAINICON"},
    .Chart2 = {.Control = {.Bounds = {-9, -3, 726, 455}, .Anchors = win32::Anchors::All},
               .Colour = chart::colors::White},
    .Series = {{
        {"Series3", "K", chart::colors::Red},
        {"Series4", "S", chart::colors::Green},
        {"Series5", "J", chart::colors::Yellow},
        {"Series6", "N", chart::colors::Blue},
        {"Series7", "T", chart::colors::Lime},
        {"Series8", "E", chart::colors::Gray},
        {"Series9", "R", chart::colors::Fuchsia},
        {"Series10", "B", chart::colors::Teal},
        {"Series11", "C", chart::colors::Navy},
    }},
    .Button1 = {.Control = {.Bounds = {645, 419, 75, 25},
                            .Anchors = win32::Anchors::Right | win32::Anchors::Bottom},
                .Caption = "Tisk"},
    .Image1 = {.Control = {.Bounds = {8, 410, 105, 41},
                           .Anchors = win32::Anchors::Left | win32::Anchors::Bottom},
               .Picture = "LOGO",
               .Hint = MakerHostName},
};

// Adds the described series to the chart, in their order.
void AddSeries(chart::Chart& chart, std::span<const win32::SeriesProperties> series);

// Appends to the chart's series i every point (t, EMF) of thermocouple type i in the order of the
// expansion, for i = 0..8: the pairing of tables and series rests only on their common order.
void FillCharacteristics(chart::Chart& chart);
